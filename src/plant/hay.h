#pragma once

#include "books/bookspec.h"

namespace app {
class ScreenRegistry;
}

namespace plant {

// The stores and issues of hay and straw in small and big bales, and haylage.
books::BookSpec baleStore(const QString &issuedTotal);
books::BookSpec baleIssue();
books::BookSpec haylage();

void registerHayBooks(app::ScreenRegistry &screens);

} // namespace plant
