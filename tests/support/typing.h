#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// Keys as the user presses them: each goes to whatever has the focus at that moment (a grid, then the cell
// editor it opened), so the grid's own editing runs as it does for a farmer.
namespace testsupport {

// Shows `window` as the active window, so that the focus moves as it does on a desktop.
inline bool activate(QWidget &window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline void press(QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
    QTest::keyClick(target, key, modifiers);
}

inline void type(QWidget &window, const QString &text)
{
    for (const QChar c : text) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClicks(target, QString(c));
    }
}

// A row of cells typed with Tab between them; the last one stays open.
inline void typeCells(QWidget &window, const QStringList &cells)
{
    for (int i = 0; i < cells.size(); ++i) {
        if (i > 0)
            press(window, Qt::Key_Tab);
        type(window, cells[i]);
    }
}

} // namespace testsupport
