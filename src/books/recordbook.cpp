#include "recordbook.h"

#include "datagrid.h"

#include "app/baresurface.h"
#include "app/screenregistry.h"
#include "app/ui.h"
#include "app/workspace.h"
#include "store/error.h"
#include "store/query.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace books {

RecordBook::RecordBook(app::AppContext &ctx, BookSpec spec, QWidget *parent)
    : app::Screen(ctx, spec.className, spec.caption, false, parent)
{
    const ButtonSpec backSpec = spec.back;
    m_panel =
        new BookPanel(*this, std::move(spec),
                      {QStringLiteral("DBGrid1"), QStringLiteral("Query1"), QStringLiteral("Query2")}, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    QPushButton *backButton = actionButton(backSpec.name, backSpec.caption, [this] { back(); });
    m_panel->addBelowPrint(backButton);
    addKey(backButton, Key::Back);
    new app::BareSurface(this, [this] { m_panel->autoPost(); });
    fixSizeAndCentre();
}

void RecordBook::activate()
{
    const BookSpec &s = m_panel->spec();
    if (s.captionOnActivate) {
        setWindowTitle(s.captionOnActivate(context().workspace));
        m_panel->grid()->setAccessibleName(windowTitle());
    }
    m_panel->requery({m_panel->unsortedLine()});
    if (s.afterActivate)
        s.afterActivate(*m_panel);
}

void RecordBook::back()
{
    leave([this] { m_panel->autoPost(true); }, [this] { m_panel->query().close(); });
}

void registerRecordBooks(app::ScreenRegistry &screens, const std::vector<BookSpec> &specs)
{
    for (const BookSpec &spec : specs)
        screens.add(spec.className, [spec](app::AppContext &ctx, QWidget *parent) -> app::Screen * {
            return new RecordBook(ctx, spec, parent);
        });
}

} // namespace books
