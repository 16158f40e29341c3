#include "livestockfarm.h"
#include "support/testmain.h"

#include <optional>

using livestock::AnimalList;
using livestock::PastureList;
using livestock::RemovedAnimals;

namespace {

// The field texts of a table, one column.
QStringList column(Farm &farm, const QString &table, int index)
{
    QStringList values;
    for (const QString &row : farm.stored(table))
        values << row.split(u'|').value(index);
    return values;
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Pasture twice: the second press asks to replace; No keeps the old copy silently, Yes stores the
    // current data once. An animal its number matches only as a pattern is no duplicate and stays.
    void pastureTwice()
    {
        Farm farm;
        farm.animals({animal("CZ", "CZ21"), animal("CZ", "CZ_1")});
        farm.list([&](AnimalList &list) {
            farm.dialogs.answers = {true};
            buttonOf(list, "Button10")->click(); // CZ21
            list.query().moveTo(1);
            farm.dialogs.answers = {true};
            buttonOf(list, "Button10")->click(); // CZ_1: CZ21 is no duplicate
            QCOMPARE(column(farm, "pastva", 1), (QStringList{"CZ21", "CZ_1"}));
            QCOMPARE(farm.dialogs.texts("message"),
                     (QStringList{"Zvíře s číslem :CZ21 bylo dáno do pastvy",
                                  "Zvíře s číslem :CZ_1 bylo dáno do pastvy"}));
            QCOMPARE(farm.dialogs.texts("confirm"),
                     (QStringList{"Zařadit zvíře do pastvy?", "Zařadit zvíře do pastvy?"}));

            // A change typed in the list goes with the copy: the row is stored first.
            QVERIFY(typeCell(list.query(), "vdj", "0,5"));
            farm.dialogs.clear();
            farm.dialogs.answers = {true, false};
            buttonOf(list, "Button10")->click();
            QCOMPARE(
                farm.dialogs.texts("confirm").last(),
                QString(
                    "Dané zvíře s číslem: CZ_1 se v databázi pastvy již vyskituje. Chcete záznam v pastvě "
                    "nahradit tímto záznamem? (doporučené jen pokud byla data změněna)"));
            QVERIFY(farm.dialogs.texts("message").isEmpty());
            QCOMPARE(column(farm, "pastva", 3), (QStringList{"1", "1"}));
            farm.dialogs.answers = {true, true};
            buttonOf(list, "Button10")->click();
            QCOMPARE(column(farm, "pastva", 1), (QStringList{"CZ21", "CZ_1"}));
            QCOMPARE(column(farm, "pastva", 3), (QStringList{"1", "0,5"}));
            QCOMPARE(farm.stored("pastva")[1], farm.stored("seznam_zvirat")[1]);

            // A record without a number is refused before anything is asked of the tables.
            buttonOf(list, "Button9")->click();
            farm.dialogs.answers = {true, true};
            buttonOf(list, "Button10")->click();
            buttonOf(list, "Button12")->click();
            QCOMPARE(farm.dialogs.texts("error"),
                     (QStringList{"Musí být vybrán záznam, který má vyplněn pole cv_cislo",
                                  "Musí být vybrán záznam, který má vyplněn pole cv_cislo"}));
            QCOMPARE(farm.stored("pastva").size(), 2);
            QVERIFY(farm.stored("odsun").isEmpty());
        });
    }

    // Removal of an animal on pasture, with the list sorted: one odsun record with the typed values cut to
    // their widths, the animal gone from the list and from pasture, and the two messages.
    void removalOfAnAnimalOnPasture()
    {
        Farm farm;
        farm.animals(
            {animal("CZ", "CZ2", "1.1.2001", "222"), animal("SK", "SK1", "5.9.2004", "111", "býček")});
        testsupport::fillTable(farm.db, "pastva", {animal("SK", "SK1"), animal("SK", "SK12")});
        farm.list([&](AnimalList &list) {
            buttonOf(list, "Button2")->click(); // sorted by country: the list result is read-only
            list.query().moveTo(1);
            QCOMPARE(list.query().fieldText("cv_cislo"), QString("SK1"));
            farm.dialogs.answers = {true};
            farm.dialogs.inputs = {QString("CZ12345678901"), QString("6.9.2004"), QString(250, u'p')};
            buttonOf(list, "Button12")->click();
            QCOMPARE(farm.dialogs.texts("message"), QStringList{"Zvíře s číslem :SK1 bylo odsunuto"});
            QCOMPARE(farm.dialogs.texts("information"),
                     QStringList{"Dané zvíře bylo odsunuto i z databáze pastvy"});
            QCOMPARE(column(farm, "seznam_zvirat", 1), QStringList{"CZ2"});
            QCOMPARE(column(farm, "pastva", 1), QStringList{"SK12"});
            const QStringList removed = farm.stored("odsun");
            QCOMPARE(removed.size(), 1);
            const QStringList f = removed[0].split(u'|');
            QCOMPARE(f.mid(0, 4), (QStringList{"SK", "SK1", "CZ12345678", "6.9.2004"}));
            QCOMPARE(f[4], QString(200, u'p'));
            QCOMPARE(f[6], QString("111")); // the card fields follow
            QCOMPARE(f.last(), QString("býček"));
            QCOMPARE(list.query().recordCount(), 1);
            QCOMPARE(labelText(list, "Label2"), QString("1"));
        });
    }

    // Cancelled input boxes still remove the animal (empty, today, empty); a date that is no date changes
    // nothing; No to the question changes nothing and asks nothing more.
    void removalInputs()
    {
        Farm farm;
        farm.animals({animal("CZ", "CZ1"), animal("CZ", "CZ2")});
        farm.list([&](AnimalList &list) {
            farm.dialogs.answers = {false};
            buttonOf(list, "Button12")->click();
            QCOMPARE(farm.dialogs.messages.size(), 1);

            const QByteArray listBytes = testsupport::fileBytes(farm.dir.file("seznam_zvirat.db"));
            farm.dialogs.answers = {true};
            farm.dialogs.inputs = {QString("R1"), QString("31.2.2004")};
            buttonOf(list, "Button12")->click();
            QCOMPARE(farm.dialogs.texts("error"),
                     QStringList{
                         "Došlo k vnitřní chybě! Data se nepodařilo přesunout do odsunu. Je možné, že jste "
                         "napsali špatné (neexistující) datum. Pokuste se prosím znovu akci opakovat. "});
            QCOMPARE(farm.dialogs.texts("input").size(), 2); // the note box is not shown
            QVERIFY(farm.stored("odsun").isEmpty());
            QCOMPARE(testsupport::fileBytes(farm.dir.file("seznam_zvirat.db")), listBytes);

            farm.dialogs.answers = {true};
            farm.dialogs.inputs = {std::nullopt, std::nullopt, std::nullopt};
            buttonOf(list, "Button12")->click();
            QCOMPARE(farm.stored("odsun").size(), 1);
            const QStringList f = farm.stored("odsun")[0].split(u'|');
            QCOMPARE(f.mid(1, 4), (QStringList{"CZ1", "", store::dateText(QDate::currentDate()), ""}));
            QVERIFY(farm.dialogs.texts("information").isEmpty()); // it was not on pasture
            QCOMPARE(column(farm, "seznam_zvirat", 1), QStringList{"CZ2"});
        });
    }

    // The pasture screen: sorting disables the removal, which asks first; the count on request; print.
    void pastureScreen()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "pastva",
                               {animal("SK", "SK2"), animal("CZ", "CZ1"), animal("CZ", "")});
        farm.pasture([&](PastureList &pasture) {
            QCOMPARE(pasture.windowTitle(), QString("Seznam zvířat na pastvě"));
            QCOMPARE(pasture.query().fieldCount(), 18);
            QAction *remove = pasture.findChild<QAction *>("MenuVyrad");
            pasture.findChild<QAction *>("MenuSeradPodleCisla")->trigger();
            QVERIFY(!remove->isEnabled());
            QCOMPARE(pasture.query().valueText(1, 1), QString("CZ1"));
            pasture.findChild<QAction *>("MenuVytiskni")->trigger();
            QCOMPARE(farm.dialogs.previews.last().report, QString("TQuickReport11"));
            QCOMPARE(pasture.query().valueText(0, 1), QString("SK2")); // unsorted again after the preview
            QVERIFY(!remove->isEnabled());
            pasture.findChild<QAction *>("MenuNeradit")->trigger();
            QVERIFY(remove->isEnabled());

            farm.dialogs.answers = {false, true};
            remove->trigger();
            QCOMPARE(farm.stored("pastva").size(), 3);
            remove->trigger();
            QCOMPARE(column(farm, "pastva", 1), (QStringList{"CZ1", ""}));
            QCOMPARE(farm.dialogs.texts("confirm").first(),
                     QString("Chcete odstranit dané zvíře ze seznamu zvířat na pastvě?"));
            pasture.findChild<QAction *>("MenuPocet")->trigger();
            QCOMPARE(farm.dialogs.texts("information"), QStringList{"Počet zvířat v databázi pastvy je: 1"});
            pasture.findChild<QAction *>("MenuZpet")->trigger();
            QVERIFY(!pasture.isVisible());
        });
    }

    // The removed animals: read-only until "Upravit záznam"; sorting disables it; "Ulož změny" stores only
    // with a number and then browsing resumes.
    void removedAnimalsStates()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "odsun",
                               {{"SK", "SK2", "R2", "6.9.2004"}, {"CZ", "CZ1", "R1", "5.9.2004"}});
        farm.removed([&](RemovedAnimals &removed) {
            auto *grid = removed.findChild<QTableView *>("DBGrid1");
            QCOMPARE(labelText(removed, "Label2"), QString("2"));
            QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
            QVERIFY(!buttonOf(removed, "Button8")->isEnabled());
            buttonOf(removed, "Button4")->click(); // "Dle čísla"
            QCOMPARE(removed.query().valueText(0, 1), QString("CZ1"));
            QVERIFY(!buttonOf(removed, "Button7")->isEnabled());
            buttonOf(removed, "Button6")->click();
            QVERIFY(buttonOf(removed, "Button7")->isEnabled());

            farm.dialogs.answers = {true};
            buttonOf(removed, "Button7")->click();
            QVERIFY(grid->editTriggers() != QAbstractItemView::NoEditTriggers);
            QVERIFY(buttonOf(removed, "Button8")->isEnabled());
            QVERIFY(!buttonOf(removed, "Button3")->isEnabled());
            QVERIFY(typeCell(removed.query(), "cislo", ""));
            buttonOf(removed, "Button8")->click(); // no number: nothing, no message
            QCOMPARE(removed.query().state(), store::Query::State::Edit);
            QVERIFY(farm.dialogs.texts("default error").isEmpty());
            QVERIFY(typeCell(removed.query(), "cislo", "SK3"));
            buttonOf(removed, "Button8")->click();
            QCOMPARE(column(farm, "odsun", 1), (QStringList{"SK3", "CZ1"}));
            QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
            QVERIFY(!buttonOf(removed, "Button8")->isEnabled());
            QVERIFY(buttonOf(removed, "Button3")->isEnabled());

            buttonOf(removed, "Button9")->click();
            QCOMPARE(farm.dialogs.previews.last().report, QString("TQuickReport12"));
            buttonOf(removed, "Button1")->click();
            QVERIFY(!removed.isVisible());
        });
    }
};

VELMORA_REGISTER_TEST(TransferTest)
#include "tst_transfers.moc"
