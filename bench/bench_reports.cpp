// Report benchmarks: the fuel purchase list (TQuickReport23) over 10 000 rows laid out into pages, those
// pages written to a PDF, and the floor for the PDF: the same texts drawn with QPainter alone.

#include "guimain.h"
#include "purchases.h"

#include "reports/render.h"
#include "reports/report.h"
#include "store/database.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <map>
#include <memory>
#include <stdexcept>
#include <tuple>

namespace {

constexpr int kRows = 10000;
constexpr int kDpi = 600; // what writePdf asks of its writer
const QString kTable = QStringLiteral("phm_nakup2004");
const QDate kToday(2005, 1, 15); // a fixed print date, so every run lays out the same texts

struct Fixture {
    bench::PurchaseDir data{kRows, {kTable}};
    store::Database db{data.dir.path()};
    reports::ReportLibrary lib{db};
    reports::Report &report = lib.get(QStringLiteral("TQuickReport23"));

    Fixture()
    {
        // As the fuel purchase book prints it.
        report.setQuery({QStringLiteral("select * from ") + kTable});
        report.setCaption(QStringLiteral("QRLabel14"), QStringLiteral("2004"));
    }
    QString output(const char *name) const { return data.dir.filePath(QString::fromLatin1(name)); }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

const std::vector<reports::Page> &builtPages()
{
    static const std::vector<reports::Page> pages = fixture().report.buildPages(kToday);
    return pages;
}

std::size_t textCount(const std::vector<reports::Page> &pages)
{
    std::size_t n = 0;
    for (const reports::Page &p : pages)
        n += p.texts().size();
    return n;
}

void BM_BuildPages(benchmark::State &state)
{
    const reports::Report &r = fixture().report;
    std::size_t pages = 0;
    for (auto _ : state) {
        std::vector<reports::Page> built = r.buildPages(kToday);
        pages = built.size();
        benchmark::DoNotOptimize(built);
    }
    state.counters["pages"] = double(pages);
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BuildPages)->Unit(benchmark::kMillisecond);

void BM_WritePdf(benchmark::State &state)
{
    const std::vector<reports::Page> &pages = builtPages();
    const QString path = fixture().output("engine.pdf");
    for (auto _ : state) {
        QString error;
        if (!reports::writePdf(pages, path, QStringLiteral("PHM - nákup"), &error)) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
    state.counters["pages"] = double(pages.size());
    state.counters["texts"] = double(textCount(pages));
    state.counters["pdf_MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond)->MinTime(2);

// What the baseline draws: the built pages reduced to device boxes, prepared fonts and strings, so that the
// timed loop holds nothing but QPainter calls.
struct PlainText {
    QRectF box; // device dots
    int font;
    int flags;
    QString text;
};
struct PlainLine {
    bool rect;
    QRectF box; // Line: from topLeft to bottomRight
};
struct PlainPage {
    std::vector<PlainText> texts;
    std::vector<PlainLine> rules;
};
struct PlainDocument {
    std::vector<QFont> fonts;
    std::vector<PlainPage> pages;
};

PlainDocument plainDocument(const std::vector<reports::Page> &pages)
{
    constexpr double dotsPerMm = kDpi / 25.4;
    auto dots = [](const QRectF &mm) {
        return QRectF(mm.x() * dotsPerMm, mm.y() * dotsPerMm, mm.width() * dotsPerMm,
                      mm.height() * dotsPerMm);
    };
    PlainDocument doc;
    std::map<std::tuple<double, bool, bool>, int> fontIndex;
    for (const reports::Page &page : pages) {
        PlainPage &out = doc.pages.emplace_back();
        for (const reports::PageItem &item : page.items) {
            switch (item.kind) {
            case reports::PageItem::Kind::Text: {
                const auto key = std::make_tuple(item.pointSize, item.bold, item.underline);
                auto it = fontIndex.find(key);
                if (it == fontIndex.end()) {
                    QFont f(QStringLiteral("Arial"));
                    f.setPointSizeF(item.pointSize);
                    f.setBold(item.bold);
                    f.setUnderline(item.underline);
                    f.setStyleHint(QFont::SansSerif);
                    doc.fonts.push_back(f);
                    it = fontIndex.emplace(key, int(doc.fonts.size()) - 1).first;
                }
                const int h = item.align == reports::Align::Right    ? Qt::AlignRight
                              : item.align == reports::Align::Centre ? Qt::AlignHCenter
                                                                     : Qt::AlignLeft;
                out.texts.push_back(
                    {dots(item.box), it->second, h | Qt::AlignTop | Qt::TextSingleLine, item.text});
                break;
            }
            case reports::PageItem::Kind::Line:
                out.rules.push_back(
                    {false, QRectF(item.box.topLeft() * dotsPerMm, item.box.bottomRight() * dotsPerMm)});
                break;
            case reports::PageItem::Kind::Rect:
                out.rules.push_back({true, dots(item.box)});
                break;
            case reports::PageItem::Kind::Picture:
                throw std::runtime_error("the fuel purchase list has no pictures");
            }
        }
    }
    return doc;
}

// The floor for writePdf: the same texts in the same boxes, fonts and pages, each clipped to its box, on a
// writer set up the same way; rules drawn unclipped after the texts of their page.
void BM_PdfBaseline(benchmark::State &state)
{
    const PlainDocument doc = plainDocument(builtPages());
    const QString path = fixture().output("baseline.pdf");
    std::size_t texts = 0;
    for (const PlainPage &p : doc.pages)
        texts += p.texts.size();
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            state.SkipWithError(file.errorString().toStdString().c_str());
            break;
        }
        {
            QPdfWriter writer(&file);
            writer.setTitle(QStringLiteral("PHM - nákup"));
            writer.setCreator(QStringLiteral("Velmora"));
            writer.setResolution(kDpi);
            writer.setPageLayout(
                QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
            QPainter p(&writer);
            p.setRenderHint(QPainter::Antialiasing);
            const QPen rule(Qt::black, 0.25 * kDpi / 25.4);
            for (std::size_t i = 0; i < doc.pages.size(); ++i) {
                if (i > 0)
                    writer.newPage();
                p.setPen(Qt::black);
                int font = -1;
                for (const PlainText &t : doc.pages[i].texts) {
                    if (t.font != font) {
                        font = t.font;
                        p.setFont(doc.fonts[std::size_t(font)]);
                    }
                    p.setClipRect(t.box);
                    p.drawText(t.box, t.flags, t.text);
                }
                p.setClipping(false);
                p.setPen(rule);
                p.setBrush(Qt::NoBrush);
                for (const PlainLine &l : doc.pages[i].rules) {
                    if (l.rect)
                        p.drawRect(l.box);
                    else
                        p.drawLine(l.box.topLeft(), l.box.bottomRight());
                }
            }
        }
        file.close();
    }
    state.counters["pages"] = double(doc.pages.size());
    state.counters["texts"] = double(texts);
    state.counters["pdf_MB"] = double(QFileInfo(path).size()) / 1e6;
}
BENCHMARK(BM_PdfBaseline)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
