#include "reports/pages.h"
#include "reports/preview.h"
#include "reports/render.h"
#include "reports/report.h"
#include "store/database.h"
#include "store/error.h"
#include "store/query.h"
#include "store/values.h"
#include "support/datadir.h"
#include "support/testmain.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

using namespace reports;

namespace {

Element text(ElementKind kind, const QString &t, double x, double y, double w = 0, const QString &name = {})
{
    Element e;
    e.kind = kind;
    e.text = t;
    e.x = x;
    e.y = y;
    e.w = w;
    e.name = name;
    return e;
}

// A small list layout over phm_nakup: title 30 mm, header 10 mm, detail 10 mm, summary 20 mm.
Layout smallLayout()
{
    Layout l;
    l.className = "TQuickReportTest";
    l.title = "Zkouška";
    l.storedQuery = "select * from phm_nakup2004";
    l.bands = {
        {BandKind::Title, 30, {text(ElementKind::Label, "Nadpis", 0, 0, 0, "QRLabel1")}, {}},
        {BandKind::ColumnHeader,
         10,
         {text(ElementKind::Label, "Strana číslo:", 0, 0, 20), text(ElementKind::PageNumber, {}, 22, 0, 10)},
         {}},
        {BandKind::Detail,
         10,
         {text(ElementKind::Field, "Datum", 0, 0, 30), text(ElementKind::Field, "MNOZSTVI", 40, 0, 30),
          text(ElementKind::Field, "cena", 80, 0, 30, "QRDBText3")},
         "QRBand4"},
        {BandKind::Summary,
         20,
         {text(ElementKind::Expression, "SUM(Query1.Cena)", 0, 0, 40),
          text(ElementKind::Expression, "SUM(Query1.Mnozstvi)-SUM(Query1.Cena)", 50, 0, 40),
          text(ElementKind::DetailCount, {}, 100, 0, 40)},
         {}},
    };
    return l;
}

struct Fixture {
    testsupport::DataDir dir;
    store::Database db{dir.path()};
    Fixture() { dir.addYear("2004"); }
    void rows(int n, double quantity = 2, double price = 3)
    {
        store::Query q(db);
        q.add("select * from phm_nakup2004");
        q.open();
        for (int i = 0; i < n; ++i) {
            q.append();
            q.setFieldText("datum", QString("%1.1.2004").arg(i % 28 + 1));
            q.setFieldText("mnozstvi", store::numberText(quantity, QLocale::c()));
            q.setFieldText("cena", store::numberText(price, QLocale::c()));
            q.post();
        }
    }
};

QStringList textsOf(const Page &page, BandKind band)
{
    QStringList t;
    for (const PageItem *i : page.texts())
        if (i->band == band)
            t << i->text;
    return t;
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Title once, header and page number on every page, rows in order across pages, totals once at the end.
    void longTableAcrossPages()
    {
        Fixture f;
        f.rows(50, 2, 3.5);
        Report report(smallLayout(), f.db);
        const auto pages = report.buildPages(QDate(2004, 9, 5));
        // Page 1 holds (277 - 30 - 10) / 10 = 23 rows, page 2 (277 - 10) / 10 = 26, page 3 the last row.
        QCOMPARE(pages.size(), size_t(3));
        QCOMPARE(textsOf(pages[0], BandKind::Title), QStringList{"Nadpis"});
        int detailRows = 0;
        for (size_t p = 0; p < pages.size(); ++p) {
            QCOMPARE(textsOf(pages[p], BandKind::ColumnHeader),
                     (QStringList{"Strana číslo:", QString::number(p + 1)}));
            if (p > 0)
                QVERIFY(textsOf(pages[p], BandKind::Title).isEmpty());
            detailRows += int(textsOf(pages[p], BandKind::Detail).size() / 3);
            QCOMPARE(textsOf(pages[p], BandKind::Summary).isEmpty(), p + 1 < pages.size());
        }
        QCOMPARE(detailRows, 50);
        QCOMPARE(textsOf(pages[0], BandKind::Detail).mid(0, 3), (QStringList{"1.1.2004", "2", "3,5"}));
        QCOMPARE(textsOf(pages[2], BandKind::Summary), (QStringList{"175", "-75", "50"}));
        // Bands stack from the top margin down, the header under the title on page 1.
        const PageItem *firstHeader = pages[0].texts()[1];
        QCOMPARE(firstHeader->box.top(), 10.0 + 30.0);
        QVERIFY(pages[1].texts()[0]->box.top() == 10.0);
        for (const Page &page : pages)
            for (const PageItem &i : page.items)
                QVERIFY(i.box.bottom() <= 287.0 + 1e-6);
    }

    // An empty table prints title, header, one blank line and totals of 0.
    void emptyTable()
    {
        Fixture f;
        Report report(smallLayout(), f.db);
        const auto pages = report.buildPages();
        QCOMPARE(pages.size(), size_t(1));
        QCOMPARE(textsOf(pages[0], BandKind::Detail), (QStringList{"", "", ""}));
        QCOMPARE(textsOf(pages[0], BandKind::Summary), (QStringList{"0", "0", "0"}));
    }

    // Totals start from zero at every preview; a summary that does not fit goes to a page of its own.
    void summaryOnNewPageAndFreshTotals()
    {
        Fixture f;
        f.rows(24, 1, 1); // 23 rows fill page 1, the 24th goes to page 2
        Layout l = smallLayout();
        l.bands[3].height = 270;
        Report report(l, f.db);
        auto pages = report.buildPages();
        QCOMPARE(pages.size(), size_t(3));
        QCOMPARE(textsOf(pages[2], BandKind::Summary), (QStringList{"24", "0", "24"}));
        pages = report.buildPages();
        QCOMPARE(textsOf(pages[2], BandKind::Summary), (QStringList{"24", "0", "24"}));
    }

    // Captions set by callers, hidden elements and changed band heights reach the pages.
    void settingsOfCallers()
    {
        Fixture f;
        f.rows(2);
        Report report(smallLayout(), f.db);
        QVERIFY(report.setCaption("QRLabel1", "PHM - nákup 2004"));
        QVERIFY(report.setVisible("QRDBText3", false));
        QVERIFY(report.setBandHeight("QRBand4", 20));
        QVERIFY(!report.setCaption("QRLabel99", "x"));
        auto pages = report.buildPages();
        QCOMPARE(textsOf(pages[0], BandKind::Title), QStringList{"PHM - nákup 2004"});
        const QStringList detail = textsOf(pages[0], BandKind::Detail);
        QCOMPARE(detail.size(), 4); // two rows, two visible fields each
        QCOMPARE(pages[0].texts().back()->box.top(), 10.0 + 30 + 10 + 2 * 20);
        report.setVisible("QRDBText3", true);
        QCOMPARE(textsOf(report.buildPages()[0], BandKind::Detail).size(), 6);
    }

    // A band as tall as the page prints one row per page; a layout without a query prints its band once.
    void cardsAndLayoutsWithoutQuery()
    {
        Fixture f;
        f.rows(3);
        Layout card;
        card.className = "Card";
        card.storedQuery = "select * from phm_nakup2004";
        card.bands = {{BandKind::Detail, kBandSpaceMm, {text(ElementKind::Field, "cena", 0, 0)}, {}}};
        QCOMPARE(Report(card, f.db).buildPages().size(), size_t(3));

        Layout evaluation;
        evaluation.className = "Evaluation";
        evaluation.bands = {
            {BandKind::Detail, 134, {text(ElementKind::Label, "0000000", 0, 0, 0, "QRLabel58")}, {}}};
        Report r(evaluation, f.db);
        QVERIFY(!r.query());
        r.setCaption("QRLabel58", "1250");
        const auto pages = r.buildPages();
        QCOMPARE(pages.size(), size_t(1));
        QCOMPARE(textsOf(pages[0], BandKind::Detail), QStringList{"1250"});
    }

    // The same pages written as a PDF: three pages for a three-page report.
    void pdfPages()
    {
        Fixture f;
        f.rows(50);
        Report report(smallLayout(), f.db);
        QTemporaryDir out;
        const QString path = out.filePath("zkouska.pdf");
        QVERIFY(writePdf(report.buildPages(), path, report.title()));
        const QByteArray pdf = testsupport::fileBytes(path);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")), 3);
        QVERIFY(!writePdf(report.buildPages(), out.filePath("chybi/zkouska.pdf"), report.title()));
    }

    // The preview shows the pages, offers the PDF export, zooms, and returns to its caller when closed.
    void previewWindow()
    {
        Fixture f;
        f.rows(50);
        Report report(smallLayout(), f.db);
        int shownPages = 0;
        bool hasPdfAction = false;
        QString title;
        QTimer::singleShot(200, [&] {
            QWidget *preview = QApplication::activeModalWidget();
            QVERIFY(preview);
            title = preview->windowTitle();
            auto *view = preview->findChild<QPrintPreviewWidget *>();
            QVERIFY(view);
            view->updatePreview();
            shownPages = view->pageCount();
            view->zoomIn();
            hasPdfAction = preview->findChild<QAction *>("SavePdf") != nullptr;
            preview->close();
        });
        showPreview(nullptr, report.title(), report.buildPages());
        QCOMPARE(title, QString("Zkouška"));
        QCOMPARE(shownPages, 3);
        QVERIFY(hasPdfAction);
    }

    // A query that cannot open (the year table is missing) fails before anything is built.
    void failingQuery()
    {
        Fixture f;
        Report report(smallLayout(), f.db);
        QVERIFY_THROWS_EXCEPTION(store::Error, report.setQuery({"select * from phm_nakup2031"}));
    }
};

VELMORA_REGISTER_TEST(PagesTest)
#include "tst_pages.moc"
