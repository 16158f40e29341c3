#pragma once

#include "mainwindow.h"
#include "reports/report.h"
#include "screen.h"
#include "screenregistry.h"
#include "store/database.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QApplication;

namespace app {

class Dialogs;

// What runs for the whole program: the engine over the data directory, the screens and the main window.
struct Program {
    explicit Program(const QString &dataDir) : db(dataDir) {}
    store::Database db;
    ScreenRegistry screens;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<reports::ReportLibrary> reports;
    // The two information screens created hidden at start (the menu opens instances of its own).
    std::vector<std::unique_ptr<Screen>> information;
};

// The start-up order up to the main window, not yet shown: the application prepared, the installation tables
// checked (when some are missing, one error box says which and how to prepare them, and the result is null),
// the engine, the screens each section registers, the main window, the 26 report layouts (a table one of them
// cannot open is named in one error box, and the program goes on without it), the two hidden information
// screens. The data directory is the current one.
std::unique_ptr<Program> startProgram(QApplication &application, Dialogs &dialogs,
                                      const std::function<void(ScreenRegistry &)> &registerScreens);

// Before any window: Qt's own Czech texts (standard buttons read "Ano", "Ne", "OK"; print and file dialogs in
// Czech), and Arial, the font of the reports, resolved to the metric-compatible Liberation Sans.
void prepareApplication(QApplication &application);

// SIGTERM and SIGINT (a session ending, a service manager) close the program as "Ukonči program" does, through
// the event loop, instead of killing it between two steps.
void quitOnTerminationSignals(QApplication &application);

// Why the program cannot start in `dataDir`: the installation tables that are missing, and how to prepare
// them. Empty when all are there.
QString missingTablesMessage(const QString &dataDir);

} // namespace app
