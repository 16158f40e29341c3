#include "livestockfarm.h"
#include "support/testmain.h"

#include <QAccessible>

using livestock::AnimalCard;
using livestock::AnimalList;
using livestock::RemovedAnimals;

class AnimalCardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The card of the list's animal, picked by its exact number next to one its number would match as a
    // pattern: shown, edited, saved by the mouse over the bare window only, printed after being stored.
    void cardFromTheList()
    {
        Farm farm;
        farm.animals({animal("CZ", "CZ21", "1.1.2001", "999"), animal("CZ", "CZ_1", "14.3.2003", "111")});
        bool shown = false;
        farm.onCard("TForm6", [&](AnimalCard &card) {
            shown = true;
            QCOMPARE(card.windowTitle(), QString("Detaily vybraného zvířete: (vlastní karta) - CZ_1"));
            QVERIFY(!(card.windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(edit(card, "usni_zn_cislo_zvirete")->text(), QString("111"));
            QCOMPARE(edit(card, "narozeni_datum")->text(), QString("14.3.2003"));
            QVERIFY(!edit(card, "cv_cislo")); // the number is never edited here
            QCOMPARE(card.findChildren<QLineEdit *>().size(), 13);
            QCOMPARE(edit(card, "poznamky")->maxLength(), 90);
            QStringList labels;
            for (QLabel *l : card.findChildren<QLabel *>())
                labels << l->text();
            QVERIFY(labels.contains("reg. č. hospodářství:") && labels.contains("plem. přísl. zvířete"));

            typeInto(card, "chovatel_nazev", "Dvořák");
            typeInto(card, "dne", "5.9");
            overGroupBox(&card, card.findChildren<QGroupBox *>().first()); // not a save on this card
            QVERIFY(farm.stored("seznam_zvirat")[1].contains("Novák"));
            overBareSurface(&card);
            QVERIFY(farm.stored("seznam_zvirat")[1].contains(
                QString("|%1|Dvořák|").arg(store::dateText(QDate(QDate::currentDate().year(), 9, 5)))));
            QVERIFY(farm.stored("seznam_zvirat")[0].contains("Novák"));

            // Printing stores what was typed first; the card reads it back after the preview.
            typeInto(card, "poznamky", "jalovice");
            buttonOf(card, "Button2")->click();
            const auto &preview = farm.dialogs.previews.last();
            QCOMPARE(preview.report, QString("TQuickReport9"));
            QStringList printed;
            for (const reports::PageItem *i : preview.pages[0].texts())
                printed << i->text;
            QVERIFY(printed.contains("Vlastní karta zvířete s čísem:"));
            QVERIFY(printed.contains("jalovice"));
            QVERIFY(!printed.contains("999"));
            QCOMPARE(preview.pages.size(), size_t(1));
            QCOMPARE(edit(card, "poznamky")->text(), QString("jalovice"));
            buttonOf(card, "Button1")->click();
        });
        farm.list([&](AnimalList &list) {
            list.query().moveTo(1);
            buttonOf(list, "Button1")->click();
        });
        QVERIFY(shown);
        QVERIFY(farm.stored("seznam_zvirat")[1].endsWith("|jalovice"));
    }

    // Text written into a field through the accessibility interface, as dictation and voice control do, is
    // stored like typed text.
    void textThroughAccessibility()
    {
        Farm farm;
        farm.animals({animal("CZ", "CZ1")});
        farm.onCard("TForm6", [&](AnimalCard &card) {
            QAccessible::queryAccessibleInterface(edit(card, "vystavil"))
                ->setText(QAccessible::Value, "Král");
            QAccessibleEditableTextInterface *notes =
                QAccessible::queryAccessibleInterface(edit(card, "poznamky"))->editableTextInterface();
            QVERIFY(notes);
            notes->insertText(0, "jalovice");
            overBareSurface(&card);
            QVERIFY2(farm.stored("seznam_zvirat")[0].endsWith("|Král|2.4.2003|Novák Jiří|jalovice"),
                     qPrintable(farm.stored("seznam_zvirat")[0]));
            buttonOf(card, "Button1")->click();
        });
        farm.list([&](AnimalList &list) { buttonOf(list, "Button1")->click(); });
    }

    // The ear tags of the animal and of its mother are told apart by their groups, as is every field.
    void accessibleNames()
    {
        Farm farm;
        farm.animals({animal("CZ", "CZ1")});
        farm.onCard("TForm6", [&](AnimalCard &card) {
            const auto name = [&](const char *field) {
                return QAccessible::queryAccessibleInterface(edit(card, field))->text(QAccessible::Name);
            };
            QCOMPARE(name("usni_zn_zeme"), QString("Ušní známka zvířete – země:"));
            QCOMPARE(name("usni_zn_cislo_zvirete"), QString("Ušní známka zvířete – číslo zvířete:"));
            QCOMPARE(name("usni_zn_matky_zeme"), QString("Ušní známka matky – země:"));
            QCOMPARE(name("usni_zn_matky_cislo_zv"), QString("Ušní známka matky – číslo zvířete:"));
            QCOMPARE(name("narozeni_datum"), QString("Narození – datum:"));
            QCOMPARE(name("dne"), QString("dne:"));
            QStringList names;
            for (QLineEdit *e : card.findChildren<QLineEdit *>())
                names << QAccessible::queryAccessibleInterface(e)->text(QAccessible::Name);
            QCOMPARE(names.removeDuplicates(), 0);
            buttonOf(card, "Button1")->click();
        });
        farm.list([&](AnimalList &list) { buttonOf(list, "Button1")->click(); });
    }

    // A text that is no date is not stored by the mouse; "Zpět" says why once, then leaves without it.
    void invalidDateIsNotLostSilently()
    {
        Farm farm;
        farm.animals({animal("CZ", "CZ1")});
        const QStringList before = farm.stored("seznam_zvirat");
        farm.onCard("TForm6", [&](AnimalCard &card) {
            typeInto(card, "dne", "31.2.2004");
            overBareSurface(&card);
            QCOMPARE(edit(card, "dne")->text(), QString("31.2.2004"));
            buttonOf(card, "Button1")->click();
            QVERIFY(card.isVisible());
            QCOMPARE(farm.dialogs.texts("default error").size(), 1);
            buttonOf(card, "Button1")->click();
            QVERIFY(!card.isVisible());
        });
        farm.list([&](AnimalList &list) { buttonOf(list, "Button1")->click(); });
        QCOMPARE(farm.stored("seznam_zvirat"), before);
    }

    // The removed animal's card: its own captions, group boxes save too, and so does its close box. A number
    // that matches no record shows an empty card that stores nothing.
    void removedAnimalCard()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "odsun",
                               {{"CZ", "CZ9", "123", "5.9.2004", "prodej", "CZ", "555"}, {"SK", "", ""}});
        farm.onCard("TForm13", [&](AnimalCard &card) {
            QCOMPARE(card.windowTitle(),
                     QString("Detaily vybraného odsunutého zvířete (vlastní karta) - CZ9"));
            QVERIFY(card.windowFlags() & Qt::WindowCloseButtonHint);
            QCOMPARE(edit(card, "usni_zn_cislo_zvirete")->text(), QString("555"));
            QStringList labels;
            for (QLabel *l : card.findChildren<QLabel *>())
                labels << l->text();
            QVERIFY(labels.contains("reg. č. hospodářství") && labels.contains("plem. přísl. zvířete:"));
            typeInto(card, "vystavil", "ČMSCH");
            overGroupBox(&card, card.findChildren<QGroupBox *>().first());
            QVERIFY(farm.stored("odsun")[0].contains("|ČMSCH|"));
            typeInto(card, "poznamky", "poražena");
            card.close(); // the close box
            QVERIFY(!card.isVisible());
        });
        farm.removed([&](RemovedAnimals &removed) {
            buttonOf(removed, "Button2")->click();
            removed.query().moveTo(1);
            buttonOf(removed, "Button2")->click(); // no number
            QCOMPARE(farm.dialogs.texts("error"),
                     QStringList{"Musí být vybrán záznam, který má vyplněno pole cislo!"});
        });
        QVERIFY(farm.stored("odsun")[0].endsWith("|poražena"));

        farm.window->context().workspace.selectedAnimal = "CZ404";
        std::unique_ptr<app::Screen> card(farm.screens.create("TForm13", farm.window->context(), nullptr));
        card->show();
        QCOMPARE(card->windowTitle(),
                 QString("Detaily vybraného odsunutého zvířete (vlastní karta) - CZ404"));
        QVERIFY(edit(*card, "vystavil")->isReadOnly());
        QTest::keyClicks(edit(*card, "vystavil"), "x");
        overBareSurface(card.get());
        buttonOf(*card, "Button1")->click();
        QCOMPARE(farm.stored("odsun").size(), 2);
    }
};

VELMORA_REGISTER_TEST(AnimalCardTest)
#include "tst_cards.moc"
