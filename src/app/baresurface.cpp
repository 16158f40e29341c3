#include "baresurface.h"

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
        if (isBare(m_window, me->position().toPoint(), m_groupBoxesToo))
            m_onMove();
    }
    return false;
}

} // namespace app
