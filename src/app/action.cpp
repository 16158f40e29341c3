#include "action.h"

#include "dialogs.h"
#include "store/error.h"

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

} // namespace app
