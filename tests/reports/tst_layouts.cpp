#include "reports/report.h"
#include "store/database.h"
#include "store/query.h"
#include "support/datadir.h"
#include "support/testmain.h"

using namespace reports;

namespace {

QStringList texts(const Page &page, BandKind band)
{
    QStringList t;
    for (const PageItem *i : page.texts())
        if (i->band == band)
            t << i->text;
    return t;
}

const PageItem *itemNamed(const Page &page, const QString &name)
{
    for (const PageItem &i : page.items)
        if (i.element == name)
            return &i;
    return nullptr;
}

} // namespace

class LayoutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // All 26 layouts, in the order of start-up, each opening its stored query on the installation tables.
    void createdAtStart()
    {
        testsupport::DataDir dir;
        store::Database db(dir.path());
        ReportLibrary library(db);
        QStringList names;
        for (const auto &r : library.all()) {
            names << r->className();
            QCOMPARE(bool(r->query()), r->className() != "TQuickReport63");
            if (r->query())
                QVERIFY(r->query()->isOpen());
        }
        QCOMPARE(names, (QStringList{"TQuickReport4",  "TQuickReport9",  "TQuickReport11", "TQuickReport12",
                                     "TQuickReport16", "TQuickReport17", "TQuickReport19", "TQuickReport21",
                                     "TQuickReport23", "TQuickReport25", "TQuickReport27", "TQuickReport29",
                                     "TQuickReport31", "TQuickReport38", "TQuickReport41", "TQuickReport42",
                                     "TQuickReport44", "TQuickReport46", "TQuickReport48", "TQuickReport49",
                                     "TQuickReport51", "TQuickReport53", "TQuickReport55", "TQuickReport57",
                                     "TQuickReport59", "TQuickReport63"}));
        // Every layout prints on an empty table: one page, nothing outside the printable area.
        for (const auto &r : library.all()) {
            const auto pages = r->buildPages();
            QCOMPARE(pages.size(), size_t(1));
            for (const PageItem &i : pages[0].items) {
                QVERIFY2(i.box.left() >= 10 - 1e-6 && i.box.right() <= 200 + 1e-6,
                         qPrintable(r->className()));
                QVERIFY2(i.box.top() >= 10 - 1e-6 && i.box.bottom() <= 287 + 1e-6,
                         qPrintable(r->className()));
            }
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, library.get("TQuickReport5"));
    }

    // The fuel purchase list as its book prints it: the year label, the rows, the totals and the footer.
    void fuelPurchaseList()
    {
        testsupport::DataDir dir;
        dir.addYear("2004");
        store::Database db(dir.path());
        testsupport::fillTable(db, "phm_nakup2004",
                               {{"5.9.2004", "120,5", "3615,25"}, {"6.9.2004", "80", "2400"}});
        ReportLibrary library(db);
        Report &r = library.get("TQuickReport23");
        QCOMPARE(r.title(), QString("PHM - nákup"));
        r.setQuery({"select * from phm_nakup2004"});
        QVERIFY(r.setCaption("QRLabel14", "2004"));
        const auto pages = r.buildPages(QDate(2004, 9, 7));
        QCOMPARE(pages.size(), size_t(1));
        const QStringList title = texts(pages[0], BandKind::Title);
        for (const QString t : {"Vytištěno dne:", "7.9.2004", "Rok databáze:", "2004", "PHM - nákup"})
            QVERIFY2(title.contains(t), qPrintable(t));
        QCOMPARE(texts(pages[0], BandKind::Detail),
                 (QStringList{"5.9.2004", "120,5", "3615,25", "6.9.2004", "80", "2400"}));
        const QStringList summary = texts(pages[0], BandKind::Summary);
        for (const QString t : {"Celkové množství:", "200,5", "l", "Celková cena:", "6015,25", "Kč",
                                "Vytištěno v progamu Brenvik"})
            QVERIFY2(summary.contains(t), qPrintable(t));
    }

    // The crop store's stock goes negative when more was issued than stored.
    void cropStoreStock()
    {
        testsupport::DataDir dir;
        store::Database db(dir.path());
        testsupport::fillTable(
            db, "psenice_sklad",
            {{"1.8.2004", "10", "", "", "pole u lesa"}, {"2.9.2004", "", "15", "4500", "Mlýn"}});
        ReportLibrary library(db);
        Report &r = library.get("TQuickReport46");
        r.setQuery({"select * from psenice_sklad"});
        const QStringList summary = texts(r.buildPages()[0], BandKind::Summary);
        const qsizetype stock = summary.indexOf("Aktuální zásoba:");
        QVERIFY(stock >= 0);
        QVERIFY(summary.contains("-5"));
    }

    // A text longer than its column is clipped to the column, never drawn over the next one.
    void longTextsStayInTheirColumn()
    {
        testsupport::DataDir dir;
        dir.addYear("2004");
        store::Database db(dir.path());
        testsupport::fillTable(db, "nahr_dily2004",
                               {{"5.9.2004", "ložisko kola přední", "12", "Zetor 7211 s čelním",
                                 QString(40, u'M'), "123456789,5"}});
        ReportLibrary library(db);
        Report &r = library.get("TQuickReport19");
        r.setQuery({"select * from nahr_dily2004"});
        std::vector<const PageItem *> fields;
        const std::vector<Page> pages = r.buildPages();
        for (const PageItem *i : pages[0].texts())
            if (i->band == BandKind::Detail)
                fields.push_back(i);
        QVERIFY(fields.size() >= 5);
        for (size_t a = 0; a < fields.size(); ++a)
            for (size_t b = a + 1; b < fields.size(); ++b)
                QVERIFY(!fields[a]->box.intersects(fields[b]->box));
    }

    // The machine list without photos: the column caption and the picture hidden, one text line per machine.
    void machineListWithoutPhotos()
    {
        testsupport::DataDir dir;
        store::Database db(dir.path());
        ReportLibrary library(db);
        Report &r = library.get("TQuickReport17");
        QVERIFY(r.setVisible("QRLabel7", false));
        QVERIFY(r.setVisible("QRDBImage1", false));
        QVERIFY(r.setBandHeight("QRBand4", 4.2));
        const Page page = r.buildPages()[0];
        QVERIFY(!itemNamed(page, "QRLabel7"));
        QVERIFY(!itemNamed(page, "QRDBImage1"));
    }

    // The evaluation prints the values its screen set into the slots.
    void evaluationSlots()
    {
        testsupport::DataDir dir;
        store::Database db(dir.path());
        ReportLibrary library(db);
        Report &r = library.get("TQuickReport63");
        for (int n : {1, 4, 67, 66})
            QVERIFY2(!r.caption(QString("QRLabel%1").arg(n)).isEmpty(), qPrintable(QString::number(n)));
        for (int n = 45; n <= 64; ++n)
            QCOMPARE(r.caption(QString("QRLabel%1").arg(n)), QString("0000000"));
        r.setCaption("QRLabel58", "12500");
        r.setCaption("QRLabel66", "-300 Kč");
        const QStringList detail = texts(r.buildPages()[0], BandKind::Detail);
        QVERIFY(detail.contains("12500"));
        QVERIFY(detail.contains("-300 Kč"));
        QVERIFY(detail.contains("Žito - sklad"));
    }
};

VELMORA_REGISTER_TEST(LayoutsTest)
#include "tst_layouts.moc"
