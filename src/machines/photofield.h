#pragma once

#include <QByteArray>
#include <QImage>
#include <QLabel>

namespace machines {

// The machine card's photo: the stored bitmap scaled to the frame with its proportions kept, so the whole
// picture stays visible. A click asks for a file; with the focus, Enter or Space does the same, Ctrl+V pastes
// and Ctrl+C copies. Its context menu (right click, the Menu key, Shift+F10) offers all of it and removal.
class PhotoField : public QLabel {
    Q_OBJECT
public:
    explicit PhotoField(QWidget *parent);

    void setPhoto(const QByteArray &bmp);
    const QImage &image() const { return m_image; }

Q_SIGNALS:
    void clicked();
    void pasteRequested();
    void copyRequested();
    void removeRequested();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showScaled();
    void showMenu(const QPoint &pos);

    QImage m_image;
};

} // namespace machines
