#include "machines/machinecard.h"
#include "machines/machinelist.h"
#include "machines/machines.h"
#include "machines/photofield.h"
#include "store/query.h"
#include "support/farm.h"
#include "support/testmain.h"
#include "support/typing.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <QtEndian>

using machines::MachineCard;
using machines::MachineList;
using testsupport::buttonOf;
using testsupport::labelText;
using testsupport::moveMouse;

namespace {

struct Farm : testsupport::Farm {
    Farm() : testsupport::Farm(machines::registerScreens) {}
    void list(const std::function<void(MachineList &)> &steps)
    {
        open<MachineList>("Button5", "TForm14", steps);
    }
    void onCard(const std::function<void(MachineCard &)> &steps)
    {
        dialogs.whileShown["TForm15"] = [steps](QDialog *d) { steps(*qobject_cast<MachineCard *>(d)); };
    }
    // The photo of the first machine of that name, as stored.
    QImage storedPhoto(const QString &name)
    {
        store::Database other(dir.path());
        store::Query q(other);
        q.setText({"select * from seznam_stroju", store::exactMatchLine("stroj", name)});
        q.open();
        return QImage::fromData(q.fieldPicture("foto"));
    }
};

void overBareSurface(QWidget *w)
{
    moveMouse(w, QPoint(w->width() - 2, w->height() - 2));
}

QImage testPicture(int w = 40, int h = 30)
{
    QImage image(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, QColor((x * 6) % 256, (y * 8) % 256, (x + y) % 256));
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool samePixels(const QImage &a, const QImage &b)
{
    return !a.isNull() &&
           a.convertToFormat(QImage::Format_RGB888) == b.convertToFormat(QImage::Format_RGB888);
}

QList<const reports::PageItem *> pictures(const reports::Page &page)
{
    QList<const reports::PageItem *> found;
    for (const reports::PageItem &i : page.items)
        if (i.kind == reports::PageItem::Kind::Picture)
            found << &i;
    return found;
}

} // namespace

class MachineTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_files;

    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_files.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Sorting disables adding and deleting (deleting a sorted list fails with its box); a preview drops the
    // sort but not the disabled state; a stored row enables both again. The count, the card refusal.
    void listStates()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "seznam_stroju", {{"Zetor 7211", "1985"}, {"Fella", "1999"}});
        farm.list([&](MachineList &list) {
            QCOMPARE(list.query().text(), QStringList{"select stroj, rok_vyroby from seznam_stroju"});
            QCOMPARE(list.query().fieldCount(), 2);
            QCOMPARE(labelText(list, "Label2"), QString("2"));
            buttonOf(list, "Button3")->click();
            QCOMPARE(list.query().valueText(0, 0), QString("Fella"));
            QVERIFY(!buttonOf(list, "Button6")->isEnabled() && !buttonOf(list, "Button7")->isEnabled());
            farm.dialogs.answers = {true};
            list.remove();
            QCOMPARE(farm.dialogs.texts("error"),
                     QStringList{"Nepodařilo se odstranit daný záznam. Zkontolujte, "
                                 "zda jste některak neseřadily databázi)"});
            QCOMPARE(farm.stored("seznam_stroju").size(), 2);

            farm.dialogs.answers = {false};
            buttonOf(list, "Button8")->click(); // print without photos
            QCOMPARE(list.query().text(), QStringList{"select stroj, rok_vyroby from seznam_stroju"});
            QVERIFY(!buttonOf(list, "Button6")->isEnabled());
            QVERIFY(list.query().setData(list.query().index(0, 1), "1986"));
            list.query().moveTo(1);
            QVERIFY(buttonOf(list, "Button6")->isEnabled() && buttonOf(list, "Button7")->isEnabled());

            farm.dialogs.answers = {false, true};
            buttonOf(list, "Button7")->click();
            QCOMPARE(farm.stored("seznam_stroju").size(), 2);
            buttonOf(list, "Button7")->click();
            QCOMPARE(farm.stored("seznam_stroju").size(), 1);
            QCOMPARE(labelText(list, "Label2"), QString("1"));

            buttonOf(list, "Button6")->click();
            buttonOf(list, "Button1")->click();
            QCOMPARE(farm.dialogs.texts("error").last(),
                     QString("Musí být vybráno pole s vyplněným polem Stroj"));
            QVERIFY(!farm.dialogs.screens.contains("TForm15"));
        });
    }

    // The print question: Yes stores only a named row and shows the photos in tall rows; No stores even a
    // nameless row and prints one line per machine without photos.
    void printQuestion()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "seznam_stroju", {{"Zetor", "1985"}});
        farm.list([&](MachineList &list) {
            list.query().moveTo(0);
            buttonOf(list, "Button6")->click();
            QVERIFY(list.query().setData(list.query().index(1, 1), "2001")); // no name
            farm.dialogs.answers = {true};
            buttonOf(list, "Button8")->click();
            QCOMPARE(farm.stored("seznam_stroju").size(), 1);
            QCOMPARE(farm.dialogs.texts("confirm").first(),
                     QString("Přejete si vytisknout seznam strojů včetně fotografií?"));
            const auto &withPhotos = farm.dialogs.previews.last();
            QCOMPARE(withPhotos.report, QString("TQuickReport17"));
            QCOMPARE(pictures(withPhotos.pages[0]).size(), 1);

            buttonOf(list, "Button6")->click();
            QVERIFY(list.query().setData(list.query().index(1, 1), "2001"));
            farm.dialogs.answers = {false};
            buttonOf(list, "Button8")->click();
            QCOMPARE(farm.stored("seznam_stroju").size(), 2);
            QVERIFY(pictures(farm.dialogs.previews.last().pages[0]).isEmpty());
            QVERIFY(!farm.dialogs.previews.last().pages[0].texts().empty());
        });
    }

    // The card of the exact name (not "Zetor21" for "Zetor_1"; the first of two "Fella"), its fields and
    // caption, saving over the bare window, a printout page per machine of that name.
    void cardFields()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "seznam_stroju",
                               {{"Zetor21", "1990", "Brno"},
                                {"Zetor_1", "1985", "Jihlava 1986", "125000"},
                                {"Fella", "1999", "první"},
                                {"Fella", "2001", "druhá"}});
        int cards = 0;
        farm.onCard([&](MachineCard &card) {
            ++cards;
            auto field = [&](const char *name) { return card.findChild<QLineEdit *>(name); };
            if (cards == 1) {
                QCOMPARE(card.windowTitle(), QString("Vlastní karty stroje: Zetor_1"));
                QVERIFY(!(card.windowFlags() & Qt::WindowCloseButtonHint));
                QCOMPARE(field("Datum_a_misto_nakupu")->text(), QString("Jihlava 1986"));
                QCOMPARE(field("porizovaci_cena")->text(), QString("125000"));
                QVERIFY(!field("stroj")->isEnabled() && !field("rok_vyroby")->isEnabled());
                QCOMPARE(field("Poznamka3")->maxLength(), 90);
                field("barva")->insert("červená");
                overBareSurface(&card);
                QVERIFY(farm.stored("seznam_stroju")[1].contains("|červená|"));
            } else {
                QCOMPARE(field("Datum_a_misto_nakupu")->text(), QString("první"));
                buttonOf(card, "Button2")->click();
                QCOMPARE(farm.dialogs.previews.last().report, QString("TQuickReport16"));
                QCOMPARE(farm.dialogs.previews.last().pages.size(), size_t(2));
            }
            buttonOf(card, "Button1")->click();
        });
        farm.list([&](MachineList &list) {
            list.query().moveTo(1);
            buttonOf(list, "Button1")->click();
            list.query().moveTo(3);
            // A click on the heading "Řazení:" opens the card as the button does.
            QLabel *heading = list.findChild<QLabel *>("Label3");
            QTest::mouseClick(heading, Qt::LeftButton);
        });
        QCOMPARE(cards, 2);
        QVERIFY(farm.stored("seznam_stroju")[0].contains("|Brno|"));
        QVERIFY(!farm.stored("seznam_stroju")[0].contains("červená"));
    }

    // A bitmap from a file is stored at once and reads back pixel for pixel, on the card and in both
    // printouts; pasting stores with the next save; copying hands the photo over; removing asks first.
    void photo()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "seznam_stroju", {{"Zetor", "1985"}});
        const QImage picture = testPicture();
        const QImage pasted = testPicture(16, 64).mirrored();
        farm.onCard([&](MachineCard &card) {
            auto *photo = card.findChild<machines::PhotoField *>("DBImage1");
            QVERIFY(photo->toolTip().startsWith("Obrázek se dá do databáze vkládat i pomocí kláves CTRL+V"));
            farm.dialogs.pictureFiles = {QString()};
            QTest::mouseClick(photo, Qt::LeftButton); // cancelled
            QVERIFY(farm.storedPhoto("Zetor").isNull());
            farm.dialogs.pictureFiles = {file("zetor.bmp", encoded(picture, "BMP"))};
            QTest::mouseClick(photo, Qt::LeftButton);
            QVERIFY(samePixels(farm.storedPhoto("Zetor"), picture));
            QVERIFY(samePixels(photo->image(), picture));
            QVERIFY(photo->pixmap().width() <= photo->width());

            buttonOf(card, "Button2")->click();
            const auto pics = pictures(farm.dialogs.previews.last().pages[0]);
            QCOMPARE(pics.size(), 1);
            QVERIFY(samePixels(QImage::fromData(pics[0]->picture), picture));

            QGuiApplication::clipboard()->clear();
            QTest::keyClick(photo, Qt::Key_C, Qt::ControlModifier);
            QVERIFY(samePixels(QGuiApplication::clipboard()->image(), picture));
            QGuiApplication::clipboard()->setImage(pasted);
            QTest::keyClick(photo, Qt::Key_V, Qt::ControlModifier);
            QVERIFY(samePixels(farm.storedPhoto("Zetor"), picture)); // stored with the next save
            overBareSurface(&card);
            QVERIFY(samePixels(farm.storedPhoto("Zetor"), pasted));
            QGuiApplication::clipboard()->setText("no picture");
            QTest::keyClick(photo, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(farm.dialogs.texts("default error").size(), 1);
            QVERIFY(samePixels(photo->image(), pasted));

            farm.dialogs.answers = {false, true};
            buttonOf(card, "Button3")->click();
            QVERIFY(!farm.storedPhoto("Zetor").isNull());
            buttonOf(card, "Button3")->click();
            QVERIFY(farm.storedPhoto("Zetor").isNull());
            QVERIFY(photo->image().isNull());
            QCOMPARE(farm.dialogs.texts("confirm").last(),
                     QString("Opravdu chcete odstranit danou fotografii z databáze?"));
            buttonOf(card, "Button1")->click();
        });
        farm.list([&](MachineList &list) { buttonOf(list, "Button1")->click(); });
        QVERIFY(farm.stored("seznam_stroju")[0].startsWith("Zetor|1985|"));
    }

    // The photo without a mouse: Tab reaches it after the tyres, Enter and Space load as a click does, and
    // its menu (the Menu key, Shift+F10, a right click) loads, pastes, copies and removes as the mouse does.
    void photoFromTheKeyboard()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "seznam_stroju", {{"Zetor", "1985"}});
        const QImage picture = testPicture();
        const QImage pasted = testPicture(16, 64).mirrored();
        farm.onCard([&](MachineCard &card) {
            auto *photo = card.findChild<machines::PhotoField *>("DBImage1");
            QCOMPARE(QAccessible::queryAccessibleInterface(photo)->text(QAccessible::Name), QString("Foto"));
            QVERIFY(testsupport::activate(card)); // the focus moves as on a desktop
            QLineEdit *rearTyres = card.findChild<QLineEdit *>("pneu_zadni");
            rearTyres->setFocus();
            QTest::keyClick(rearTyres, Qt::Key_Tab);
            QCOMPARE(card.focusWidget(), photo);

            farm.dialogs.pictureFiles = {QString(), file("zetor.bmp", encoded(picture, "BMP"))};
            QTest::keyClick(photo, Qt::Key_Space); // cancelled
            QVERIFY(farm.storedPhoto("Zetor").isNull());
            QTest::keyClick(photo, Qt::Key_Return);
            QVERIFY(samePixels(farm.storedPhoto("Zetor"), picture));

            // Each way of opening the menu, and the entry picked in it by its underlined letter.
            const auto menu = [&] {
                auto *m = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                return m && m->parentWidget() == photo ? m : nullptr;
            };
            QTest::keyClick(photo, Qt::Key_Menu);
            QVERIFY(menu());
            QStringList entries;
            for (QAction *a : menu()->actions())
                if (!a->isSeparator())
                    entries << a->text().section(u'\t', 0, 0);
            QCOMPARE(entries, QStringList({"&Načíst ze souboru…", "&Vložit ze schránky",
                                           "&Kopírovat do schránky", "&Odstranit obrázek"}));
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(menu(), Qt::Key_K);
            QVERIFY(!menu());
            QVERIFY(samePixels(QGuiApplication::clipboard()->image(), picture));

            QGuiApplication::clipboard()->setImage(pasted);
            QTest::keyClick(photo, Qt::Key_F10, Qt::ShiftModifier);
            QVERIFY(menu());
            QTest::keyClick(menu(), Qt::Key_V);
            overBareSurface(&card);
            QVERIFY(samePixels(farm.storedPhoto("Zetor"), pasted));

            farm.dialogs.pictureFiles = {file("zetor2.bmp", encoded(picture, "BMP"))};
            QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                         photo->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(photo, &rightClick);
            QVERIFY(menu());
            QTest::keyClick(menu(), Qt::Key_N);
            QVERIFY(samePixels(farm.storedPhoto("Zetor"), picture));

            farm.dialogs.answers = {true};
            QTest::keyClick(photo, Qt::Key_Menu);
            QTest::keyClick(menu(), Qt::Key_O);
            QCOMPARE(farm.dialogs.texts("confirm"),
                     QStringList{"Opravdu chcete odstranit danou fotografii z databáze?"});
            QVERIFY(farm.storedPhoto("Zetor").isNull());
            QVERIFY(photo->image().isNull());
            QCOMPARE(farm.dialogs.texts("default error"), QStringList());
            buttonOf(card, "Button1")->click();
        });
        farm.list([&](MachineList &list) { buttonOf(list, "Button1")->click(); });
    }

    // Text set through the accessibility interface is stored like typed text, but never into the name or the
    // year, which the card shows disabled.
    void textThroughAccessibility()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "seznam_stroju", {{"Zetor", "1985"}});
        farm.onCard([&](MachineCard &card) {
            auto setText = [&](const char *field, const QString &text) {
                QAccessible::queryAccessibleInterface(card.findChild<QLineEdit *>(field))
                    ->setText(QAccessible::Value, text);
            };
            setText("barva", "červená");
            setText("stroj", "Fella");
            QCOMPARE(card.findChild<QLineEdit *>("stroj")->text(), QString("Zetor"));
            buttonOf(card, "Button1")->click();
        });
        farm.list([&](MachineList &list) { buttonOf(list, "Button1")->click(); });
        QVERIFY2(farm.stored("seznam_stroju")[0].startsWith("Zetor|1985|"),
                 qPrintable(farm.stored("seznam_stroju")[0]));
        QVERIFY(farm.stored("seznam_stroju")[0].contains("|červená|"));
    }

    // Files that are no usable bitmap: a clear Czech message naming the file, the stored photo unchanged.
    void brokenFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray bmp = encoded(testPicture(), "BMP");
        QTest::newRow("png named .bmp") << encoded(testPicture(), "PNG");
        QTest::newRow("truncated") << bmp.left(bmp.size() / 2);
        QTest::newRow("random bytes") << QByteArray("BM\x13\x37 not a bitmap at all, just text....");
        QByteArray huge = bmp;
        qToLittleEndian<qint32>(9000, huge.data() + 18); // width in the header
        qToLittleEndian<qint32>(9000, huge.data() + 22);
        huge = huge.left(54) + QByteArray(64, '\0');
        qToLittleEndian<quint32>(quint32(huge.size()), huge.data() + 2);
        QTest::newRow("9000 x 9000") << huge;
        QTest::newRow("empty") << QByteArray();
    }
    void brokenFiles()
    {
        QFETCH(QByteArray, bytes);
        Farm farm;
        testsupport::fillTable(farm.db, "seznam_stroju", {{"Zetor", "1985"}});
        const QImage picture = testPicture(8, 8);
        farm.onCard([&](MachineCard &card) {
            auto *photo = card.findChild<machines::PhotoField *>("DBImage1");
            farm.dialogs.pictureFiles = {file("good.bmp", encoded(picture, "BMP")), file("photo.bmp", bytes)};
            QTest::mouseClick(photo, Qt::LeftButton);
            QTest::mouseClick(photo, Qt::LeftButton);
            const QStringList errors = farm.dialogs.texts("default error");
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors[0].contains("photo.bmp") || errors[0].contains("příliš velký"),
                     qPrintable(errors[0]));
            QVERIFY(samePixels(farm.storedPhoto("Zetor"), picture));
            QVERIFY(samePixels(photo->image(), picture));
            buttonOf(card, "Button1")->click();
        });
        farm.list([&](MachineList &list) { buttonOf(list, "Button1")->click(); });
    }
};

VELMORA_REGISTER_TEST(MachineTest)
#include "tst_machines.moc"
