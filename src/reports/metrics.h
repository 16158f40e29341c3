#pragma once

#include <QFont>
#include <QString>

namespace reports {

// The report font: Arial (resolved to the metric-compatible Liberation Sans) at a point size.
QFont reportFont(double pointSize, bool bold = false, bool underline = false);

// Width and line height of a text in the report font, in mm, the same on every device.
double textWidthMm(const QString &text, double pointSize = 10, bool bold = false);
double lineHeightMm(double pointSize = 10);

} // namespace reports
