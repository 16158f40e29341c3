#pragma once

#include "books/bookspec.h"

#include <vector>

namespace app {
class ScreenRegistry;
}

namespace plant {

// The books of plant protection and manure, the crop stores, and other income and expenses.
std::vector<books::BookSpec> plantBooks();

// The crop store's title for its table: "psenice_sklad" -> "Pšenice - sklad".
QString cropTitle(const QString &storeTable);

// The current stock of a store from the totals its labels show: stored less issued, exact and written like
// the totals (a fractional total is not rounded first); a total that is no number counts as 0.
QString stockText(const QString &storedTotal, const QString &issuedTotal);

void registerBooks(app::ScreenRegistry &screens);

} // namespace plant
