#pragma once

#include <QDialog>

namespace app {

struct Workspace;

// The splash window, shown once per run when the main window first appears; it closes itself after a second.
class SplashWindow : public QDialog {
public:
    SplashWindow(Workspace &ws, QWidget *parent);

    // The 153 x 201 picture: a farmstead under an evening sky, drawn here so no file is needed.
    static QPixmap picture();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Workspace &m_ws;
};

} // namespace app
