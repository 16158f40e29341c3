#pragma once

#include "pages.h"

#include <QString>
#include <vector>

class QWidget;

namespace reports {

// The report preview: Qt's print preview of the pages (page through, zoom, print with printer, copies and
// page range) with "Uložit jako PDF" beside it; titled with the report title. Returns when the window is
// closed.
void showPreview(QWidget *parent, const QString &title, const std::vector<Page> &pages);

} // namespace reports
