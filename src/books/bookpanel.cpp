#include "bookpanel.h"

#include "autopost.h"
#include "datagrid.h"

#include "app/screen.h"
#include "app/ui.h"
#include "app/workspace.h"
#include "reports/report.h"
#include "store/error.h"
#include "store/query.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace books {

namespace {

// The button groups stand in one row with the statistics and the print column: tight enough that the
// widest book still fits a laptop screen.
void tighten(QBoxLayout *layout)
{
    layout->setContentsMargins(6, 3, 6, 3);
    layout->setSpacing(4);
}

} // namespace

BookPanel::BookPanel(app::Screen &screen, BookSpec spec, const QStringList &names, QWidget *parent)
    : QWidget(parent), m_screen(screen), m_spec(std::move(spec)),
      m_query(std::make_unique<store::Query>(screen.context().db)),
      m_totals(std::make_unique<store::Query>(screen.context().db))
{
    m_query->setObjectName(names.value(1));
    m_totals->setObjectName(names.value(2));
    autoPostAll = [this] { autoPost(); };
    build(names.value(0));
    connect(m_query.get(), &store::Query::dataChange, this,
            [this] { m_screen.act([this] { refreshStatistics(); }); });
}

BookPanel::~BookPanel() = default;

app::AppContext &BookPanel::context() const
{
    return m_screen.context();
}

QString BookPanel::tableName() const
{
    switch (m_spec.table) {
    case BookSpec::Table::YearScoped:
        return context().workspace.yearTable(m_spec.base);
    case BookSpec::Table::Shared:
        return m_spec.base;
    case BookSpec::Table::FromCaller:
        return m_spec.fromCaller(context().workspace);
    }
    return {};
}

QPushButton *BookPanel::addButton(const ButtonSpec &spec, const std::function<void()> &action)
{
    return m_screen.actionButton(spec.name, spec.caption, action);
}

void BookPanel::build(const QString &gridName)
{
    m_grid = new DataGrid(*m_query, context().dialogs, this);
    m_grid->setObjectName(gridName);

    auto *edit = app::ui::group(this, m_spec.editCaption);
    auto *editLayout = new QHBoxLayout(edit);
    tighten(editLayout);
    m_insert = addButton(m_spec.insert, [this] { insert(); });
    m_delete = addButton(m_spec.remove, [this] { remove(); });
    m_insert->setStyleSheet(QStringLiteral("color: green;"));
    m_screen.addKey(m_insert, app::Screen::Key::Insert, this);
    editLayout->addWidget(m_insert);
    editLayout->addWidget(m_delete);

    auto *sorting = app::ui::group(this, m_spec.sortCaption);
    auto *sortLayout = new QHBoxLayout(sorting);
    tighten(sortLayout);
    for (const SortSpec &s : m_spec.sorts) {
        const QString field = s.field;
        sortLayout->addWidget(addButton(s.button, [this, field] { sort(field); }));
    }
    sortLayout->addWidget(addButton(m_spec.unsorted, [this] { showUnsorted(); }));

    auto *statistics = new QGridLayout;
    std::vector<int> order = m_spec.displayOrder;
    if (order.empty())
        for (int i = 0; i < int(m_spec.statistics.size()); ++i)
            order.push_back(i);
    int line = 0;
    for (int i : order) {
        const StatisticSpec &s = m_spec.statistics[size_t(i)];
        QLabel *caption = app::ui::label(this, QString(), s.caption);
        QLabel *value = app::ui::valueLabel(this, s.valueLabel, m_spec.designValue, s.caption);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("000000000,00")));
        statistics->addWidget(caption, line, 0);
        statistics->addWidget(value, line, 1);
        if (!s.unit.isEmpty())
            statistics->addWidget(app::ui::label(this, QString(), s.unit), line, 2);
        m_values.insert(s.valueLabel, value);
        ++line;
    }

    QPushButton *printButton = addButton(m_spec.print, [this] { print(); });

    auto *root = new QBoxLayout(
        m_spec.style == BookSpec::Style::GridLeft ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    root->setContentsMargins(0, 0, 0, 0); // the window around the book has its own
    root->addWidget(m_grid, 1);
    m_controls = new QBoxLayout(m_spec.style == BookSpec::Style::GridLeft ? QBoxLayout::TopToBottom
                                                                          : QBoxLayout::LeftToRight);
    m_controls->setSpacing(4);
    m_controls->addWidget(edit);
    m_controls->addWidget(sorting);
    m_controls->addLayout(statistics);
    if (m_spec.extras)
        m_spec.extras(*this);
    m_controls->addStretch();
    m_printColumn = new QBoxLayout(QBoxLayout::TopToBottom);
    m_printColumn->addWidget(printButton);
    m_controls->addLayout(m_printColumn);
    root->addLayout(m_controls);

    // Room for the table's columns, within reason.
    const int width = m_spec.style == BookSpec::Style::GridLeft ? 420 : 820;
    m_grid->setMinimumSize(width, m_spec.gridHeight);
}

void BookPanel::requery(const QList<store::QueryLine> &lines)
{
    // A typed row whose key is filled is stored rather than lost with the old result.
    autoPost();
    m_query->setText(lines);
    m_query->open();
}

void BookPanel::addBelowPrint(QWidget *control)
{
    m_printColumn->addWidget(control);
}

void BookPanel::setEditingEnabled(bool enabled)
{
    m_insert->setEnabled(enabled);
    m_delete->setEnabled(enabled);
}

void BookPanel::insert()
{
    m_query->append();
}

void BookPanel::remove()
{
    if (!context().dialogs.confirm(this, m_spec.deleteQuestion, m_spec.deleteBox))
        return;
    try {
        m_query->deleteCurrent();
    } catch (const store::Error &) {
        if (m_spec.deleteFailure.isEmpty())
            throw;
        context().dialogs.errorBox(this, m_spec.deleteFailure);
    }
}

void BookPanel::sort(const QString &field)
{
    requery({unsortedLine(), QStringLiteral("order by ") + field});
    setEditingEnabled(false);
}

void BookPanel::showUnsorted()
{
    requery({unsortedLine()});
    setEditingEnabled(true);
}

void BookPanel::refreshStatistics()
{
    for (const StatisticSpec &s : m_spec.statistics) {
        if (s.aggregate.isEmpty())
            continue;
        m_totals->clear();
        m_totals->add(s.aggregate + tableName());
        m_totals->open();
        const QString text = m_spec.valueForm == BookSpec::ValueForm::WholeNumber
                                 ? QString::number(m_totals->fieldInt(QStringLiteral("x")))
                                 : m_totals->fieldText(QStringLiteral("x"));
        m_values.value(s.valueLabel)->setText(text);
        m_totals->close();
    }
    if (m_spec.afterRefresh)
        m_spec.afterRefresh(*this);
}

bool BookPanel::autoPost(bool report)
{
    return autoPostRow(*m_query, m_spec.autoPostKey, m_spec.blankKeyEmpty, report);
}

void BookPanel::print()
{
    autoPostAll();
    reports::Report &r = context().reports->get(m_spec.report);
    if (m_spec.printSetup) {
        m_spec.printSetup(*this, r);
    } else if (m_spec.printReopensStoredQuery) {
        r.reopen();
    } else {
        r.setQuery({unsortedLine()});
        if (!m_spec.yearLabel.isEmpty())
            r.setCaption(m_spec.yearLabel, context().workspace.workingYear);
    }
    m_screen.preview(r);
}

} // namespace books
