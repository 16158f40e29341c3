#include "books/recordbook.h"
#include "plant/cropform.h"
#include "plant/plantbooks.h"
#include "support/farm.h"
#include "support/testmain.h"

#include <sqlite3.h>

#include <QLabel>

using namespace books;

namespace {

using testsupport::buttonOf;
using testsupport::labelText;

struct Farm : testsupport::Farm {
    Farm() : testsupport::Farm(plant::registerBooks) {}
    using testsupport::Farm::open;
    void open(const QString &button, const QString &screen, const std::function<void(RecordBook &)> &steps)
    {
        testsupport::Farm::open<RecordBook>(button, screen, steps);
    }
};

QStringList pageTexts(const reports::Page &page)
{
    QStringList t;
    for (const reports::PageItem *i : page.texts())
        t << i->text;
    return t;
}

} // namespace

class PlantBooksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Each book from its main-menu button: caption, the table it names (a year only where it is year-scoped),
    // its sorts and its report.
    void everyBook_data()
    {
        QTest::addColumn<QString>("menuButton");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("table");
        QTest::newRow("chemistry") << "Button14"
                                   << "TForm37"
                                   << "Chemická ochrana"
                                   << "chemicka_ochrana";
        QTest::newRow("liquid manure") << "Button15"
                                       << "TForm43"
                                       << "Močka"
                                       << "mocka2004";
        QTest::newRow("manure store") << "Button16"
                                      << "TForm39"
                                      << "Organický hnůj - sklad"
                                      << "org_hnuj_sklad";
        QTest::newRow("manure applied") << "Button17"
                                        << "TForm40"
                                        << "Organický hnůj - aplikace"
                                        << "org_hnuj_aplikace";
        QTest::newRow("wheat store") << "Button18"
                                     << "TForm45"
                                     << "Pšenice - sklad"
                                     << "psenice_sklad";
        QTest::newRow("barley store") << "Button19"
                                      << "TForm45"
                                      << "Ječmen - sklad"
                                      << "jecmen_sklad";
        QTest::newRow("oats store") << "Button20"
                                    << "TForm45"
                                    << "Oves - sklad"
                                    << "oves_sklad";
        QTest::newRow("rye store") << "Button21"
                                   << "TForm45"
                                   << "Žito - sklad"
                                   << "zito_sklad";
        QTest::newRow("potato store") << "Button22"
                                      << "TForm45"
                                      << "Brambory - sklad"
                                      << "brambory_sklad";
        QTest::newRow("income") << "Button37"
                                << "TForm56"
                                << "Ostatní příjmy"
                                << "prijem2004";
        QTest::newRow("expenses") << "Button38"
                                  << "TForm58"
                                  << "Ostatní výdaje"
                                  << "vydej2004";
    }
    void everyBook()
    {
        QFETCH(QString, menuButton);
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QFETCH(QString, table);
        Farm farm;
        farm.open(menuButton, screen, [&](RecordBook &book) {
            QCOMPARE(book.windowTitle(), caption);
            QCOMPARE(book.query().text(), QStringList{"select * from " + table});
            for (const SortSpec &s : book.spec().sorts) {
                buttonOf(book, s.button.name)->click();
                QCOMPARE(book.query().text().last(), "order by " + s.field);
                QVERIFY(!buttonOf(book, book.spec().insert.name)->isEnabled());
            }
            buttonOf(book, book.spec().unsorted.name)->click();
            QVERIFY(buttonOf(book, book.spec().insert.name)->isEnabled());
            for (const StatisticSpec &s : book.spec().statistics)
                QVERIFY(labelText(book, s.valueLabel) != book.spec().designValue);
            buttonOf(book, book.spec().print.name)->click();
            QCOMPARE(farm.dialogs.previews.size(), 1);
            QCOMPARE(farm.dialogs.previews.first().report, book.spec().report);
            QCOMPARE(farm.reports->get(book.spec().report).query()->text(),
                     QStringList{"select * from " + table});
        });
    }

    // The chemistry book asks in an information box; an engine refusal goes to the default error display.
    void chemistryDelete()
    {
        Farm farm;
        farm.open("Button14", "TForm37", [&](RecordBook &book) {
            farm.dialogs.answers = {true};
            buttonOf(book, "Button7")->click();
            QCOMPARE(farm.dialogs.texts("confirm (information)"),
                     QStringList{"Opravdu chcete odstranit daný záznam?"});
            QVERIFY(farm.dialogs.texts("error").isEmpty());
            QCOMPARE(farm.dialogs.texts("default error").size(), 1);
        });
    }

    // The shared books print their report's own query again, so a row just stored is on the page.
    void sharedBookPrintsWhatWasJustStored()
    {
        Farm farm;
        farm.open("Button16", "TForm39", [&](RecordBook &book) {
            buttonOf(book, "Button3")->click(); // sorted, then unsorted again to insert
            buttonOf(book, "Button5")->click();
            buttonOf(book, "Button6")->click();
            store::Query &q = book.query();
            q.setData(q.index(q.currentRow(), 0), "10.3.2004");
            q.setData(q.index(q.currentRow(), 1), "kravín");
            buttonOf(book, "Button1")->click();
            QVERIFY(pageTexts(farm.dialogs.previews.first().pages[0]).contains("kravín"));
            QCOMPARE(farm.stored("org_hnuj_sklad").size(), 1);
        });
    }

    // The crop store's current stock: stored less issued, exact like the totals above it and the same figure
    // as the printout's; negative with a minus sign, 0 when empty.
    void cropStoreStock()
    {
        const QList<std::pair<QList<QStringList>, QStringList>> cases = {
            {{}, {"0", "", "", "", "0"}},
            {{{"1.8.2004", "100", "", "", "pole"},
              {"2.8.2004", "30", "", "", ""},
              {"3.9.2004", "", "50", "4500", "Mlýn"}},
             {"3", "4500", "130", "50", "80"}},
            {{{"1.8.2004", "30", "", "", ""}}, {"1", "", "30", "", "30"}},
            {{{"1.8.2004", "30", "", "", ""}, {"3.9.2004", "", "50", "", ""}}, {"2", "", "30", "50", "-20"}},
            {{{"1.8.2004", "12,5", "", "", ""}, {"3.9.2004", "", "3,5", "", ""}},
             {"2", "", "12,5", "3,5", "9"}},
            {{{"1.8.2004", "5", "", "", ""}, {"3.9.2004", "", "7,5", "", ""}}, {"2", "", "5", "7,5", "-2,5"}},
            // 10.1 - 7.6 is 2.4999999999999996 in binary floating point
            {{{"1.8.2004", "10,1", "", "", ""}, {"3.9.2004", "", "7,6", "", ""}},
             {"2", "", "10,1", "7,6", "2,5"}},
            {{{"3.9.2004", "", "0,75", "", ""}}, {"1", "", "", "0,75", "-0,75"}},
        };
        for (const auto &[rows, shown] : cases) {
            Farm farm;
            testsupport::fillTable(farm.db, "oves_sklad", rows);
            farm.open("Button20", "TForm45", [&](RecordBook &book) {
                QStringList values;
                for (const char *l : {"Label5", "Label10", "Label6", "Label7", "Label8"})
                    values << labelText(book, l);
                QCOMPARE(values, shown);
                buttonOf(book, "Button2")->click();
                const reports::Report &r = farm.reports->get("TQuickReport46");
                QCOMPARE(r.title(), QString("Oves - sklad"));
                QCOMPARE(r.caption("QRLabel2"), QString("Oves - sklad"));
                const QStringList printed = pageTexts(farm.dialogs.previews.last().pages.back());
                const qsizetype stock = printed.indexOf("Aktuální zásoba:");
                QVERIFY(stock >= 0 && stock + 1 < printed.size());
                QCOMPARE(printed[stock + 1], shown.last());
            });
        }
    }

    // The crop form: two books in one window over the year's sowing and treatment tables.
    void cropForm()
    {
        QCOMPARE(plant::CropForm::formTitle("form1_zito2004", "2004"), QString("Formulář - žito2004"));
        QCOMPARE(plant::CropForm::formTitle("form1_jecmen+200", "+200"), QString("Formulář - ječmen+200"));
        Farm farm;
        testsupport::fillTable(farm.db, "form1_psenice2004",
                               {{"3.10.2004", "1234/5", "2,35", "Sulamit", "220 kg", ""}});
        farm.open<plant::CropForm>("Button23", "TForm47", [&](plant::CropForm &form) {
            QCOMPARE(form.windowTitle(), QString("Formulář - pšenice2004"));
            QCOMPARE(form.sowing().query().text(), QStringList{"select * from form1_psenice2004"});
            QCOMPARE(form.treatment().query().text(), QStringList{"select * from form2_psenice2004"});
            QCOMPARE(form.findChild<QLabel *>("Label9")->text(), QString("2,35"));
            QCOMPARE(form.findChild<QLabel *>("Label12")->text(), QString("0"));

            form.findChild<QPushButton *>("Button11")->click(); // sorting the lower half only
            QVERIFY(!form.findChild<QPushButton *>("Button9")->isEnabled());
            QVERIFY(form.findChild<QPushButton *>("Button7")->isEnabled());
            form.findChild<QPushButton *>("Button13")->click();

            form.findChild<QPushButton *>("Button9")->click();
            store::Query &q = form.treatment().query();
            q.setData(q.index(q.currentRow(), 0), "20.4.2004");
            q.setData(q.index(q.currentRow(), 1), "Roundup");
            testsupport::moveMouse(&form, QPoint(form.width() - 2, form.height() - 2));
            QCOMPARE(farm.stored("form2_psenice2004").size(), 1);
            QCOMPARE(form.findChild<QLabel *>("Label12")->text(), QString("1"));

            // A pending row of the lower half is stored by the upper half's print.
            form.findChild<QPushButton *>("Button9")->click();
            q.setData(q.index(q.currentRow(), 0), "21.4.2004");
            q.setData(q.index(q.currentRow(), 2), "10 l");
            form.findChild<QPushButton *>("Button2")->click();
            QCOMPARE(farm.stored("form2_psenice2004").size(), 2);
            testsupport::fillTable(farm.db, "form2_psenice2004", {{"22.4.2004", "", "9 l", ""}});
            form.findChild<QPushButton *>("Button12")->click(); // quantities are text: "10 l" before "9 l"
            QCOMPARE(q.valueText(1, 2), QString("10 l"));
            QCOMPARE(q.valueText(2, 2), QString("9 l"));
            form.findChild<QPushButton *>("Button13")->click();
            const reports::Report &r = farm.reports->get("TQuickReport48");
            QCOMPARE(r.title(), QString("Formulář - pšenice2004"));
            QCOMPARE(r.caption("QRLabel1"), QString("Formulář - pšenice2004"));
            QCOMPARE(farm.dialogs.previews.last().report, QString("TQuickReport48"));
            form.findChild<QPushButton *>("Button14")->click();
            QCOMPARE(farm.reports->get("TQuickReport49").caption("QRLabel2"),
                     QString("Formulář - pšenice2004"));
            form.findChild<QPushButton *>("Button1")->click();
            QVERIFY(!form.isVisible());
        });
    }

    // Back with a sowing row that cannot be stored says why and stays; the treatment half is stored all the
    // same; the second press leaves.
    void cropFormBackDoesNotLoseRowsSilently()
    {
        Farm farm;
        farm.db.forget("form1_psenice2004");
        farm.db.setBusyTimeout(20);
        farm.open<plant::CropForm>("Button23", "TForm47", [&](plant::CropForm &form) {
            store::Query &sowing = form.sowing().query(), &treatment = form.treatment().query();
            form.findChild<QPushButton *>("Button7")->click();
            sowing.setData(sowing.index(sowing.currentRow(), 0), "3.10.2004");
            form.findChild<QPushButton *>("Button9")->click();
            treatment.setData(treatment.index(treatment.currentRow(), 0), "20.4.2004");
            sqlite3 *other = nullptr;
            sqlite3_open(farm.dir.file("form1_psenice2004.db").toUtf8().constData(), &other);
            sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
            form.findChild<QPushButton *>("Button1")->click();
            QVERIFY(form.isVisible());
            QCOMPARE(farm.dialogs.texts("default error").size(), 1);
            QCOMPARE(farm.stored("form2_psenice2004").size(), 1);
            form.findChild<QPushButton *>("Button1")->click();
            QVERIFY(!form.isVisible());
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        });
    }

    // The bale store tells what was issued and counts its stock against it, exactly, as its printout and
    // the haylage book do; the issue book.
    void hayAndStraw()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "seno_vydej_male",
                               {{"2.12.2004", "10", "Novák", "300"}, {"3.12.2004", "25", "", ""}});
        testsupport::fillTable(farm.db, "seno_sklad_male",
                               {{"20.6.2004", "100", ""}, {"21.6.2004", "20", ""}});
        testsupport::fillTable(farm.db, "seno_vydej_velke", {{"2.12.2004", "2,5", "", ""}});
        testsupport::fillTable(farm.db, "seno_sklad_velke", {{"20.6.2004", "10,1", ""}});
        farm.open("Button29", "TForm50", [&](RecordBook &book) {
            QCOMPARE(book.windowTitle(), QString("Seno - sklad - malé"));
            QCOMPARE(farm.dialogs.texts("information"), QStringList{"Celkem se vydalo: 35"});
            QCOMPARE(labelText(book, "Label5"), QString("120"));
            QCOMPARE(labelText(book, "Label6"), QString("85"));
            buttonOf(book, "Button7")->click();
            QCOMPARE(farm.reports->get("TQuickReport51").caption("QRLabel4"), QString("85"));
            QCOMPARE(farm.reports->get("TQuickReport51").caption("QRLabel3"), QString("Seno - sklad - malé"));
            QCOMPARE(farm.dialogs.texts("information").size(), 2); // again after the preview
        });
        farm.open("Button30", "TForm50", [&](RecordBook &book) {
            QCOMPARE(farm.dialogs.texts("information").last(), QString("Celkem se vydalo: 2,5"));
            QCOMPARE(labelText(book, "Label5"), QString("10,1"));
            QCOMPARE(labelText(book, "Label6"), QString("7,6"));
            buttonOf(book, "Button7")->click();
            QCOMPARE(farm.reports->get("TQuickReport51").caption("QRLabel4"), QString("7,6"));
        });
        farm.open("Button34", "TForm50", [&](RecordBook &book) {
            QCOMPARE(book.windowTitle(), QString("Sláma - sklad - velké"));
            QCOMPARE(farm.dialogs.texts("information").last(), QString("Celkem se vydalo: 0"));
            QCOMPARE(labelText(book, "Label6"), QString("0"));
        });
        farm.open("Button31", "TForm52", [&](RecordBook &book) {
            QCOMPARE(book.windowTitle(), QString("Seno - výdej - malé"));
            QCOMPARE(labelText(book, "Label6"), QString("300"));
            QCOMPARE(buttonOf(book, "Button1")->text(), QString("Zpět do hlavního menu"));
        });
        testsupport::fillTable(farm.db, "senaz",
                               {{"1.7.2004", "50", "", "", ""},
                                {"2.7.2004", "30,5", "", "", ""},
                                {"3.11.2004", "", "20", "Novák", "1500"}});
        farm.open("Button28", "TForm54", [&](RecordBook &book) {
            QCOMPARE(labelText(book, "Label5"), QString("80,5"));
            QCOMPARE(labelText(book, "Label8"), QString("60,5"));
            buttonOf(book, "Button2")->click();
            QCOMPARE(farm.reports->get("TQuickReport55").caption("QRLabel14"), QString("60,5"));
        });
    }

    // Other income under one year, and the next year starting empty.
    void incomeByYear()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "prijem2004", {{"1.6.2004", "15000", "Fond", "dotace"}});
        farm.open("Button37", "TForm56", [&](RecordBook &book) {
            QCOMPARE(labelText(book, "Label2"), QString("15000"));
            QCOMPARE(labelText(book, "Label5"), QString("1"));
            buttonOf(book, "Button6")->click();
            QCOMPARE(farm.reports->get("TQuickReport57").caption("QRLabel2"), QString("2004"));
        });
        farm.window->findChild<QLineEdit *>("Edit1")->setText("2005");
        farm.window->findChild<QPushButton *>("Button13")->click();
        farm.open("Button37", "TForm56", [&](RecordBook &book) {
            QCOMPARE(book.query().text(), QStringList{"select * from prijem2005"});
            QCOMPARE(labelText(book, "Label5"), QString("0"));
            QCOMPARE(labelText(book, "Label2"), QString());
        });
    }
};

VELMORA_REGISTER_TEST(PlantBooksTest)
#include "tst_plantbooks.moc"
