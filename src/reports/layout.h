#pragma once

#include <QString>
#include <vector>

// A report layout as data: bands of elements at millimetre positions. Page: A4 portrait, 10 mm margins, so
// every band is 190 mm wide and a page holds 277 mm of bands; base font Arial 10 pt.
namespace reports {

inline constexpr double kPageWidthMm = 210, kPageHeightMm = 297, kMarginMm = 10;
inline constexpr double kBandWidthMm = kPageWidthMm - 2 * kMarginMm;  // 190
inline constexpr double kBandSpaceMm = kPageHeightMm - 2 * kMarginMm; // 277

enum class BandKind {
    Title,        // once, at the top of the first page
    ColumnHeader, // at the top of every page
    Detail,       // once per row of the query; once in a layout without a query
    Summary,      // once, after the last row
};

enum class ElementKind {
    Label,       // text: the caption; a named label is a slot callers set
    Field,       // text: the field name (any case); prints the value as the grid shows it
    Picture,     // text: the field name; the picture stretched to the box
    Date,        // the current date, d.M.yyyy
    PageNumber,  // the number of the current page
    DetailCount, // the number of rows printed
    Expression,  // text: "SUM(Query1.Field)" or "SUM(Query1.A)-SUM(Query1.B)"; a plain number
    HLine,       // from (x, y) w mm to the right
    VLine,       // from (x, y) h mm down
    Rect,        // the box x, y, w, h
};

enum class Align { Left, Right, Centre };

struct Element {
    ElementKind kind = ElementKind::Label;
    QString text;
    double x = 0, y = 0; // mm from the band's left edge and top
    // The box the element is drawn and clipped in. w == 0: to the band's right edge (for Centre: the whole
    // band width, x ignored). h == 0: one line of the element's font.
    double w = 0, h = 0;
    Align align = Align::Left;
    double pointSize = 10;
    bool bold = false;
    bool underline = false;
    QString name; // for elements callers address: "QRLabel14", "QRDBImage1"
    bool visible = true;
};

struct Band {
    BandKind kind = BandKind::Detail;
    double height = 0; // mm
    std::vector<Element> elements;
    QString name; // for bands callers address: "QRBand4"
};

struct Layout {
    QString className;       // "TQuickReport23"
    QString title;           // the preview window's and the print job's title
    QString storedQuery;     // one line; empty for a layout without a query
    std::vector<Band> bands; // in the order title, column header, detail, summary (only those it has)

    Element *element(const QString &name);
    const Element *element(const QString &name) const;
    Band *band(const QString &name);
    const Band *band(BandKind kind) const;
};

// The 26 layouts, in the order in which the program creates them at start.
std::vector<Layout> allLayouts();

} // namespace reports
