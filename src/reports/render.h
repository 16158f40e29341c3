#pragma once

#include "pages.h"

#include <QString>
#include <vector>

class QPagedPaintDevice;
class QPrinter;

namespace reports {

// Draws the pages on a paged device (printer, preview, PDF writer) whose page is the whole A4 sheet.
// Positions convert from mm with the device's own resolution; fonts are sized in points.
void render(const std::vector<Page> &pages, QPagedPaintDevice &device);

// Sets a printer to A4 portrait without margins of its own: the pages carry their margins.
void preparePrinter(QPrinter &printer, const QString &title);

// Writes the pages to a PDF file; false with `error` set when the file cannot be written.
bool writePdf(const std::vector<Page> &pages, const QString &path, const QString &title,
              QString *error = nullptr);

} // namespace reports
