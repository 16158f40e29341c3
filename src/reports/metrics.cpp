#include "metrics.h"

#include <QFontMetricsF>
#include <QImage>

namespace reports {

namespace {

// Measured on an image of 1200 dpi, so that layout geometry does not depend on the screen.
constexpr double kDpi = 1200;

const QImage &measuringDevice()
{
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(qRound(kDpi / 0.0254));
        i.setDotsPerMeterY(qRound(kDpi / 0.0254));
        return i;
    }();
    return image;
}

} // namespace

QFont reportFont(double pointSize, bool bold, bool underline)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setUnderline(underline);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

double textWidthMm(const QString &text, double pointSize, bool bold)
{
    const QFontMetricsF fm(reportFont(pointSize, bold), &measuringDevice());
    return fm.horizontalAdvance(text) / kDpi * 25.4;
}

double lineHeightMm(double pointSize)
{
    const QFontMetricsF fm(reportFont(pointSize), &measuringDevice());
    return fm.height() / kDpi * 25.4;
}

} // namespace reports
