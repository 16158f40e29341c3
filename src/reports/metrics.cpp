#include "metrics.h"

#include <QFontMetricsF>
#include <QImage>
#include <map>

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

// The layouts measure hundreds of captions at start in a handful of fonts: resolve each font once.
static const QFontMetricsF &metrics(double pointSize, bool bold)
{
    static std::map<std::pair<double, bool>, QFontMetricsF> cache;
    const auto key = std::make_pair(pointSize, bold);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, QFontMetricsF(reportFont(pointSize, bold), &measuringDevice())).first;
    return it->second;
}

double textWidthMm(const QString &text, double pointSize, bool bold)
{
    return metrics(pointSize, bold).horizontalAdvance(text) / kDpi * 25.4;
}

double lineHeightMm(double pointSize) { return metrics(pointSize, false).height() / kDpi * 25.4; }

} // namespace reports
