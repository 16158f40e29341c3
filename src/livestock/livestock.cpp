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

QMap<QString, QString> columnTitles()
{
    // The card's own wording where the card has a field for it.
    return {
        {QStringLiteral("stat"), QStringLiteral("Stát")},
        {QStringLiteral("cv_cislo"), QStringLiteral("Číslo zvířete")},
        {QStringLiteral("cislo"), QStringLiteral("Číslo zvířete")},
        {QStringLiteral("dat_narozeni"), QStringLiteral("Datum narození")},
        {QStringLiteral("vdj"), QStringLiteral("VDJ")},
        {QStringLiteral("samec"), QStringLiteral("Samec")},
        {QStringLiteral("kam_cislo_registru"), QStringLiteral("Kam (číslo registru)")},
        {QStringLiteral("datum"), QStringLiteral("Datum odsunu")},
        {QStringLiteral("poznamka"), QStringLiteral("Poznámka")},
        {QStringLiteral("usni_zn_zeme"), QStringLiteral("Ušní známka – země")},
        {QStringLiteral("usni_zn_cislo_zvirete"), QStringLiteral("Ušní známka – číslo")},
        {QStringLiteral("narozeni_datum"), QStringLiteral("Narození – datum")},
        {QStringLiteral("narozeni_reg_c_hosp"), QStringLiteral("Narození – reg. č. hosp.")},
        {QStringLiteral("pohlavy"), QStringLiteral("Pohlaví")},
        {QStringLiteral("usni_zn_matky_zeme"), QStringLiteral("Matka – země")},
        {QStringLiteral("usni_zn_matky_cislo_zv"), QStringLiteral("Matka – číslo")},
        {QStringLiteral("plem_prisl_matky"), QStringLiteral("Plem. přísl. matky")},
        {QStringLiteral("plem_prisl_zvirete"), QStringLiteral("Plem. přísl. zvířete")},
        {QStringLiteral("vystavil"), QStringLiteral("Vystavil")},
        {QStringLiteral("dne"), QStringLiteral("Dne")},
        {QStringLiteral("chovatel_nazev"), QStringLiteral("Chovatel – název")},
        {QStringLiteral("poznamky"), QStringLiteral("Poznámky")},
    };
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
