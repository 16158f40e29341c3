#include "app/startup.h"
#include "help/fieldsizes.h"
#include "help/helpscreens.h"
#include "store/catalogue.h"
#include "support/farm.h"
#include "support/testmain.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QPlainTextEdit>

using testsupport::buttonOf;

namespace {

struct Farm : testsupport::Farm {
    Farm() : testsupport::Farm(help::registerScreens) {}
    // Chooses a help menu entry of the main window.
    void menu(const char *action) { window->findChild<QAction *>(action)->trigger(); }
};

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // "Nápověda": the 22 lines in their colours, "Zavřít", and the chain of five pages: each forward button
    // opens the next page over the last, and five "<< Zpět" lead back to "Nápověda".
    void helpAndTheChain()
    {
        Farm farm;
        const QStringList chain = {"TForm33", "TForm34", "TForm35", "TForm36", "TForm60"};
        QStringList closed;
        for (int i = 0; i < chain.size(); ++i)
            farm.dialogs.whileShown[chain[i]] = [&, i](QDialog *page) {
                QVERIFY(!(page->windowFlags() & Qt::WindowCloseButtonHint));
                QCOMPARE(page->windowTitle(), help::fieldSizePages()[size_t(i)].caption);
                if (QPushButton *forward = buttonOf(*page, "Button2"))
                    forward->click();
                else
                    QCOMPARE(i, chain.size() - 1);
                buttonOf(*page, "Button1")->click();
                QVERIFY(!page->isVisible());
                closed << page->objectName();
            };
        farm.dialogs.whileShown["TForm32"] = [&](QDialog *screen) {
            QCOMPARE(screen->windowTitle(), QString("Nápověda"));
            QVERIFY(!(screen->windowFlags() & Qt::WindowCloseButtonHint));
            for (int i = 0; i < 22; ++i) {
                auto *line = screen->findChild<QLabel *>(QString("Label%1").arg(i + 1));
                QCOMPARE(line->text(), help::HelpScreen::lines()[i]);
                QCOMPARE(line->palette().color(QPalette::WindowText),
                         QColor(i == 1 || i == 2 ? Qt::red : Qt::blue));
            }
            QCOMPARE(
                help::HelpScreen::lines()[15],
                QString("který se předtím vložil do paměti pomocí klávesových zkratek ctrl+C.  Zároveň se dá "
                        "z databáze taktéž"));
            buttonOf(*screen, "Button2")->click();
            QVERIFY(screen->isVisible());
            buttonOf(*screen, "Button1")->click();
            QVERIFY(!screen->isVisible());
        };
        farm.menu("MenuNapoveda");
        QCOMPARE(farm.dialogs.screens, (QStringList{"TForm32"} + chain));
        QCOMPARE(closed, (QStringList{"TForm60", "TForm36", "TForm35", "TForm34", "TForm33"}));
    }

    // Every row of every page against the table catalogue: the page's name for the field and its width or
    // kind, right-aligned in blue bold; the pages' own captions and forward buttons.
    void fieldSizeRowsMatchTheCatalogue()
    {
        const auto &pages = help::fieldSizePages();
        QCOMPARE(pages[2].forwardCaption,
                 QString("Zobraz velikosti polí v  v Rostlinné výrobě - Plodinách >>"));
        QCOMPARE(pages[3].forwardCaption,
                 QString("Zobraz velikosti polí v  v sekci - ostatní příjmy / výdaje    >>"));
        QVERIFY(pages[4].caption.startsWith("Velikosti polí") &&
                pages[0].caption.startsWith("Velikostí polí"));
        const QMap<QString, QString> renamed = {{"Datum_a_misto_nakupu", "datum"},
                                                {"Poznamka1", "poznamka 1"},
                                                {"Poznamka2", "poznamka 2"},
                                                {"Poznamka3", "poznamka 3"}};
        Farm farm;
        int rows = 0;
        for (const help::SizePage &page : pages) {
            std::unique_ptr<app::Screen> screen(
                farm.screens.create(page.className, farm.window->context(), nullptr));
            for (const help::SizeGroup &g : page.groups) {
                auto *box = screen->findChild<QGroupBox *>(g.title);
                QVERIFY2(box, qPrintable(g.title));
                QCOMPARE(box->title(), g.title);
                if (g.table.isEmpty())
                    continue;
                const store::TableDef *t = store::findTable(g.table);
                for (const help::SizeRow &r : g.rows) {
                    const store::FieldDef *f = t->field(r.field);
                    QVERIFY(f);
                    const QString expected = f->type == store::FieldType::Date      ? "datum"
                                             : f->type == store::FieldType::Number  ? "číslo"
                                             : f->type == store::FieldType::Money   ? "měna"
                                             : f->type == store::FieldType::Picture ? "obrázek"
                                             : f->widthStated ? QString::number(f->width)
                                                              : "text";
                    QCOMPARE(r.size, expected);
                    QCOMPARE(r.name, renamed.value(f->name, f->name));
                    auto *value = box->findChild<QLabel *>(r.field);
                    QCOMPARE(value->text(), expected);
                    QVERIFY(value->alignment() & Qt::AlignRight);
                    QCOMPARE(value->palette().color(QPalette::WindowText), QColor(Qt::blue));
                    QVERIFY(value->font().bold());
                    ++rows;
                }
                // Whole tables, except the animal list split into its card and its list fields.
                if (g.table != "seznam_zvirat" && g.table != "odsun")
                    QCOMPARE(g.rows.size(), t->fields.size());
            }
        }
        const auto &card = pages[0].groups[0];
        QCOMPARE(card.rows.size(), size_t(13));
        QCOMPARE(card.notes.last(), QString("např. 5.9 (aktuální rok se doplňí automaticky)"));
        QCOMPARE(pages[2].groups[0].rows[2].size, QString("text")); // chemicka_ochrana.mnozstvi
        QVERIFY(rows > 100);
    }

    // The two texts: read-only, scrolling, with their headings; the start-up's hidden instances.
    void informationTexts()
    {
        Farm farm;
        farm.dialogs.whileShown["TForm66"] = [&](QDialog *screen) {
            QCOMPARE(screen->windowTitle(), QString("Popis sekcí"));
            QVERIFY(screen->windowFlags() & Qt::WindowCloseButtonHint);
            auto *text = screen->findChild<QPlainTextEdit *>();
            QVERIFY(text->isReadOnly());
            QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            const QString t = text->toPlainText();
            int at = -1;
            for (const char *h : {"EVIDENCE ZVÍŘAT\n***************", "MECHANIZACE\n***********",
                                  "OSTATNÍ PŘÍJMY/VÝDAJE", "ROSTLINNÁ VÝROBA", "VYHODNOCENÍ\n***********",
                                  "Každá volba v programu má samozřejmě možnost vytištění"}) {
                const int next = t.indexOf(QString::fromUtf8(h));
                QVERIFY2(next > at, h);
                at = next;
            }
            QVERIFY(t.contains("plodiny-žito-formulář:\nShodné s popisem pro pšenici."));
            QVERIFY(t.contains("sláma-výdej-velké:\nShodné s popisem pro seno."));
            QVERIFY(screen->findChildren<QPushButton *>().isEmpty());
        };
        farm.dialogs.whileShown["TForm65"] = [&](QDialog *screen) {
            QCOMPARE(screen->windowTitle(), QString("O aplikaci"));
            QVERIFY(screen->findChild<QPlainTextEdit *>()->toPlainText().startsWith("Program Velmora"));
        };
        farm.menu("MenuPopisSekci");
        farm.menu("MenuOAplikaci");
        QCOMPARE(farm.dialogs.screens, (QStringList{"TForm66", "TForm65"}));

        // Start-up makes one hidden instance of each.
        const QString here = QDir::currentPath();
        QVERIFY(QDir::setCurrent(farm.dir.path()));
        testsupport::ScriptedDialogs dialogs;
        auto program = app::startProgram(*qApp, dialogs, help::registerScreens);
        QDir::setCurrent(here);
        QVERIFY(program);
        QCOMPARE(program->information.size(), size_t(2));
        QCOMPARE(program->information[0]->objectName(), QString("TForm65"));
        QCOMPARE(program->information[1]->objectName(), QString("TForm66"));
        QVERIFY(!program->information[0]->isVisible() && !program->information[1]->isVisible());
    }

    // The about box: no title-bar buttons, the version in red bold, the icon; the link turns blue under the
    // mouse and opens the maker's page; "OK" beeps, then closes.
    void aboutBox()
    {
        Farm farm;
        farm.dialogs.whileShown["TForm2"] = [&](QDialog *box) {
            QVERIFY(!(box->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
            QCOMPARE(box->palette().color(QPalette::Window), QColor(Qt::white));
            auto *version = box->findChild<QLabel *>("Label1");
            QCOMPARE(version->text(), QString("Velmora ver. 1.5.1"));
            QCOMPARE(version->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY(version->font().bold());
            QCOMPARE(box->findChild<QLabel *>("Image1")->pixmap().size(), QSize(32, 32));
            auto *link = box->findChild<QLabel *>("Label2");
            QCOMPARE(link->toolTip(), QString("Oficiální stránky"));
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::black));
            QTest::mouseMove(link);
            QMouseEvent over(QEvent::MouseMove, QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(link, &over);
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
            testsupport::moveMouse(box, QPoint(2, 2));
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::black));
            QTest::mouseClick(link, Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_Escape);
            QVERIFY(box->isVisible());
            buttonOf(*box, "Button1")->click();
            QVERIFY(!box->isVisible());
        };
        farm.menu("MenuAbout");
        QStringList kinds;
        for (const auto &m : farm.dialogs.messages)
            kinds << m.kind + (m.text.isEmpty() ? QString() : ": " + m.text);
        QCOMPARE(kinds, (QStringList{"url: https://www.velmora.example/", "beep"}));
        QVERIFY(!farm.window->windowIcon().isNull());
    }
};

VELMORA_REGISTER_TEST(HelpTest)
#include "tst_help.moc"
