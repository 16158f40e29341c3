#pragma once

#include "bookpanel.h"
#include "bookspec.h"

#include "app/screen.h"

namespace app {
class ScreenRegistry;
}

namespace books {

// The record book window: one book panel, the way back, and the auto-post rule on the window's bare surface.
class RecordBook : public app::Screen {
    Q_OBJECT
public:
    RecordBook(app::AppContext &ctx, BookSpec spec, QWidget *parent);

    BookPanel &panel() { return *m_panel; }
    const BookSpec &spec() const { return m_panel->spec(); }
    store::Query &query() { return m_panel->query(); }

    void back();

protected:
    void activate() override;

private:
    BookPanel *m_panel;
};

// Registers a record book window for each spec with the main menu's screens.
void registerRecordBooks(app::ScreenRegistry &screens, const std::vector<BookSpec> &specs);

} // namespace books
