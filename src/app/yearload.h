#pragma once

#include <QString>

class QWidget;

namespace app {

struct AppContext;

// A working year as typed: exactly four characters that read as a whole number, an optional sign included
// ("2004", "0042", "+200"). Blanks are refused, so a year always makes a valid table name.
bool isValidYear(const QString &text);

struct YearLoadResult {
    bool valid = false;   // false: the text is no year, the error box was shown and nothing changed
    bool created = false; // at least one year table was really created
};

// The tables part of the year load of "Načti ": sets the working year and makes sure the 20 year tables
// exist, each missing one copied from its template; failures are reported in error boxes and the load goes
// on. The caller enables the sections, and then tells of created tables with createdMessage().
YearLoadResult loadYear(AppContext &ctx, QWidget *parent, const QString &text);

QString createdMessage(const QString &year);

} // namespace app
