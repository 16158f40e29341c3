#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The field-size help pages: table by table, each field's width or kind, taken from the table catalogue so
// that the pages always tell the truth about the tables.
namespace help {

struct SizeRow {
    QString field; // the stored field
    QString name;  // as the page writes it
    QString size;  // "20", or "datum", "číslo", "měna", "text", "obrázek"
};

struct SizeGroup {
    QString title; // "Seznam strojů:"
    QString table; // the catalogue base the rows come from; empty for a group of notes only
    std::vector<SizeRow> rows;
    QStringList notes; // lines under the rows
};

struct SizePage {
    QString className; // "TForm33"
    QString caption;
    QString forwardCaption; // empty on the last page
    QString next;           // the class the forward button opens
    std::vector<SizeGroup> groups;
};

// The five pages in chain order: TForm33, TForm34, TForm35, TForm36, TForm60.
const std::vector<SizePage> &fieldSizePages();

} // namespace help
