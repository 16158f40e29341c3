#include "placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace app {

namespace {

const QScreen *screenOf(const QWidget *window)
{
    if (const QWidget *parent = window->parentWidget(); parent && parent->screen())
        return parent->screen();
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

QMargins ownFrame(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// Keeps a window's frame centred while the window manager is still deciding what the frame is.
class Centring : public QObject {
public:
    explicit Centring(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

    void centre()
    {
        m_margins = ownFrame(m_window);
        // Not framed yet: the parent's window was framed by the same manager, the best guess of what comes.
        if (m_margins.isNull() && m_window->parentWidget() && m_window->parentWidget()->window()->isVisible())
            m_margins = ownFrame(m_window->parentWidget()->window());
        const QScreen *screen = screenOf(m_window);
        if (!screen)
            return;
        const QRect area = screen->availableGeometry();
        QRect frame(QPoint(), m_window->size().grownBy(m_margins));
        frame.moveCenter(area.center());
        // A window's position is its frame's.
        m_window->move(qMax(frame.left(), area.left()), qMax(frame.top(), area.top()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            // Only a frame that turned out otherwise: a move or resize by the user keeps the frame as it was.
            if (watched == m_window && m_window->isVisible()) {
                const QMargins margins = ownFrame(m_window);
                if (!margins.isNull() && margins != m_margins)
                    centre();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget *m_window;
    QMargins m_margins;
};

} // namespace

void fitAndCentre(QWidget *window, Sizing sizing)
{
    // adjustSize() lays the window out and gives a small one Qt's least window size, so its title fits.
    window->adjustSize();
    const QSize size = window->sizeHint().expandedTo(window->size());
    if (sizing == Sizing::Fixed)
        window->setFixedSize(size);
    else
        window->resize(size);
    Centring *centring = nullptr;
    for (QObject *child : window->children())
        if ((centring = dynamic_cast<Centring *>(child)))
            break;
    if (!centring)
        centring = new Centring(window);
    centring->centre();
}

} // namespace app
