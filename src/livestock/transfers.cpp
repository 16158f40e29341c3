#include "transfers.h"

#include "animallist.h"
#include "livestock.h"

#include "app/dialogs.h"
#include "books/autopost.h"
#include "store/database.h"
#include "store/error.h"
#include "store/query.h"
#include "store/transaction.h"
#include "store/values.h"

#include <QDate>

namespace livestock {

namespace {

const QString kKey = QStringLiteral("cv_cislo");

const QStringList &listFieldNames()
{
    static const QStringList names = {QStringLiteral("stat"), QStringLiteral("cv_cislo"),
                                      QStringLiteral("dat_narozeni"), QStringLiteral("vdj"),
                                      QStringLiteral("samec")};
    return names;
}

void copyFields(const store::Query &from, store::Query &to, const QStringList &fields)
{
    for (const QString &f : fields)
        to.setFieldText(f, from.fieldText(f));
}

// The list's current animal as stored: the row of seznam_zvirat with its number and the list row's identity,
// so that a second animal with the same number is never taken for it.
void openSource(store::Query &source, AnimalList &list, const QString &number)
{
    const qint64 id = list.query().rowId(list.query().currentRow());
    source.setText({QStringLiteral("select * from seznam_zvirat"), store::exactMatchLine(kKey, number)});
    source.open();
    for (int r = 0; r < source.recordCount(); ++r)
        if (source.rowId(r) == id) {
            source.moveTo(r);
            return;
        }
    throw store::Error(store::Error::Kind::RowGone,
                       QStringLiteral("Zvíře s číslem %1 v tabulce seznam_zvirat.db není.").arg(number));
}

// The number of the list's current animal, its row stored first so that the copy carries what the screen
// shows; empty when the transfer must not go on (the user has been told why).
QString storedNumber(AnimalList &list)
{
    const QString number = list.query().fieldText(kKey);
    if (!books::isFilledKey(number)) {
        list.context().dialogs.errorBox(&list, noNumberMessage());
        return {};
    }
    list.autoPost(true);
    return number;
}

} // namespace

const QStringList &cardFieldNames()
{
    static const QStringList names = {QStringLiteral("usni_zn_zeme"),
                                      QStringLiteral("usni_zn_cislo_zvirete"),
                                      QStringLiteral("narozeni_datum"),
                                      QStringLiteral("narozeni_reg_c_hosp"),
                                      QStringLiteral("pohlavy"),
                                      QStringLiteral("usni_zn_matky_zeme"),
                                      QStringLiteral("usni_zn_matky_cislo_zv"),
                                      QStringLiteral("plem_prisl_matky"),
                                      QStringLiteral("plem_prisl_zvirete"),
                                      QStringLiteral("vystavil"),
                                      QStringLiteral("dne"),
                                      QStringLiteral("chovatel_nazev"),
                                      QStringLiteral("poznamky")};
    return names;
}

void putOnPasture(AnimalList &list)
{
    app::Dialogs &dialogs = list.context().dialogs;
    store::Database &db = list.context().db;
    if (!dialogs.confirm(&list, QStringLiteral("Zařadit zvíře do pastvy?")))
        return;
    const QString number = storedNumber(list);
    if (number.isEmpty())
        return;

    store::Query lookup(db);
    QString found;
    try {
        lookup.setText({QStringLiteral("select * from pastva"), store::exactMatchLine(kKey, number)});
        lookup.open();
        found = lookup.fieldText(kKey);
    } catch (const store::Error &) {
        lookup.close();
        dialogs.errorBox(&list, QStringLiteral("Došlo k neznámé vnitřní chybě při kontrole databáze. Prosím "
                                               "opakujte příkaz."));
    }
    const bool replace = !found.isEmpty() && found == number;
    if (replace &&
        !dialogs.confirm(&list,
                         QStringLiteral("Dané zvíře s číslem: ") + found +
                             QStringLiteral(" se v databázi pastvy již vyskituje. Chcete záznam v pastvě "
                                            "nahradit tímto záznamem? (doporučené jen pokud byla data "
                                            "změněna)")))
        return;

    try {
        store::Query source(db), target(db);
        openSource(source, list, number);
        target.setText({QStringLiteral("select * from pastva")});
        target.open();
        target.append();
        copyFields(source, target, listFieldNames());
        copyFields(source, target, cardFieldNames());
        // The earlier copies go only together with the new one being stored: the animal stays on pasture.
        store::Transaction change(db);
        if (replace)
            for (int r = 0; r < lookup.recordCount(); ++r)
                change.deleteRow(lookup, r);
        change.insertPending(target);
        change.commit();
    } catch (const store::Error &) {
        dialogs.errorBox(&list,
                         QStringLiteral("Došlo k vnitřní chybě - zřejmě se nepodařilo zařadit zvíře do "
                                        "pastvy - prosím zkontrolujte záznamy pastvy"));
        return;
    }
    dialogs.message(&list,
                    QStringLiteral("Zvíře s číslem :") + number + QStringLiteral(" bylo dáno do pastvy"));
}

void moveToRemoved(AnimalList &list)
{
    app::Dialogs &dialogs = list.context().dialogs;
    store::Database &db = list.context().db;
    if (!dialogs.confirm(&list, QStringLiteral("Opravdu chcete vyřadit toto zvíře a dát ho do odsunu?")))
        return;
    const QString number = storedNumber(list);
    if (number.isEmpty())
        return;

    int onPasture = 0;
    try {
        store::Query source(db), target(db), pasture(db);
        openSource(source, list, number);
        target.setText({QStringLiteral("select * from odsun")});
        target.open();
        target.append();

        const QString today = store::dateText(QDate::currentDate());
        target.setFieldText(QStringLiteral("stat"), source.fieldText(QStringLiteral("stat")));
        target.setFieldText(QStringLiteral("cislo"), source.fieldText(kKey));
        target.setFieldText(QStringLiteral("kam_cislo_registru"),
                            dialogs
                                .input(&list, QStringLiteral("Zadejte kam zvíře šlo"),
                                       QStringLiteral("Napište číslo registru:"), QString())
                                .left(10));
        const QString date =
            dialogs
                .input(&list, QStringLiteral("Datum odsunu"), QStringLiteral("Napište datum odsunu:"), today)
                .left(10);
        if (!store::parseDate(date))
            throw store::Error(store::Error::Kind::Conversion,
                               QStringLiteral("„%1“ není platné datum.").arg(date));
        target.setFieldText(QStringLiteral("datum"), date);
        target.setFieldText(QStringLiteral("poznamka"),
                            dialogs
                                .input(&list, QStringLiteral("Poznámka"),
                                       QStringLiteral("Napište popřípadnou poznámku:"), QString())
                                .left(200));
        copyFields(source, target, cardFieldNames());

        pasture.setText({QStringLiteral("select * from pastva"), store::exactMatchLine(kKey, number)});
        pasture.open();
        onPasture = pasture.recordCount();

        // One transaction: the animal is never in both registers, nor in neither. The list row goes by its
        // identity, which works whatever the list's sort.
        store::Transaction move(db);
        move.insertPending(target);
        move.deleteRow(list.query(), list.query().currentRow());
        for (int r = 0; r < onPasture; ++r)
            move.deleteRow(pasture, r);
        move.commit();
    } catch (const store::Error &) {
        dialogs.errorBox(&list,
                         QStringLiteral("Došlo k vnitřní chybě! Data se nepodařilo přesunout do odsunu. Je "
                                        "možné, že jste napsali špatné (neexistující) datum. Pokuste se "
                                        "prosím znovu akci opakovat. "));
        return;
    }
    dialogs.message(&list, QStringLiteral("Zvíře s číslem :") + number + QStringLiteral(" bylo odsunuto"));
    if (onPasture > 0)
        dialogs.informationBox(&list, QStringLiteral("Dané zvíře bylo odsunuto i z databáze pastvy"));
}

} // namespace livestock
