#include "datagrid.h"

#include "app/action.h"
#include "app/dialogs.h"
#include "store/catalogue.h"
#include "store/query.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace books {

namespace {

class FieldDelegate : public QStyledItemDelegate {
public:
    FieldDelegate(store::Query &query, QObject *parent) : QStyledItemDelegate(parent), m_query(query) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setFrame(false);
        const store::FieldDef &f = m_query.field(index.column());
        if (f.type == store::FieldType::Text)
            edit->setMaxLength(f.width);
        if (f.type == store::FieldType::Number || f.type == store::FieldType::Money)
            edit->setAlignment(Qt::AlignRight);
        return edit;
    }

private:
    store::Query &m_query;
};

} // namespace

DataGrid::DataGrid(store::Query &query, app::Dialogs &dialogs, QWidget *parent)
    : QTableView(parent), m_query(query), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("DBGrid1"));
    setModel(&query);
    setItemDelegate(new FieldDelegate(query, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditable(true);
    setAlternatingRowColors(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("▶")) + 10);
    horizontalHeader()->setHighlightSections(false);
    connect(&query, &store::Query::currentRowChanged, this, &DataGrid::followQuery);
    connect(&query, &QAbstractItemModel::modelReset, this, &DataGrid::sizeColumns);
    connect(&query, &store::Query::failed, this,
            [this](const QString &message) { m_dialogs.defaultError(this, message); });
}

void DataGrid::setEditable(bool editable)
{
    setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                             : QAbstractItemView::NoEditTriggers);
}

// Column widths from the fields, never from the rows: a year of rows must not slow the opening.
void DataGrid::sizeColumns()
{
    const QFontMetrics fm = fontMetrics();
    const int digit = fm.horizontalAdvance(u'0');
    for (int c = 0; c < m_query.fieldCount(); ++c) {
        const store::FieldDef &f = m_query.field(c);
        int chars = 12;
        if (f.type == store::FieldType::Date)
            chars = 10;
        else if (f.type == store::FieldType::Text)
            chars = std::clamp(f.width, 4, 28);
        const int header = fm.horizontalAdvance(f.name) + 16;
        setColumnWidth(c, std::max(chars * digit + 12, header));
    }
}

void DataGrid::followQuery(int row)
{
    if (row < 0 || m_following)
        return;
    m_following = true;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(model()->index(row, column));
    m_following = false;
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_following || !current.isValid() || current.row() == m_query.currentRow())
        return;
    // Moving stores a modified row; when that fails the grid goes back to the row still being edited.
    const bool moved = app::runAction(m_dialogs, this, [&] { m_query.moveTo(current.row()); });
    if (!moved)
        followQuery(m_query.currentRow());
}

} // namespace books
