#pragma once

#include "app/dialogs.h"

#include <QString>
#include <functional>
#include <vector>

namespace app {
struct Workspace;
}

namespace reports {
class Report;
}

namespace books {

class BookPanel;

struct ButtonSpec {
    QString name;    // "Button2"
    QString caption; // "Vložit záznam"
};

struct SortSpec {
    ButtonSpec button;
    QString field; // "datum": the book adds "order by datum"
};

struct StatisticSpec {
    QString caption;    // "Celkové množství:"
    QString aggregate;  // "select  sum (mnozstvi) as x from " — the book appends its table name; empty: a
                        // value the book derives from the others (BookSpec::afterRefresh)
    QString valueLabel; // "Label3"
    QString unit;       // "l", "Kč" or empty
};

// Every parameter of a record book. A book that differs from another only in values is another entry; where
// it departs from the pattern, a hook says how.
struct BookSpec {
    enum class Table { YearScoped, Shared, FromCaller };
    enum class Style {
        GridLeft, // a narrow grid at the left, the controls in a column at its right
        GridTop,  // a grid across the window, the controls in a row below it
    };
    enum class ValueForm { Text, WholeNumber };

    QString className; // "TForm22"
    QString caption;   // "PHM - nákup"
    Table table = Table::YearScoped;
    QString base; // "phm_nakup"; the whole name for a shared table
    std::function<QString(const app::Workspace &)>
        fromCaller; // Table::FromCaller: the table the main menu handed over

    ButtonSpec insert;
    ButtonSpec remove;
    QString deleteQuestion;
    app::Dialogs::Icon deleteBox = app::Dialogs::Icon::Question;
    QString deleteFailure; // the error box text when a delete fails; empty: the default error display
    QString editCaption = QStringLiteral("Editace:");

    QString sortCaption; // "Seřadit podle:"
    std::vector<SortSpec> sorts;
    ButtonSpec unsorted;

    std::vector<StatisticSpec> statistics; // in the order of refreshing
    std::vector<int> displayOrder;         // indices into statistics, top to bottom; empty: refresh order
    ValueForm valueForm = ValueForm::Text;
    QString designValue = QStringLiteral("0000000"); // what the value labels show until the first refresh

    QString autoPostKey;        // "datum"
    bool blankKeyEmpty = false; // a lone blank " " counts as an empty key too

    ButtonSpec print;
    QString report;                       // "TQuickReport23"
    QString yearLabel;                    // the report's label set to the working year; empty: none
    bool printReopensStoredQuery = false; // the report re-reads its own stored query, nothing else is set

    ButtonSpec back;
    Style style = Style::GridTop;
    int gridHeight = 380; // pixels; less where a window holds two books

    // Departures: extra controls and their actions, added when the window is built;
    std::function<void(BookPanel &)> extras;
    // the window caption, set each time the book becomes active (the crop store names itself after its crop);
    std::function<QString(const app::Workspace &)> captionOnActivate;
    // a step at the end of becoming active (the bale store tells what was issued);
    std::function<void(BookPanel &)> afterActivate;
    // values derived from the statistics just read, run at the end of every refresh;
    std::function<void(BookPanel &)> afterRefresh;
    // what the book sets in its report before the preview, instead of its query and year label.
    std::function<void(BookPanel &, reports::Report &)> printSetup;
};

} // namespace books
