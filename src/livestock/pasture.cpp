#include "pasture.h"

#include "livestock.h"

#include "app/dialogs.h"
#include "app/workspace.h"
#include "books/autopost.h"
#include "books/datagrid.h"
#include "reports/report.h"
#include "store/query.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace livestock {

namespace {

const QString kAll = QStringLiteral("select * from pastva");

} // namespace

PastureList::PastureList(app::AppContext &ctx, QWidget *parent)
    : app::Screen(ctx, QStringLiteral("TForm7"), QStringLiteral("Seznam zvířat na pastvě"), true, parent),
      m_query(std::make_unique<store::Query>(ctx.db)), m_totals(std::make_unique<store::Query>(ctx.db))
{
    m_query->setObjectName(QStringLiteral("Query1"));
    m_totals->setObjectName(QStringLiteral("Query2"));
    m_query->setColumnTitles(columnTitles());

    auto *menu = new QMenuBar(this);
    auto entry = [this](QWidget *into, const char *name, const QString &text,
                        const std::function<void()> &fn) {
        auto *a = new QAction(text, into);
        a->setObjectName(QString::fromLatin1(name));
        into->addAction(a);
        connect(a, &QAction::triggered, this, [this, fn] { userAction(fn); });
        return a;
    };
    entry(menu, "MenuZpet", QStringLiteral("&Zpět"), [this] { back(); })->setShortcut(keySequence(Key::Back));
    QMenu *sorting = menu->addMenu(QStringLiteral("&Řazení"));
    sorting->setObjectName(QStringLiteral("MenuRazeni"));
    entry(sorting, "MenuSeradPodleCisla", QStringLiteral("&Seřaď podle cv_čísla"),
          [this] { sortByNumber(true); });
    entry(sorting, "MenuNeradit", QStringLiteral("&Neřadit"), [this] { sortByNumber(false); });
    m_remove =
        entry(menu, "MenuVyrad", QStringLiteral("&Vyřaď ze seznamu pastvy"), [this] { removeCurrent(); });
    entry(menu, "MenuPocet", QStringLiteral("&Počet zvířat"), [this] { showCount(); });
    entry(menu, "MenuVytiskni", QStringLiteral("Vy&tiskni seznam zvířat na pastvě"), [this] { print(); });

    auto *grid = new books::DataGrid(*m_query, ctx.dialogs, this);
    grid->setEditable(false);
    grid->setMinimumSize(900, 420);

    auto *root = new QVBoxLayout(this);
    root->setMenuBar(menu);
    root->addWidget(grid);

    connect(m_query.get(), &store::Query::dataChange, this, [this] {
        act([this] {
            m_count =
                books::aggregateText(*m_totals, QStringLiteral("select count (cv_cislo) as x from pastva"));
        });
    });
    fixSizeAndCentre();
}

PastureList::~PastureList() = default;

void PastureList::activate()
{
    m_query->setText({kAll});
    m_query->open();
}

void PastureList::sortByNumber(bool sorted)
{
    m_query->setText(sorted ? QList<store::QueryLine>{kAll, QStringLiteral("order by cv_cislo")}
                            : QList<store::QueryLine>{kAll});
    m_query->open();
    // A sorted result cannot be changed.
    m_remove->setEnabled(!sorted);
}

void PastureList::removeCurrent()
{
    if (context().dialogs.confirm(this,
                                  QStringLiteral("Chcete odstranit dané zvíře ze seznamu zvířat na pastvě?")))
        m_query->deleteCurrent();
}

void PastureList::showCount()
{
    context().dialogs.informationBox(this, QStringLiteral("Počet zvířat v databázi pastvy je: ") + m_count);
}

void PastureList::print()
{
    reports::Report &r = context().reports->get(QStringLiteral("TQuickReport11"));
    r.setQuery({QStringLiteral("select stat, cv_cislo, dat_narozeni, vdj, samec from pastva")});
    r.setCaption(QStringLiteral("QRLabel13"), context().workspace.workingYear);
    preview(r);
}

void PastureList::back()
{
    m_query->close();
    closeScreen();
}

} // namespace livestock
