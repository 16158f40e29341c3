#pragma once

#include <QString>

namespace help {

// The text of "O aplikaci" (TForm65).
QString aboutApplicationText();
// The text of "Popis sekcí" (TForm66).
QString sectionsText();

} // namespace help
