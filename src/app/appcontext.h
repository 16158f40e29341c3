#pragma once

namespace store {
class Database;
}

namespace app {

class Dialogs;
class ScreenRegistry;
struct Workspace;

// What every screen is handed: the engine, the main menu state, the dialogs and the screens it may open.
// Report layouts join here once they exist. No globals.
struct AppContext {
    store::Database &db;
    Workspace &workspace;
    Dialogs &dialogs;
    const ScreenRegistry &screens;
};

} // namespace app
