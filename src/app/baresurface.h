#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace app {

// Fires a screen's auto-post when the mouse moves over the window itself: the part no control covers.
// Grids, buttons, labels, edit fields and (unless asked) group boxes are never bare; layout containers are.
class BareSurface : public QObject {
public:
    BareSurface(QWidget *window, std::function<void()> onMove, bool groupBoxesToo = false);

    // Whether `pos` (window coordinates) lies on the bare surface of `window`.
    static bool isBare(QWidget *window, const QPoint &pos, bool groupBoxesToo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<void()> m_onMove;
    bool m_groupBoxesToo;
};

} // namespace app
