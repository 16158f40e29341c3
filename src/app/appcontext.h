#pragma once

namespace store {
class Database;
}

namespace reports {
class ReportLibrary;
}

namespace app {

class Dialogs;
class ScreenRegistry;
struct Workspace;

// What every screen is handed: the engine, the main menu state, the dialogs, the screens it may open and the
// report layouts (created at start after the main window, hence a pointer). No globals.
struct AppContext {
    store::Database &db;
    Workspace &workspace;
    Dialogs &dialogs;
    const ScreenRegistry &screens;
    reports::ReportLibrary *reports = nullptr;
};

} // namespace app
