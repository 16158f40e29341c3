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

void registerBooks(app::ScreenRegistry &screens);

} // namespace plant
