#include "app/mainwindow.h"
#include "app/screen.h"
#include "app/screenregistry.h"
#include "store/database.h"
#include "support/datadir.h"
#include "support/scripteddialogs.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <sqlite3.h>

using namespace app;

namespace {

// A stand-in for a section screen: records the hand-over values it finds when it is created.
class ProbeScreen : public Screen {
public:
    ProbeScreen(AppContext &ctx, const QString &name, QStringList *seen, QWidget *parent)
        : Screen(ctx, name, name, true, parent)
    {
        const Workspace &ws = ctx.workspace;
        *seen << QStringList{name,
                             ws.cropStoreTable,
                             ws.cropFormTable1,
                             ws.cropFormTable2,
                             ws.hayStoreTable,
                             ws.hayMatchingIssue,
                             ws.hayIssueTable,
                             ws.hayTitle,
                             ws.selectedQuarter}
                     .join(u'|');
    }
};

struct Shell {
    testsupport::DataDir dir;
    store::Database db{dir.path()};
    testsupport::ScriptedDialogs dialogs;
    ScreenRegistry screens;
    QStringList seen;
    std::unique_ptr<MainWindow> window;

    explicit Shell(const QStringList &registered = {})
    {
        for (const QString &name : registered)
            screens.add(name, [this, name](AppContext &ctx, QWidget *parent) {
                return new ProbeScreen(ctx, name, &seen, parent);
            });
        window = std::make_unique<MainWindow>(db, dialogs, screens);
    }
    template <class T = QWidget> T *find(const QString &name) const { return window->findChild<T *>(name); }
    void load(const QString &year)
    {
        find<QLineEdit>("Edit1")->setText(year);
        find<QPushButton>("Button13")->click();
    }
    int yearFiles() const { return QDir(dir.path()).entryList({"*[0-9].db"}, QDir::Files).size(); }
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout()
    {
        Shell shell;
        MainWindow &w = *shell.window;
        QCOMPARE(w.objectName(), QString("TForm1"));
        QCOMPARE(w.windowTitle(), QString("Brenvik - Program Velmora verze 1.5.1"));
        const QList<std::pair<int, QString>> buttons = {{1, "Seznam zvířat"},
                                                        {2, "Pastva"},
                                                        {3, "Odsunutá zvířata"},
                                                        {4, "Ukonči program"},
                                                        {5, "Seznam strojů"},
                                                        {6, "Náhradní díly"},
                                                        {7, "Nákup"},
                                                        {8, "Čerpání"},
                                                        {9, "Maziva"},
                                                        {10, "Služby"},
                                                        {11, "Vlastní"},
                                                        {12, "Cizích"},
                                                        {13, "Načti "},
                                                        {14, "Chemická ochrana"},
                                                        {15, "Močka"},
                                                        {16, "Sklad"},
                                                        {17, "Aplikace"},
                                                        {28, "Senáž"},
                                                        {29, "Malé"},
                                                        {30, "Velké"},
                                                        {31, "Malé"},
                                                        {32, "Velké"},
                                                        {33, "Malé"},
                                                        {34, "Velké"},
                                                        {35, "Malé"},
                                                        {36, "Velké"},
                                                        {37, "Příjmy"},
                                                        {38, "Výdaje"},
                                                        {39, "Čtvrtletní"},
                                                        {40, "Celoroční"}};
        for (const auto &[n, caption] : buttons)
            QCOMPARE(shell.find<QPushButton>(QString("Button%1").arg(n))->text(), caption);
        for (int n = 18; n <= 27; ++n)
            QCOMPARE(shell.find<QPushButton>(QString("Button%1").arg(n))->text(),
                     n <= 22 ? QString("Sklad") : "Formulář");
        QCOMPARE(w.sectionButtons().size(), 38);
        for (QPushButton *b : w.sectionButtons())
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(shell.find<QPushButton>("Button13")->isEnabled());
        QVERIFY(!shell.find<QPushButton>("Button13")->autoDefault());
        QCOMPARE(shell.find<QLineEdit>("Edit1")->maxLength(), 4);
        QVERIFY(shell.find<QLabel>("Label7")->isHidden());
        QCOMPARE(shell.find<QLabel>("Label8")->text(), QString("Rok:"));
        QVERIFY(shell.find<QLabel>("Label8")->isHidden());

        // Every group with its caption, inside the group it belongs to.
        QStringList groups;
        for (QGroupBox *g : w.findChildren<QGroupBox *>()) {
            const auto *outer = qobject_cast<QGroupBox *>(g->parentWidget());
            groups << (outer ? outer->title() + " > " : QString()) + g->title();
        }
        groups.sort();
        QStringList expected = {"Evidence zvířat:",
                                "Mechanizace:",
                                "Mechanizace: > PHM",
                                "Mechanizace: > Opravy",
                                "Ostatní příjmy/výdaje:",
                                "Vyhodnocení:",
                                "Rostlinná výroba:",
                                "Rostlinná výroba: > Ochrana rostlin",
                                "Ochrana rostlin > Organický hnůj",
                                "Rostlinná výroba: > Plodiny",
                                "Rostlinná výroba: > Seno",
                                "Seno > Sklad",
                                "Seno > Výdej",
                                "Rostlinná výroba: > Sláma",
                                "Sláma > Sklad",
                                "Sláma > Výdej"};
        expected.sort();
        QCOMPARE(groups, expected);
        QStringList labels;
        for (QLabel *l : w.findChildren<QLabel *>())
            labels << l->text();
        for (const QString t :
             {"Hlavní nabídka", "Zadejte  rok:", "Pšenice", "Ječmen ", "Oves", "Žito", "Brambory"})
            QVERIFY2(labels.contains(t), qPrintable(t));
        QCOMPARE(labels.count("=>>"), 5);

        QStringList menus;
        for (QAction *top : w.menuBar()->actions()) {
            menus << top->text();
            for (QAction *a : top->menu()->actions())
                menus << "  " + a->text();
        }
        QCOMPARE(menus, (QStringList{"&Soubor", "  &Zavřít", "&Nápověda", "  &About ...", "  &Nápověda",
                                     "  &O aplikaci", "  Popis &sekcí"}));
    }

    // A screen reader tells every button and group apart: a group by its own caption (not by the one around
    // it), a repeated caption with its path ("Seno – Sklad – Malé", "Pšenice – Sklad") while the window shows
    // the caption alone.
    void accessibleNames()
    {
        Shell shell;
        const auto name = [](QWidget *w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        const QList<std::tuple<const char *, QString, QString>> read = {
            {"Button29", "Malé", "Seno – Sklad – Malé"},   {"Button30", "Velké", "Seno – Sklad – Velké"},
            {"Button31", "Malé", "Seno – Výdej – Malé"},   {"Button34", "Velké", "Sláma – Sklad – Velké"},
            {"Button35", "Malé", "Sláma – Výdej – Malé"},  {"Button16", "Sklad", "Organický hnůj – Sklad"},
            {"Button18", "Sklad", "Pšenice – Sklad"},      {"Button19", "Sklad", "Ječmen – Sklad"},
            {"Button24", "Formulář", "Ječmen – Formulář"}, {"Button27", "Formulář", "Brambory – Formulář"},
            {"Button17", "Aplikace", "Aplikace"},          {"Button7", "Nákup", "Nákup"},
        };
        for (const auto &[control, caption, spoken] : read) {
            auto *b = shell.find<QPushButton>(control);
            QCOMPARE(b->text(), caption);
            QCOMPARE(name(b), spoken);
        }
        QStringList buttons, groups;
        for (QPushButton *b : shell.window->findChildren<QPushButton *>())
            buttons << name(b);
        for (QGroupBox *g : shell.window->findChildren<QGroupBox *>())
            groups << name(g);
        QCOMPARE(buttons.removeDuplicates(), 0);
        QCOMPARE(groups.removeDuplicates(), 0);
        for (const QString group :
             {"PHM", "Ochrana rostlin", "Organický hnůj", "Seno", "Seno – Sklad", "Sláma – Výdej"})
            QVERIFY2(groups.contains(group), qPrintable(groups.join(", ")));
    }

    // The first load creates the 20 year tables and says so once; the same year again creates nothing.
    void firstAndSecondLoad()
    {
        Shell shell;
        shell.load("2004");
        QCOMPARE(shell.yearFiles(), 20);
        QCOMPARE(shell.dialogs.messages.size(), 1);
        QCOMPARE(shell.dialogs.texts("information"),
                 QStringList{"Jedna, čí více databází pro rok 2004 neexistovali a tak byli vytvořeny"});
        QCOMPARE(testsupport::fileBytes(shell.dir.file("form2_brambory2004.db")),
                 testsupport::fileBytes(shell.dir.file("form2_brambory.db")));
        for (QPushButton *b : shell.window->sectionButtons())
            QVERIFY(b->isEnabled());
        QVERIFY(!shell.find<QLabel>("Label7")->isHidden());
        QCOMPARE(shell.find<QLabel>("Label7")->text(), QString("2004"));
        QCOMPARE(shell.window->workspace().workingYear, QString("2004"));

        shell.dialogs.clear();
        shell.load("2004");
        QVERIFY(shell.dialogs.messages.isEmpty());
        QCOMPARE(QDir(shell.dir.path()).entryList({"*.tmp"}, QDir::Files), QStringList());
    }

    // A text that is no year changes nothing; odd but valid years name their tables as typed.
    void yearTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("three characters") << "200" << false;
        QTest::newRow("letter") << "20a4" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << " 200" << false;
        QTest::newRow("sign alone") << "+" << false;
        QTest::newRow("plus sign") << "+200" << true;
        QTest::newRow("leading zeros") << "0042" << true;
    }
    void yearTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        Shell shell;
        shell.load("2004");
        shell.dialogs.clear();
        shell.load(text);
        if (!valid) {
            QCOMPARE(shell.dialogs.texts("error"),
                     QStringList{
                         "Nebyl zadán korektní rok (rok musí vypadat např. takto: 2003) - pokuste se znovu"});
            QCOMPARE(shell.window->workspace().workingYear, QString("2004"));
            QCOMPARE(shell.find<QLabel>("Label7")->text(), QString("2004"));
            QCOMPARE(shell.yearFiles(), 20);
            return;
        }
        QVERIFY(shell.dialogs.texts("error").isEmpty());
        QCOMPARE(shell.window->workspace().workingYear, text);
        QVERIFY(QFile::exists(shell.dir.file("phm_nakup" + text + ".db")));
        QVERIFY(QFile::exists(shell.dir.file("vydej" + text + ".db")));
    }

    void invalidFirstLoadKeepsSectionsDisabled()
    {
        Shell shell;
        shell.load("20a4");
        for (QPushButton *b : shell.window->sectionButtons())
            QVERIFY(!b->isEnabled());
        QVERIFY(shell.find<QLabel>("Label7")->isHidden());
        QVERIFY(shell.window->workspace().workingYear.isEmpty());
    }

    // One template missing: one error box naming that year table; the rest is created and the load goes on.
    void missingTemplate()
    {
        Shell shell;
        QFile::remove(shell.dir.file("mocka.db"));
        shell.load("2004");
        QCOMPARE(shell.dialogs.texts("error"), QStringList{"nepodařilo se založit databázi mocka2004.db"});
        QCOMPARE(shell.dialogs.texts("information").size(), 1);
        QCOMPARE(shell.yearFiles(), 19);
        QVERIFY(!QFile::exists(shell.dir.file("mocka2004.db")));
        QVERIFY(shell.find<QPushButton>("Button15")->isEnabled());

        // Every copy failing claims no creation.
        Shell none;
        for (const QString &f : QDir(none.dir.path()).entryList({"*.db"}))
            if (f.startsWith("form") || f.startsWith("phm") || f == "nahr_dily.db" || f == "sluzby.db" ||
                f.startsWith("opravy") || f == "mocka.db" || f == "prijem.db" || f == "vydej.db")
                QFile::remove(none.dir.file(f));
        none.load("2004");
        QCOMPARE(none.dialogs.texts("error").size(), 20);
        QVERIFY(none.dialogs.texts("information").isEmpty());
        QVERIFY(none.find<QPushButton>("Button1")->isEnabled());
    }

    // A year table that exists but cannot be opened keeps its bytes; the load says why and goes on.
    void damagedYearTableIsLeftAlone()
    {
        Shell shell;
        const QString path = shell.dir.file("sluzby2004.db");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("tohle není tabulka, ale farmářova data k záchraně");
        }
        const QByteArray before = testsupport::fileBytes(path);
        shell.load("2004");
        QCOMPARE(testsupport::fileBytes(path), before);
        const QStringList errors = shell.dialogs.texts("error");
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains("sluzby2004.db"), qPrintable(errors[0]));
        QCOMPARE(shell.yearFiles(), 20);
        QCOMPARE(shell.dialogs.texts("information").size(), 1);
        QVERIFY(shell.find<QPushButton>("Button10")->isEnabled());
    }

    // The quarter prompt asks until 1-4 or x; x opens nothing, a quarter is handed to the quarterly screen.
    void quarterPrompt()
    {
        Shell shell({"TForm62"});
        shell.load("2004");
        shell.dialogs.clear();
        shell.dialogs.inputs = {std::nullopt, QString("X"), QString("5"), QString(" 1"), QString("x")};
        shell.find<QPushButton>("Button39")->click();
        QCOMPARE(shell.dialogs.texts("input").size(), 5);
        QCOMPARE(shell.dialogs.texts("input").first(),
                 QString("Zadejte čtvrtletí (1,2,3 nebo 4) | *pro ukončení zadejte x | "));
        QCOMPARE(shell.window->workspace().selectedQuarter, QString("x"));
        QVERIFY(shell.dialogs.screens.isEmpty());

        shell.dialogs.inputs = {QString("0"), QString("3")};
        shell.find<QPushButton>("Button39")->click();
        QCOMPARE(shell.dialogs.screens, QStringList{"TForm62"});
        QVERIFY(shell.seen.last().endsWith("|3"));
    }

    void splashShownOnce()
    {
        Shell shell;
        shell.window->show();
        QTRY_COMPARE(shell.dialogs.screens, QStringList{"TForm3"});
        QVERIFY(shell.window->workspace().splashShown);
        shell.window->hide();
        shell.window->show();
        QTest::qWait(20);
        QCOMPARE(shell.dialogs.screens, QStringList{"TForm3"});
    }

    // Every button sets its hand-over values first; the crop forms take the year loaded last.
    void handOverValues()
    {
        Shell shell({"TForm45", "TForm47", "TForm50", "TForm52", "TForm22"});
        shell.load("2004");
        shell.load("2005");
        // Fields: screen, crop store, crop form 1 and 2, hay store, matching issue, issue, title, quarter.
        const QString f1 = "form1_brambory2005", f2 = "form2_brambory2005";
        const QList<std::pair<QString, QStringList>> cases = {
            {"Button18", {"TForm45", "psenice_sklad", "", "", "", "", "", "", ""}},
            {"Button22", {"TForm45", "brambory_sklad", "", "", "", "", "", "", ""}},
            {"Button23",
             {"TForm47", "brambory_sklad", "form1_psenice2005", "form2_psenice2005", "", "", "", "", ""}},
            {"Button27", {"TForm47", "brambory_sklad", f1, f2, "", "", "", "", ""}},
            {"Button29",
             {"TForm50", "brambory_sklad", f1, f2, "seno_sklad_male", "seno_vydej_male", "",
              "Seno - sklad - malé", ""}},
            {"Button34",
             {"TForm50", "brambory_sklad", f1, f2, "slama_sklad_velke", "slama_vydej_velke", "",
              "Sláma - sklad - velké", ""}},
            {"Button32",
             {"TForm52", "brambory_sklad", f1, f2, "slama_sklad_velke", "slama_vydej_velke",
              "seno_vydej_velke", "Seno - výdej - velké", ""}},
            {"Button35",
             {"TForm52", "brambory_sklad", f1, f2, "slama_sklad_velke", "slama_vydej_velke",
              "slama_vydej_male", "Sláma - výdej - malé", ""}},
        };
        for (const auto &[button, expected] : cases) {
            shell.find<QPushButton>(button)->click();
            QCOMPARE(shell.seen.last(), expected.join(u'|'));
        }
        shell.dialogs.screens.clear();
        shell.find<QPushButton>("Button7")->click();
        shell.find<QPushButton>("Button1")->click(); // not built yet: nothing happens
        QCOMPARE(shell.dialogs.screens, QStringList{"TForm22"});
    }
};

VELMORA_REGISTER_TEST(MainWindowTest)
#include "tst_mainwindow.moc"
