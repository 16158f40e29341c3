// Entering rows as a farmer does: typed into real cell editors with the keyboard, then leaving by a button, a
// key or the mouse; read back from the table files.
#include "app/navigation.h"
#include "books/datagrid.h"
#include "books/machinery.h"
#include "books/recordbook.h"
#include "support/farm.h"
#include "support/testmain.h"
#include "support/typing.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QScrollBar>

using namespace books;
using testsupport::buttonOf;
using testsupport::labelText;
using testsupport::press;
using testsupport::type;
using testsupport::typeCells;

namespace {

struct Farm : testsupport::Farm {
    Farm() : testsupport::Farm(registerBooks) {}
    void open(const QString &button, const QString &screen, const std::function<void(RecordBook &)> &steps)
    {
        testsupport::Farm::open<RecordBook>(button, screen, [&](RecordBook &book) {
            QVERIFY(testsupport::activate(book));
            steps(book);
        });
    }
};

DataGrid *gridOf(QWidget &screen, const char *name = "DBGrid1")
{
    return screen.findChild<DataGrid *>(name);
}

void overBareSurface(QWidget &book)
{
    testsupport::moveMouse(&book, QPoint(book.width() - 2, book.height() - 2));
}

} // namespace

class DataEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The value still in the open cell is part of the row, whatever ends the typing.
    void openCellBelongsToTheRow_data()
    {
        QTest::addColumn<QString>("finish");
        QTest::newRow("back button") << "back";
        QTest::newRow("back key") << "backKey";
        QTest::newRow("bare surface") << "bare";
        QTest::newRow("print") << "print";
        QTest::newRow("insert button") << "insert";
        QTest::newRow("insert key") << "insertKey";
    }
    void openCellBelongsToTheRow()
    {
        QFETCH(QString, finish);
        Farm farm;
        farm.open("Button7", "TForm22", [&](RecordBook &book) {
            DataGrid *grid = gridOf(book);
            buttonOf(book, "Button2")->click();
            QCOMPARE(QApplication::focusWidget(), grid); // ready to type
            typeCells(book, {"6.9.2026", "4", "40"});
            QVERIFY(grid->openEditor());

            if (finish == "back")
                buttonOf(book, "Button1")->click();
            else if (finish == "backKey")
                press(book, Qt::Key_Left, Qt::AltModifier);
            else if (finish == "bare")
                overBareSurface(book);
            else if (finish == "print")
                buttonOf(book, "Button3")->click();
            else if (finish == "insert")
                buttonOf(book, "Button2")->click();
            else
                press(book, Qt::Key_Insert);

            QCOMPARE(farm.stored("phm_nakup2004"), QStringList{"6.9.2026|4|40"});
            QCOMPARE(book.isVisible(), !finish.startsWith("back"));
            if (finish == "bare" || finish == "print")
                QCOMPARE(labelText(book, "Label4"), QString("40"));
            if (finish == "print")
                QCOMPARE(farm.dialogs.previews.size(), 1);
            if (finish.startsWith("insert")) {
                // A new row, and what is typed next goes into it, not over the stored one.
                QCOMPARE(book.query().state(), store::Query::State::Insert);
                QCOMPARE(grid->currentIndex(), book.query().index(1, 0));
                typeCells(book, {"7.9.2026", "2"});
                press(book, Qt::Key_Return);
                buttonOf(book, "Button1")->click();
                QCOMPARE(farm.stored("phm_nakup2004"), (QStringList{"6.9.2026|4|40", "7.9.2026|2|"}));
            }
        });
        QVERIFY(farm.dialogs.messages.isEmpty());
    }

    // Opening and leaving a cell without typing is no change: no empty row, no rewritten value.
    void untouchedCellsChangeNothing()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "phm_nakup2004", {{"5.9.2004", "12345678901234567", "300"}});
        const QByteArray before = testsupport::fileBytes(farm.dir.file("phm_nakup2004.db"));
        farm.open("Button7", "TForm22", [&](RecordBook &book) {
            DataGrid *grid = gridOf(book);
            buttonOf(book, "Button2")->click();
            press(book, Qt::Key_F2); // the new row's empty date cell, opened and left
            QVERIFY(grid->openEditor());
            press(book, Qt::Key_Up);
            QCOMPARE(book.query().recordCount(), 1); // the untouched new row is dropped

            grid->setCurrentIndex(book.query().index(0, 1)); // the long number, opened and left
            press(book, Qt::Key_F2);
            QVERIFY(grid->openEditor());
            press(book, Qt::Key_Return);
            QCOMPARE(book.query().state(), store::Query::State::Browse);
            buttonOf(book, "Button2")->click();
            press(book, Qt::Key_F2);
            buttonOf(book, "Button1")->click();
        });
        QCOMPARE(testsupport::fileBytes(farm.dir.file("phm_nakup2004.db")), before);
    }

    // A month of receipts from the keyboard alone: Tab within the row, Enter, Insert for the next row, the
    // arrows to leave a row, Alt+Left back.
    void keyboardOnly()
    {
        Farm farm;
        farm.open("Button7", "TForm22", [&](RecordBook &book) {
            DataGrid *grid = gridOf(book);
            QVERIFY(buttonOf(book, "Button2")->toolTip().contains("Insert"));
            QVERIFY(buttonOf(book, "Button1")->toolTip().contains("Alt+šipka vlevo"));
            grid->setFocus();
            press(book, Qt::Key_Insert);
            typeCells(book, {"1.9.2026", "10", "250"});
            press(book, Qt::Key_Tab); // past the last cell: out of the grid, the row still pending
            QVERIFY(QApplication::focusWidget() != grid && !grid->isAncestorOf(QApplication::focusWidget()));
            QCOMPARE(book.query().state(), store::Query::State::Insert);
            grid->setFocus();
            press(book, Qt::Key_Insert); // stores it
            type(book, "2.9.2026");
            press(book, Qt::Key_Tab);
            press(book, Qt::Key_Backtab); // back to the date, within the row
            QCOMPARE(grid->currentIndex().column(), 0);
            press(book, Qt::Key_Tab);
            type(book, "5");
            press(book, Qt::Key_Up); // leaving the row by the arrow stores it
            QCOMPARE(farm.stored("phm_nakup2004"), (QStringList{"1.9.2026|10|250", "2.9.2026|5|"}));
            QCOMPARE(grid->currentIndex().row(), 0);
            press(book, Qt::Key_Insert);
            press(book, Qt::Key_Left, Qt::AltModifier); // nothing typed: dropped, and the book closes
            QVERIFY(!book.isVisible());
        });
        QCOMPARE(farm.stored("phm_nakup2004").size(), 2);
    }

    // A text that is no date stays in its cell with the reason; the action waits; Esc drops it.
    void invalidTextStaysToBeCorrected()
    {
        Farm farm;
        farm.open("Button7", "TForm22", [&](RecordBook &book) {
            DataGrid *grid = gridOf(book);
            buttonOf(book, "Button2")->click();
            typeCells(book, {"6.9.2026", "4"});
            press(book, Qt::Key_Backtab);
            QTest::keyClick(grid->openEditor(), Qt::Key_A, Qt::ControlModifier);
            type(book, "31.2.2026");
            buttonOf(book, "Button1")->click();
            QVERIFY(book.isVisible());
            QCOMPARE(farm.dialogs.messages.size(), 1);
            QVERIFY(grid->openEditor());
            QCOMPARE(qobject_cast<QLineEdit *>(grid->openEditor())->text(), QString("31.2.2026"));
            overBareSurface(book); // silently waits too
            QCOMPARE(farm.dialogs.messages.size(), 1);
            QVERIFY(farm.stored("phm_nakup2004").isEmpty());

            // Leaving the cell by a click elsewhere keeps it too, and says why once the click is over.
            grid->setFocus();
            QTRY_COMPARE(farm.dialogs.messages.size(), 2);
            QVERIFY(grid->openEditor());

            press(book, Qt::Key_Escape);
            QVERIFY(!grid->openEditor());
            buttonOf(book, "Button1")->click();
        });
        QCOMPARE(farm.stored("phm_nakup2004"), QStringList{"6.9.2026|4|"}); // as it was before the typo
    }

    // What a screen reader meets: the grid named after its book, the editor after its column; a button
    // pressed through its accessibility action while a box of the program is open does nothing.
    void screenReaders()
    {
        Farm farm;
        farm.open("Button7", "TForm22", [&](RecordBook &book) {
            DataGrid *grid = gridOf(book);
            QCOMPARE(QAccessible::queryAccessibleInterface(grid)->text(QAccessible::Name),
                     QString("PHM - nákup"));
            buttonOf(book, "Button2")->click();
            typeCells(book, {"6.9.2026", "4"});
            QCOMPARE(QAccessible::queryAccessibleInterface(grid->openEditor())->text(QAccessible::Name),
                     QString("mnozstvi"));

            QMessageBox box(QMessageBox::Critical, "Chyba", "Zkouška", QMessageBox::Ok, &book);
            box.open();
            QCOMPARE(QApplication::activeModalWidget(), &box);
            QAccessibleInterface *back = QAccessible::queryAccessibleInterface(buttonOf(book, "Button1"));
            back->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTest::qWait(300); // the press is animated
            QVERIFY(book.isVisible());
            QCOMPARE(book.query().fieldText("mnozstvi"), QString("4")); // the box took the focus: committed
            QVERIFY(farm.stored("phm_nakup2004").isEmpty());
            box.close();
            buttonOf(book, "Button1")->click();
        });
        QCOMPARE(farm.stored("phm_nakup2004"), QStringList{"6.9.2026|4|"});
    }

    // No figure is cut: at every machinery book's size its columns fit the grid (text columns give way).
    void columnsFitTheirGrid()
    {
        Farm farm;
        for (const BookSpec &spec : machineryBooks()) {
            QString button;
            for (const app::Destination &d : app::navigation())
                if (d.screen == spec.className)
                    button = d.control;
            farm.open(button, spec.className, [&](RecordBook &book) {
                DataGrid *grid = gridOf(book);
                int total = 0;
                for (int c = 0; c < book.query().columnCount(); ++c)
                    total += grid->columnWidth(c);
                QVERIFY2(total <= grid->viewport()->width(), qPrintable(QString("%1: %2 > %3")
                                                                            .arg(spec.className)
                                                                            .arg(total)
                                                                            .arg(grid->viewport()->width())));
            });
        }
    }
};

VELMORA_REGISTER_TEST(DataEntryTest)

#include "tst_entry.moc"
