#pragma once

namespace store {
class Database;
}

// A small Czech farm for looking at the program: animals, machines with a photo, a year of fuel purchases and
// a few rows in every book of 2004. Shared by the report samples and the screen gallery.
namespace tools {

// Writes the installation tables and the tables of 2004 into the engine's (empty) data directory and fills
// them.
void makeSampleFarm(store::Database &db);

} // namespace tools
