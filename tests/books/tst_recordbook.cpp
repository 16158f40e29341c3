#include "app/mainwindow.h"
#include "app/screenregistry.h"
#include "books/machinery.h"
#include "books/recordbook.h"
#include "reports/report.h"
#include "store/database.h"
#include "store/query.h"
#include "support/datadir.h"
#include "support/farm.h"
#include "support/scripteddialogs.h"
#include "support/testmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <sqlite3.h>

using namespace books;

namespace {

using testsupport::buttonOf;
using testsupport::labelText;

struct Farm : testsupport::Farm {
    Farm() : testsupport::Farm(registerBooks) {}
    void open(const QString &button, const QString &screen, const std::function<void(RecordBook &)> &steps)
    {
        testsupport::Farm::open<RecordBook>(button, screen, steps);
    }
};

void moveMouse(QWidget *window, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, window->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
}
void overBareSurface(RecordBook &book)
{
    moveMouse(&book, QPoint(book.width() - 2, book.height() - 2));
}
void overGrid(RecordBook &book)
{
    auto *grid = book.findChild<QTableView *>("DBGrid1");
    moveMouse(&book, grid->geometry().center());
}

// Types a row into the grid as the user does: a new row, then its cells.
void typeRow(RecordBook &book, const QStringList &cells, const QString &insertButton)
{
    buttonOf(book, insertButton)->click();
    store::Query &q = book.query();
    for (int c = 0; c < cells.size(); ++c)
        if (!cells[c].isNull())
            QVERIFY(q.setData(q.index(q.currentRow(), c), cells[c]));
}

QStringList detailTexts(const std::vector<reports::Page> &pages)
{
    QStringList t;
    for (const auto &page : pages)
        for (const reports::PageItem *i : page.texts())
            if (i->band == reports::BandKind::Detail)
                t << i->text;
    return t;
}

} // namespace

class RecordBookTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The fuel purchase book from the main menu: typing, the auto-post rule, statistics, deleting.
    void fuelPurchaseBook()
    {
        Farm farm;
        farm.open("Button7", "TForm22", [&](RecordBook &book) {
            QCOMPARE(book.windowTitle(), QString("PHM - nákup"));
            QCOMPARE(book.query().text(), QStringList{"select * from phm_nakup2004"});
            QCOMPARE(book.query().headerData(2, Qt::Horizontal).toString(), QString("cena"));
            QCOMPARE(labelText(book, "Label8"), QString("0"));
            QCOMPARE(labelText(book, "Label3"), QString());
            QVERIFY(!(book.windowFlags() & Qt::WindowCloseButtonHint));

            typeRow(book, {"5.9.2004", "12,5", "300"}, "Button2");
            QCOMPARE(labelText(book, "Label8"), QString("0")); // not stored yet
            overGrid(book);
            QCOMPARE(book.query().state(), store::Query::State::Insert);
            overBareSurface(book);
            QCOMPARE(farm.stored("phm_nakup2004"), QStringList{"5.9.2004|12,5|300"});
            QCOMPARE(labelText(book, "Label8"), QString("1"));
            QCOMPARE(labelText(book, "Label4"), QString("300"));
            QCOMPARE(labelText(book, "Label3"), QString("12,5"));

            typeRow(book, {QString(), QString(), "5"}, "Button2"); // no date: the rule leaves it pending
            overBareSurface(book);
            QCOMPARE(book.query().state(), store::Query::State::Insert);
            farm.dialogs.answers = {true};
            buttonOf(book, "Button4")->click(); // deleting a pending new row drops it
            QCOMPARE(farm.stored("phm_nakup2004").size(), 1);
            QCOMPARE(book.query().recordCount(), 1);

            farm.dialogs.answers = {false};
            buttonOf(book, "Button4")->click();
            QCOMPARE(farm.stored("phm_nakup2004").size(), 1);
            farm.dialogs.answers = {true, true};
            buttonOf(book, "Button4")->click();
            QVERIFY(farm.stored("phm_nakup2004").isEmpty());
            QCOMPARE(labelText(book, "Label8"), QString("0"));
            buttonOf(book, "Button4")->click(); // on an empty table
            QCOMPARE(farm.dialogs.texts("error"), QStringList{"Nepodařilo se odstranit záznam!"});
            QCOMPARE(farm.dialogs.texts("confirm").first(), QString("Opravdu chcete odstranit daný záznam?"));

            // A row stored by moving away with an empty date is listed but not counted.
            typeRow(book, {QString(), "7", "70"}, "Button2");
            typeRow(book, {"6.9.2004", "1", "10"}, "Button2");
            book.query().moveTo(0);
            QCOMPARE(farm.stored("phm_nakup2004").size(), 2);
            QCOMPARE(labelText(book, "Label8"), QString("1"));
            QCOMPARE(labelText(book, "Label4"), QString("80"));
            buttonOf(book, "Button1")->click();
            QVERIFY(!book.isVisible());
        });
    }

    // Sorting disables inserting and deleting; printing shows the whole table unsorted with the year.
    void sortingAndPrinting()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "phm_nakup2004",
                               {{"9.9.2004", "1", "30"}, {"1.2.2004", "2", "10"}, {"5.5.2004", "3", "20"}});
        farm.open("Button7", "TForm22", [&](RecordBook &book) {
            buttonOf(book, "Button7")->click(); // "Ceny"
            QCOMPARE(book.query().text(), (QStringList{"select * from phm_nakup2004", "order by cena"}));
            QVERIFY(!buttonOf(book, "Button2")->isEnabled());
            QVERIFY(!buttonOf(book, "Button4")->isEnabled());
            QCOMPARE(book.query().valueText(0, 0), QString("1.2.2004"));

            buttonOf(book, "Button3")->click(); // print while sorted
            QCOMPARE(farm.dialogs.previews.size(), 1);
            const auto &preview = farm.dialogs.previews.first();
            QCOMPARE(preview.report, QString("TQuickReport23"));
            QCOMPARE(detailTexts(preview.pages),
                     (QStringList{"9.9.2004", "1", "30", "1.2.2004", "2", "10", "5.5.2004", "3", "20"}));
            bool year = false;
            for (const reports::PageItem *i : preview.pages[0].texts())
                year |= i->element == "QRLabel14" && i->text == "2004";
            QVERIFY(year);
            // Back from the preview the book is unsorted again, the buttons as they were.
            QCOMPARE(book.query().text(), QStringList{"select * from phm_nakup2004"});
            QVERIFY(!buttonOf(book, "Button2")->isEnabled());
            buttonOf(book, "Button8")->click();
            QVERIFY(buttonOf(book, "Button2")->isEnabled());
            QVERIFY(buttonOf(book, "Button4")->isEnabled());
        });
    }

    // Deleting the first row leaves the grid and the book on the row that followed it, not one further.
    void deletingKeepsThePlace()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "phm_nakup2004",
                               {{"1.9.2004", "1", "10"}, {"2.9.2004", "2", "20"}, {"3.9.2004", "3", "30"}});
        farm.open("Button7", "TForm22", [&](RecordBook &book) {
            auto *grid = book.findChild<QTableView *>("DBGrid1");
            farm.dialogs.answers = {true};
            buttonOf(book, "Button4")->click();
            QCOMPARE(book.query().currentRow(), 0);
            QCOMPARE(book.query().fieldText("datum"), QString("2.9.2004"));
            QCOMPARE(grid->currentIndex().row(), 0);
        });
    }

    // Re-querying stores a typed row whose key is filled instead of throwing it away.
    void requeryKeepsTypedRows()
    {
        Farm farm;
        farm.open("Button7", "TForm22", [&](RecordBook &book) {
            typeRow(book, {"5.9.2004", "10", "250"}, "Button2");
            buttonOf(book, "Button5")->click(); // "Data"
            QCOMPARE(farm.stored("phm_nakup2004"), QStringList{"5.9.2004|10|250"});
            buttonOf(book, "Button8")->click();
            typeRow(book, {QString(), "3", "4"}, "Button2"); // no key: dropped, as the help says
            buttonOf(book, "Button8")->click();
            QCOMPARE(farm.stored("phm_nakup2004").size(), 1);
        });
    }

    // Back with a row that cannot be stored says why and stays; the second press leaves.
    void backDoesNotLoseRowsSilently()
    {
        Farm farm;
        farm.db.setBusyTimeout(20);
        sqlite3 *other = nullptr;
        farm.open("Button7", "TForm22", [&](RecordBook &book) {
            typeRow(book, {"5.9.2004", "10", "250"}, "Button2");
            sqlite3_open(farm.dir.file("phm_nakup2004.db").toUtf8().constData(), &other);
            sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
            buttonOf(book, "Button1")->click();
            QVERIFY(book.isVisible());
            QCOMPARE(farm.dialogs.texts("default error").size(), 1);
            QVERIFY(farm.dialogs.texts("default error").first().contains("phm_nakup2004.db"));
            buttonOf(book, "Button1")->click();
            QVERIFY(!book.isVisible());
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        });
    }

    // Every machinery book: its caption, its year table, its sort fields, its statistics and its report.
    void allMachineryBooks()
    {
        Farm farm;
        const QMap<QString, QString> menuButton = {
            {"TForm18", "Button6"}, {"TForm20", "Button10"}, {"TForm22", "Button7"}, {"TForm24", "Button8"},
            {"TForm26", "Button9"}, {"TForm28", "Button11"}, {"TForm30", "Button12"}};
        const std::vector<BookSpec> specs = machineryBooks();
        QCOMPARE(specs.size(), size_t(7));
        for (const BookSpec &spec : specs) {
            farm.dialogs.previews.clear();
            farm.open(menuButton.value(spec.className), spec.className, [&](RecordBook &book) {
                QCOMPARE(book.windowTitle(), spec.caption);
                const QString unsorted = "select * from " + spec.base + "2004";
                QCOMPARE(book.query().text(), QStringList{unsorted});
                for (const StatisticSpec &s : spec.statistics)
                    QVERIFY2(labelText(book, s.valueLabel) != "0000000",
                             qPrintable(spec.className + s.valueLabel));
                for (const SortSpec &s : spec.sorts) {
                    buttonOf(book, s.button.name)->click();
                    QCOMPARE(book.query().text(), (QStringList{unsorted, "order by " + s.field}));
                    QVERIFY(book.query().isOpen());
                }
                buttonOf(book, spec.unsorted.name)->click();
                QCOMPARE(buttonOf(book, spec.insert.name)->text(), spec.insert.caption);
                buttonOf(book, spec.print.name)->click();
                QCOMPARE(farm.dialogs.previews.size(), 1);
                QCOMPARE(farm.dialogs.previews.first().report, spec.report);
                buttonOf(book, spec.back.name)->click();
            });
        }
    }

    // The spare parts book shows whole numbers, halves to even, and takes a lone blank as no key.
    void sparePartsWholeNumbers()
    {
        const QList<std::pair<QString, QString>> cases = {
            {"1250,4", "1250"}, {"0,5", "0"}, {"1,5", "2"}, {"", "0"}};
        for (const auto &[price, shown] : cases) {
            Farm farm;
            if (!price.isEmpty())
                testsupport::fillTable(farm.db, "nahr_dily2004",
                                       {{"5.9.2004", "filtr", "1", "Zetor", "", price}});
            farm.open("Button6", "TForm18", [&](RecordBook &book) {
                QCOMPARE(labelText(book, "Label4"), shown);
                QCOMPARE(labelText(book, "Label3"), price.isEmpty() ? QString("0") : QString("1"));
            });
        }
        Farm farm;
        farm.open("Button6", "TForm18", [&](RecordBook &book) {
            typeRow(book, {" ", "řemen"}, "Button5");
            overBareSurface(book);
            QCOMPARE(book.query().state(), store::Query::State::Insert);
            QVERIFY(farm.stored("nahr_dily2004").isEmpty());
        });
    }

    // The services search: machine or customer, empty and blank show all, quotes are searched for, and the
    // printout holds only the rows found.
    void servicesSearch()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "sluzby2004",
                               {{"Zetor 7211", "1.5.2004", "Obec Lhota", "3", "1500"},
                                {"Sekačka", "2.5.2004", "Dvořák \"U lípy\"", "1", "300"},
                                {"Vlek", "3.5.2004", "Karel  Novák", "2", "200"}});
        farm.open("Button10", "TForm20", [&](RecordBook &book) {
            auto *edit = book.findChild<QLineEdit *>("Edit1");
            auto *show = buttonOf(book, "Button9");
            const QList<std::pair<QString, int>> cases = {
                {"zetor", 1}, {"lhota", 1}, {"\"U lípy\"", 1}, {"  ", 1}, {"%", 3}, {"a", 3}, {"nic", 0}};
            for (const auto &[text, rows] : cases) {
                edit->setText(text);
                show->click();
                QCOMPARE(book.query().recordCount(), rows);
            }
            QCOMPARE(labelText(book, "Label3"), QString("3")); // the statistics count the whole table

            buttonOf(book, "Button3")->click(); // sorted: insert and delete off ...
            edit->setText("Sekačka");
            show->click();
            QVERIFY(!buttonOf(book, "Button4")->isEnabled()); // ... and they stay off during the search
            edit->setText(" ");
            show->click();
            QCOMPARE(book.query().recordCount(), 3);
            QVERIFY(buttonOf(book, "Button4")->isEnabled());

            farm.dialogs.answers = {true};
            edit->setText("zetor");
            show->click();
            QCOMPARE(farm.dialogs.previews.size(), 1);
            QCOMPARE(detailTexts(farm.dialogs.previews.first().pages).first(), QString("Zetor 7211"));
            QCOMPARE(detailTexts(farm.dialogs.previews.first().pages).size(), 5);
            QCOMPARE(book.query().recordCount(), 3); // back from the preview: the whole table
            QVERIFY(farm.dialogs.texts("default error").isEmpty());
        });
    }
};

VELMORA_REGISTER_TEST(RecordBookTest)
#include "tst_recordbook.moc"
