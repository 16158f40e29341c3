#pragma once

#include "layout.h"

#include <QByteArray>
#include <QDate>
#include <QRectF>
#include <QString>
#include <vector>

namespace store {
class Query;
}

namespace reports {

// One thing to draw on a page, in mm from the paper's top-left corner (margins included).
struct PageItem {
    enum class Kind { Text, Line, Rect, Picture };
    Kind kind = Kind::Text;
    QRectF box; // Line: from topLeft to bottomRight
    QString text;
    double pointSize = 10;
    bool bold = false;
    bool underline = false;
    Align align = Align::Left;
    QByteArray picture; // Picture: the stored bytes (BMP and the like)
    QString element;    // the name of the element it comes from, when it has one
    BandKind band = BandKind::Detail;
};

struct Page {
    std::vector<PageItem> items;

    // The texts on the page, in order, for tests and tools.
    std::vector<const PageItem *> texts() const;
};

// Builds the pages of a layout over its open query (none for a layout without one): the title band on page 1,
// the column header on every page, a detail band per row in the query's order with page breaks, the summary
// once after the last row; an empty query prints one blank detail band and sums and counts of 0.
std::vector<Page> buildPages(const Layout &layout, const store::Query *query, const QDate &today);

} // namespace reports
