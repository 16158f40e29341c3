#include "livestock.h"

#include "animalcard.h"
#include "animallist.h"
#include "pasture.h"
#include "removedanimals.h"

#include "app/screenregistry.h"
#include "app/workspace.h"

namespace livestock {

QString noNumberMessage()
{
    return QStringLiteral("Musí být vybrán záznam, který má vyplněn pole cv_cislo");
}

void openAnimalCard(app::Screen &caller, const QString &cardClass, const QString &number)
{
    caller.context().workspace.selectedAnimal = number;
    app::showScreen(caller.context(), cardClass, &caller);
}

void registerScreens(app::ScreenRegistry &screens)
{
    screens.add(QStringLiteral("TForm5"),
                [](app::AppContext &ctx, QWidget *parent) { return new AnimalList(ctx, parent); });
    screens.add(QStringLiteral("TForm6"), [](app::AppContext &ctx, QWidget *parent) {
        return new AnimalCard(ctx, animalCard(), parent);
    });
    screens.add(QStringLiteral("TForm13"), [](app::AppContext &ctx, QWidget *parent) {
        return new AnimalCard(ctx, removedCard(), parent);
    });
    screens.add(QStringLiteral("TForm7"),
                [](app::AppContext &ctx, QWidget *parent) { return new PastureList(ctx, parent); });
    screens.add(QStringLiteral("TForm8"),
                [](app::AppContext &ctx, QWidget *parent) { return new RemovedAnimals(ctx, parent); });
}

} // namespace livestock
