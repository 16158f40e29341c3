#include "machines.h"

#include "machinecard.h"
#include "machinelist.h"

#include "app/screenregistry.h"

namespace machines {

void registerScreens(app::ScreenRegistry &screens)
{
    screens.add(QStringLiteral("TForm14"),
                [](app::AppContext &ctx, QWidget *parent) { return new MachineList(ctx, parent); });
    screens.add(QStringLiteral("TForm15"),
                [](app::AppContext &ctx, QWidget *parent) { return new MachineCard(ctx, parent); });
}

} // namespace machines
