#include "livestockfarm.h"
#include "support/testmain.h"
#include "support/typing.h"

#include "books/datagrid.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMessageBox>

#include <sqlite3.h>

using livestock::AnimalList;

namespace {

QStringList numbers(store::Query &q)
{
    QStringList n;
    for (int r = 0; r < q.recordCount(); ++r)
        n << q.valueText(r, q.fieldIndex("cv_cislo"));
    return n;
}

bool enabled(AnimalList &list, const QString &button)
{
    return buttonOf(list, button)->isEnabled();
}

} // namespace

class AnimalListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Sort, search, show all and "Neřadit": the statement pieces and the buttons they enable; the count
    // covers every numbered animal whatever the filter.
    void viewStates()
    {
        Farm farm;
        farm.animals({animal("SK", "SK7"), animal("CZ", "CZ1234"), animal("CZ", "CZ12", "1.1.2001"),
                      animal("CZ", "")});
        farm.list([&](AnimalList &list) {
            QCOMPARE(list.windowTitle(), QString("Seznam zvířat"));
            QVERIFY(!(list.windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(list.query().headerData(0, Qt::Horizontal).toString(), QString("cv_cislo"));
            QCOMPARE(numbers(list.query()), (QStringList{"SK7", "CZ1234", "CZ12", ""}));
            QCOMPARE(labelText(list, "Label2"), QString("3"));

            buttonOf(list, "Button3")->click(); // "Čísla"
            QCOMPARE(list.query().text(),
                     (QStringList{"select cv_cislo, stat, dat_narozeni, vdj, samec from seznam_zvirat",
                                  "order by cv_cislo", ""}));
            QCOMPARE(numbers(list.query()), (QStringList{"", "CZ12", "CZ1234", "SK7"}));
            QVERIFY(!enabled(list, "Button9"));

            list.findChild<QLineEdit *>("Edit1")->setText("CZ12%");
            buttonOf(list, "Button5")->click();
            QCOMPARE(list.query().text().mid(1), (QStringList{"", "where (cv_cislo like \"CZ12%\")"}));
            QCOMPARE(numbers(list.query()), (QStringList{"CZ1234", "CZ12"}));
            QCOMPARE(labelText(list, "Label2"), QString("3"));
            for (const char *b : {"Button2", "Button3", "Button4", "Button7"})
                QVERIFY(!enabled(list, b));
            QVERIFY(!enabled(list, "Button9")); // as before the search

            buttonOf(list, "Button8")->click(); // "Zobraz všechny záznamy"
            QCOMPARE(numbers(list.query()).size(), 4);
            QVERIFY(enabled(list, "Button2") && enabled(list, "Button7"));
            QVERIFY(!enabled(list, "Button9")); // until "Neřadit"
            buttonOf(list, "Button7")->click();
            QVERIFY(enabled(list, "Button9"));

            // No criterion: the error box, and the view stays.
            for (const char *text : {"", " "}) {
                list.findChild<QLineEdit *>("Edit1")->setText(text);
                buttonOf(list, "Button5")->click();
            }
            QCOMPARE(farm.dialogs.texts("error"),
                     (QStringList{"nebylo zadáno žádné kritérium", "nebylo zadáno žádné kritérium"}));
            QVERIFY(enabled(list, "Button2"));
            // A double quote is searched for, not a broken statement.
            list.findChild<QLineEdit *>("Edit1")->setText("CZ\"1");
            buttonOf(list, "Button5")->click();
            QVERIFY(list.query().isEmpty());
            QVERIFY(farm.dialogs.texts("default error").isEmpty());
            buttonOf(list, "Button6")->click();
            QVERIFY(!list.isVisible());
        });
    }

    // A new animal typed while the list is filtered is stored by the mouse over the bare window once it
    // has a number, never over the grid, never without a number or with one blank.
    void insertWhileFilteredAndAutoPost()
    {
        Farm farm;
        farm.animals({animal("CZ", "CZ1")});
        farm.list([&](AnimalList &list) {
            list.findChild<QLineEdit *>("Edit1")->setText("CZ%");
            buttonOf(list, "Button5")->click();
            buttonOf(list, "Button9")->click();
            QCOMPARE(list.query().state(), store::Query::State::Insert);
            QVERIFY(typeCell(list.query(), "stat", "SK"));
            overBareSurface(&list);
            QCOMPARE(farm.stored("seznam_zvirat").size(), 1); // no number yet
            QVERIFY(typeCell(list.query(), "cv_cislo", " "));
            overBareSurface(&list);
            QCOMPARE(list.query().state(), store::Query::State::Insert);
            QVERIFY(typeCell(list.query(), "cv_cislo", "SK9"));
            overWidget(&list, list.findChild<QTableView *>("DBGrid1"));
            QCOMPARE(farm.stored("seznam_zvirat").size(), 1);
            overBareSurface(&list);
            QCOMPARE(farm.stored("seznam_zvirat").size(), 2);
            QVERIFY(farm.stored("seznam_zvirat").last().startsWith("SK|SK9|"));
            QCOMPARE(labelText(list, "Label2"), QString("2"));
        });
    }

    // The printout lists the whole table in stored order; back from the preview the list keeps its filter
    // and stands on its first row. The card button refuses a row without a number.
    void printAndCardButton()
    {
        Farm farm;
        farm.animals({animal("SK", "SK7"), animal("CZ", "CZ2"), animal("CZ", "CZ3")});
        farm.list([&](AnimalList &list) {
            list.findChild<QLineEdit *>("Edit1")->setText("CZ%");
            buttonOf(list, "Button5")->click();
            list.query().moveTo(1);
            buttonOf(list, "Button11")->click();
            QCOMPARE(farm.dialogs.previews.size(), 1);
            const auto &preview = farm.dialogs.previews.first();
            QCOMPARE(preview.report, QString("TQuickReport4"));
            QStringList printed, year;
            for (const reports::PageItem *i : preview.pages[0].texts()) {
                if (i->band == reports::BandKind::Detail && i->text.size() > 2 && i->text[2].isDigit())
                    printed << i->text;
                if (i->element == "QRLabel13")
                    year << i->text;
            }
            QCOMPARE(printed, (QStringList{"SK7", "CZ2", "CZ3"}));
            QCOMPARE(year, QStringList{"2004"});
            QCOMPARE(numbers(list.query()), (QStringList{"CZ2", "CZ3"}));
            QCOMPARE(list.query().currentRow(), 0);

            buttonOf(list, "Button9")->click();
            buttonOf(list, "Button1")->click();
            QCOMPARE(farm.dialogs.texts("error"),
                     QStringList{"Musí být vybrán záznam, který má vyplněn pole cv_cislo"});
            QVERIFY(!farm.dialogs.screens.contains("TForm6"));
        });
    }

    // "Zpět" with a typed animal that cannot be stored says why and stays; the second press leaves.
    void backDoesNotLoseTheTypedAnimalSilently()
    {
        Farm farm;
        farm.db.forget("seznam_zvirat");
        farm.db.setBusyTimeout(20);
        farm.list([&](AnimalList &list) {
            buttonOf(list, "Button9")->click();
            QVERIFY(typeCell(list.query(), "cv_cislo", "CZ5"));
            sqlite3 *other = nullptr;
            sqlite3_open(farm.dir.file("seznam_zvirat.db").toUtf8().constData(), &other);
            sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
            buttonOf(list, "Button6")->click();
            QVERIFY(list.isVisible());
            QCOMPARE(farm.dialogs.texts("default error").size(), 1);
            buttonOf(list, "Button6")->click();
            QVERIFY(!list.isVisible());
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        });
    }

    // A new animal starts in its first column whichever column was used last; a date that is no date keeps
    // its cell open, is told once the click is over, and a button pressed through the accessibility
    // interface while a box of the program stands over the list does nothing (it used to crash).
    void keyboardEntryAndBoxes()
    {
        Farm farm;
        farm.animals({animal("SK", "SK7")});
        farm.list([&](AnimalList &list) {
            QVERIFY(testsupport::activate(list));
            auto *grid = list.findChild<books::DataGrid *>("DBGrid1");
            grid->setCurrentIndex(list.query().index(0, 1)); // "stat"
            buttonOf(list, "Button9")->click();
            QCOMPARE(grid->currentIndex(), list.query().index(1, 0));
            testsupport::typeCells(list, {"CZ9", "CZ", "31.2.2004"});
            grid->setFocus(); // leaves the cell: the date cannot be taken
            QVERIFY(grid->openEditor());
            QTRY_COMPARE(farm.dialogs.texts("default error").size(), 1);
            QCOMPARE(QApplication::focusWidget(), grid->openEditor()); // back to be corrected
            QCOMPARE(farm.stored("seznam_zvirat").size(), 1);

            QMessageBox box(QMessageBox::Critical, "Chyba", "Zkouška", QMessageBox::Ok, &list);
            box.open();
            auto *back = QAccessible::queryAccessibleInterface(buttonOf(list, "Button6"));
            back->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTest::qWait(300); // the press is animated
            QVERIFY(list.isVisible());
            box.close();
            QVERIFY(testsupport::activate(list));
            QVERIFY(grid->openEditor());
            grid->openEditor()->setFocus();
            QTest::keyClick(grid->openEditor(), Qt::Key_A, Qt::ControlModifier);
            testsupport::type(list, "28.2.2004");
            testsupport::press(list, Qt::Key_Return);
            buttonOf(list, "Button6")->click();
            QVERIFY(!list.isVisible());
        });
        QCOMPARE(farm.stored("seznam_zvirat", "cv_cislo, stat, dat_narozeni").last(),
                 QString("CZ9|CZ|28.2.2004"));
    }
};

VELMORA_REGISTER_TEST(AnimalListTest)
#include "tst_animallist.moc"
