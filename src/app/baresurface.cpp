#include "baresurface.h"

#include "action.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace app {

namespace {

bool isControl(QWidget *w, bool groupBoxesToo)
{
    if (qobject_cast<QGroupBox *>(w))
        return !groupBoxesToo;
    return qobject_cast<QAbstractItemView *>(w) || qobject_cast<QAbstractButton *>(w) ||
           qobject_cast<QLabel *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
           qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w) ||
           qobject_cast<QComboBox *>(w) || qobject_cast<QMenuBar *>(w);
}

} // namespace

BareSurface::BareSurface(QWidget *window, std::function<void()> onMove, bool groupBoxesToo)
    : QObject(window), m_window(window), m_onMove(std::move(onMove)), m_groupBoxesToo(groupBoxesToo)
{
    // Move events without a pressed button reach a widget only with tracking on; those over children without
    // tracking of their own propagate up to the window, where isBare sorts them out.
    window->setMouseTracking(true);
    window->installEventFilter(this);
}

bool BareSurface::isBare(QWidget *window, const QPoint &pos, bool groupBoxesToo)
{
    for (QWidget *w = window->childAt(pos); w && w != window; w = w->parentWidget())
        if (isControl(w, groupBoxesToo))
            return false;
    return true;
}

bool BareSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::MouseMove) {
        const auto *me = static_cast<QMouseEvent *>(event);
        // A value still in an open cell is part of the row the rule stores; one that cannot be taken keeps
        // the row pending, silently, as every failed automatic store does.
        if (isBare(m_window, me->position().toPoint(), m_groupBoxesToo) && commitOpenCells(m_window, true))
            m_onMove();
    }
    return false;
}

} // namespace app
