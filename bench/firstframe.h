#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <unistd.h>

// Ends the process as soon as `window` is on screen with its first frame painted, which is what the user
// waits for. A widget paints while its window handles the Expose event; the quit is queued behind it. The
// process leaves with _exit so that tearing down is not part of the figure, for either program alike.
class ExitOnFirstFrame : public QObject {
public:
    explicit ExitOnFirstFrame(QWidget *window) : m_window(window)
    {
        qApp->installEventFilter(this);
        // A window that never appears fails the run instead of hanging the timing loop.
        QTimer::singleShot(10000, qApp, [] {
            std::fputs("the window was not exposed within 10 s\n", stderr);
            ::_exit(2);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched == m_window->windowHandle() &&
            m_window->windowHandle()->isExposed())
            QTimer::singleShot(0, qApp, [] { ::_exit(0); });
        return false;
    }

private:
    QWidget *m_window;
};
