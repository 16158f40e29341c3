#include "app/action.h"
#include "app/baresurface.h"
#include "app/placement.h"
#include "app/screen.h"
#include "app/screenregistry.h"
#include "app/startup.h"
#include "app/ui.h"
#include "app/workspace.h"
#include "store/database.h"
#include "store/error.h"
#include "support/datadir.h"
#include "support/scripteddialogs.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

using namespace app;

namespace {

struct Context {
    testsupport::DataDir dir;
    store::Database db{dir.path()};
    Workspace ws;
    testsupport::ScriptedDialogs dialogs;
    ScreenRegistry screens;
    AppContext ctx{db, ws, dialogs, screens};
};

class CountingScreen : public Screen {
public:
    CountingScreen(AppContext &ctx, bool closeBox) : Screen(ctx, "TForm99", "Zkouška", closeBox, nullptr) {}
    int activations = 0;
    bool fail = false;

protected:
    void activate() override
    {
        ++activations;
        if (fail)
            throw store::Error(store::Error::Kind::MissingFile, "Tabulka x.db v adresáři dat neexistuje.",
                               "x.db");
    }
};

void moveMouse(QWidget *window, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, window->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A failure no screen catches is shown with the engine's message; the action ends, nothing escapes.
    void defaultErrorDisplay()
    {
        Context c;
        bool after = false;
        QVERIFY(!runAction(c.dialogs, nullptr, [&] {
            throw store::Error(store::Error::Kind::LockedFile,
                               "Tabulku prijem.db právě používá jiný program.");
            after = true;
        }));
        QVERIFY(!after);
        QCOMPARE(c.dialogs.texts("default error"),
                 QStringList{"Tabulku prijem.db právě používá jiný program."});
        QVERIFY(runAction(c.dialogs, nullptr, [] {}));
    }

    // Becoming active runs when the screen is first shown and when asked, never on window activation.
    void becomingActive()
    {
        Context c;
        CountingScreen screen(c.ctx, false);
        screen.show();
        QCOMPARE(screen.activations, 1);
        screen.activateWindow();
        screen.hide();
        screen.show();
        QCOMPARE(screen.activations, 1);
        screen.fail = true;
        screen.becomeActive();
        QCOMPARE(screen.activations, 2);
        QCOMPARE(c.dialogs.texts("default error").size(), 1);
        QVERIFY(screen.isVisible()); // the window stays as it was
    }

    // Without a close box, Esc does not close a screen; with one it does.
    void escapeKey()
    {
        Context c;
        for (bool closeBox : {false, true}) {
            CountingScreen screen(c.ctx, closeBox);
            screen.show();
            QTest::keyClick(&screen, Qt::Key_Escape);
            QCOMPARE(screen.isVisible(), !closeBox);
            QCOMPARE(bool(screen.windowFlags() & Qt::WindowCloseButtonHint), closeBox);
            screen.closeScreen();
            QVERIFY(!screen.isVisible());
        }
    }

    // A window gets its laid-out size (as its only size when fixed) and its frame is centred in the screen's
    // available area, also when the frame becomes known only once the window is shown (as with a window
    // manager; offscreen adds its frame then too). On an axis where it is larger than that area it starts at
    // the area's start, so its title bar stays reachable.
    void fitAndCentre_data()
    {
        QTest::addColumn<QSize>("content");
        QTest::addColumn<bool>("fixed");
        QTest::newRow("fixed") << QSize(300, 200) << true;
        QTest::newRow("resizable") << QSize(300, 200) << false;
        QTest::newRow("wider than the screen") << QSize(4000, 200) << true;
        QTest::newRow("taller than the screen") << QSize(300, 3000) << true;
    }
    void fitAndCentre()
    {
        QFETCH(QSize, content);
        QFETCH(bool, fixed);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *inside = new QWidget(&window);
        inside->setMinimumSize(content);
        layout->addWidget(inside);
        app::fitAndCentre(&window, fixed ? Sizing::Fixed : Sizing::Resizable);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.size(), layout->sizeHint());
        QCOMPARE(window.minimumSize() == window.maximumSize(), fixed);
        const QRect area = window.screen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        const auto placed = [](int start, int length, int areaStart, int areaLength) {
            return length > areaLength ? start == areaStart
                                       : qAbs(2 * start + length - (2 * areaStart + areaLength)) <= 1;
        };
        QVERIFY2(placed(frame.x(), frame.width(), area.x(), area.width()),
                 qPrintable(QDebug::toString(frame)));
        QVERIFY2(placed(frame.y(), frame.height(), area.y(), area.height()),
                 qPrintable(QDebug::toString(frame)));

        // Where the user puts it, it stays.
        const QPoint moved = frame.topLeft() + QPoint(7, 5);
        window.move(moved);
        QCoreApplication::processEvents();
        QCOMPARE(window.frameGeometry().topLeft(), moved);
    }

    // The bare surface is the window itself and its layout containers, never a control.
    void bareSurface()
    {
        QWidget window;
        window.resize(400, 300);
        auto *layout = new QVBoxLayout(&window);
        auto *button = ui::button(&window, "Button1", "Zpět");
        auto *label = ui::label(&window, "Label1", "Počet záznamů:");
        auto *grid = new QTableView(&window);
        auto *group = new QGroupBox("Editace:", &window);
        group->setMinimumHeight(60);
        layout->addWidget(button);
        layout->addWidget(label);
        layout->addWidget(grid);
        layout->addWidget(group);
        layout->addStretch();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        int moves = 0;
        new BareSurface(&window, [&] { ++moves; });
        const auto centre = [&](QWidget *w) { return w->geometry().center(); };
        moveMouse(&window, QPoint(window.width() - 2, window.height() - 2));
        QCOMPARE(moves, 1);
        for (QWidget *w : {static_cast<QWidget *>(button), static_cast<QWidget *>(label),
                           static_cast<QWidget *>(grid), static_cast<QWidget *>(group)})
            moveMouse(&window, centre(w));
        QCOMPARE(moves, 1);
        QVERIFY(BareSurface::isBare(&window, centre(group), true));
        QVERIFY(!BareSurface::isBare(&window, centre(grid) + QPoint(1, 1), true));
    }

    // A value label is read as its value with the caption beside it, an empty one as empty (not as the title
    // of the group it stands in); an edit field is its label's buddy.
    void accessibleTexts()
    {
        QWidget window;
        QLabel *value = ui::valueLabel(&window, "Label8", "12", "Počet záznamů:");
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(value);
        QCOMPARE(a->text(QAccessible::Name), QString("12"));
        QCOMPARE(a->text(QAccessible::Description), QString("Počet záznamů:"));
        QGroupBox *income = ui::group(&window, "Příjmy:");
        QLabel *sum = ui::valueLabel(income, "Label12", QString(), "Služby:");
        a = QAccessible::queryAccessibleInterface(sum);
        QCOMPARE(a->text(QAccessible::Name), QString());
        QCOMPARE(a->text(QAccessible::Description), QString("Služby:"));
        sum->setText("4500");
        QCOMPARE(a->text(QAccessible::Name), QString("4500"));
        sum->clear();
        QCOMPARE(a->text(QAccessible::Name), QString());
        QPushButton *b = ui::button(&window, "Button2", "Vložit záznam");
        QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name), QString("Vložit záznam"));
    }

    // Missing installation tables: one message naming each missing file, the data directory and the remedy.
    void missingInstallationTables()
    {
        testsupport::DataDir dir;
        QVERIFY(missingTablesMessage(dir.path()).isEmpty());
        QFile::remove(dir.file("pastva.db"));
        QFile::remove(dir.file("vydej.db"));
        const QString text = missingTablesMessage(dir.path());
        for (const QString part : {"pastva.db", "vydej.db", "velmora-tables", "chybí 2 z 41"})
            QVERIFY2(text.contains(part), qPrintable(text));
        QVERIFY(text.contains(dir.path()));
    }
};

VELMORA_REGISTER_TEST(ShellTest)
#include "tst_shell.moc"
