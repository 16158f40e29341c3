#pragma once

#include <QString>

class QApplication;

namespace app {

// Before any window: Qt's own Czech texts (standard buttons read "Ano", "Ne", "OK"; print and file dialogs in
// Czech), and Arial, the font of the reports, resolved to the metric-compatible Liberation Sans.
void prepareApplication(QApplication &application);

// Why the program cannot start in `dataDir`: the installation tables that are missing, and how to prepare
// them. Empty when all are there.
QString missingTablesMessage(const QString &dataDir);

} // namespace app
