#pragma once

#include "bookspec.h"

#include <vector>

namespace app {
class ScreenRegistry;
}

namespace books {

// The seven yearly books of the machines: spare parts, services, fuel bought and drawn, lubricants, own
// repairs and repairs for others.
std::vector<BookSpec> machineryBooks();

// Registers every record book with the main menu's screens.
void registerBooks(app::ScreenRegistry &screens);

} // namespace books
