#include "action.h"

#include "dialogs.h"
#include "store/error.h"

#include <QApplication>
#include <QWidget>
#include <exception>

namespace app {

bool runAction(Dialogs &dialogs, QWidget *parent, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const store::Error &e) {
        dialogs.defaultError(parent, e.message());
    } catch (const std::exception &e) {
        dialogs.defaultError(
            parent, QStringLiteral("Došlo k vnitřní chybě programu: %1").arg(QString::fromUtf8(e.what())));
    }
    return false;
}

bool mayAct(QWidget *window)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return !modal || modal == window->window();
}

bool commitOpenCells(QWidget *window, bool quiet)
{
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *w : children)
        if (auto *cell = dynamic_cast<OpenCell *>(w); cell && w->window() == window->window())
            if (!cell->commitOpenCell(quiet))
                return false;
    return true;
}

} // namespace app
