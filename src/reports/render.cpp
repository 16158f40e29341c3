#include "render.h"

#include "metrics.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace reports {

namespace {

QPageLayout a4Sheet()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

Qt::Alignment qtAlign(Align a)
{
    switch (a) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void drawPage(QPainter &p, const Page &page, double dotsPerMm)
{
    auto dev = [dotsPerMm](const QRectF &mm) {
        return QRectF(mm.x() * dotsPerMm, mm.y() * dotsPerMm, mm.width() * dotsPerMm,
                      mm.height() * dotsPerMm);
    };
    const QPen rule(Qt::black, 0.25 * dotsPerMm);
    for (const PageItem &item : page.items) {
        switch (item.kind) {
        case PageItem::Kind::Text: {
            p.save();
            p.setFont(reportFont(item.pointSize, item.bold, item.underline));
            p.setPen(Qt::black);
            const QRectF box = dev(item.box);
            p.setClipRect(box); // a text longer than its column stays in it
            p.drawText(box, int(qtAlign(item.align)) | Qt::TextSingleLine, item.text);
            p.restore();
            break;
        }
        case PageItem::Kind::Line:
            p.setPen(rule);
            p.drawLine(QPointF(item.box.left() * dotsPerMm, item.box.top() * dotsPerMm),
                       QPointF(item.box.right() * dotsPerMm, item.box.bottom() * dotsPerMm));
            break;
        case PageItem::Kind::Rect:
            p.setPen(rule);
            p.setBrush(Qt::NoBrush);
            p.drawRect(dev(item.box));
            break;
        case PageItem::Kind::Picture: {
            const QImage image = QImage::fromData(item.picture);
            if (image.isNull()) // a missing or unreadable photo leaves its box empty
                break;
            // The whole photo, in its proportions, centred in its box.
            const QRectF box = dev(item.box);
            QSizeF size = image.size();
            size.scale(box.size(), Qt::KeepAspectRatio);
            p.drawImage(QRectF(box.center() - QPointF(size.width() / 2, size.height() / 2), size), image);
            break;
        }
        }
    }
}

} // namespace

void render(const std::vector<Page> &pages, QPagedPaintDevice &device)
{
    device.setPageLayout(a4Sheet());
    QPainter p(&device);
    if (!p.isActive())
        return;
    p.setRenderHint(QPainter::Antialiasing);
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        drawPage(p, pages[i], dotsPerMm);
    }
}

void preparePrinter(QPrinter &printer, const QString &title)
{
    printer.setFullPage(true);
    printer.setPageLayout(a4Sheet());
    printer.setDocName(title);
    printer.setCopyCount(1);
}

bool writePdf(const std::vector<Page> &pages, const QString &path, const QString &title, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setResolution(600);
        render(pages, writer);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace reports
