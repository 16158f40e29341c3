#include "datagrid.h"

#include "app/dialogs.h"
#include "store/catalogue.h"
#include "store/error.h"
#include "store/query.h"
#include "store/values.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QTimer>

namespace books {

class FieldDelegate : public QStyledItemDelegate {
public:
    FieldDelegate(store::Query &query, DataGrid *grid)
        : QStyledItemDelegate(grid), m_query(query), m_grid(grid)
    {
    }

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
        // A screen reader announces the cell being typed into by its column.
        edit->setAccessibleName(m_query.columnTitle(index.column()));
        m_grid->editorOpened(edit, index);
        return edit;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        // Enter commits at once: Qt's own handling does it later through a queued call that holds the editor
        // by a plain pointer, and something may close the editor before that call arrives.
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                !(key->modifiers() & ~Qt::KeypadModifier)) {
                if (auto *editor = qobject_cast<QWidget *>(object)) {
                    Q_EMIT commitData(editor);
                    Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
                }
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    store::Query &m_query;
    DataGrid *m_grid;
};

DataGrid::DataGrid(store::Query &query, app::Dialogs &dialogs, QWidget *parent)
    : QTableView(parent), m_query(query), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("DBGrid1"));
    // Named after its screen for a screen reader; a window of two grids names each of them.
    if (parent)
        setAccessibleName(parent->window()->windowTitle());
    setModel(&query);
    setItemDelegate(new FieldDelegate(query, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditable(true);
    setAlternatingRowColors(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("▶")) + 10);
    horizontalHeader()->setHighlightSections(false);
    connect(&query, &store::Query::currentRowChanged, this, &DataGrid::followQuery);
    connect(&query, &QAbstractItemModel::modelReset, this, &DataGrid::sizeColumns);
    connect(&query, &QAbstractItemModel::headerDataChanged, this, &DataGrid::sizeColumns);
    // Shown once the grid's own editing has finished: a box opened in the middle of it would let the editor
    // be closed under Qt's feet.
    connect(
        &query, &store::Query::failed, this,
        [this](const QString &message) {
            if (app::mayAct(this))
                m_dialogs.defaultError(this, message);
        },
        Qt::QueuedConnection);
}

void DataGrid::setEditable(bool editable)
{
    setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                             : QAbstractItemView::NoEditTriggers);
}

// Column widths from the fields, never from the rows: a year of rows must not slow the opening. When the
// columns are wider than the grid, the text columns give way (their texts are elided and shown whole in the
// editor); numbers and dates keep their width, so a right-aligned figure is never cut to look like another.
void DataGrid::sizeColumns()
{
    const QFontMetrics fm = fontMetrics();
    const int digit = fm.horizontalAdvance(u'0');
    std::vector<int> wanted, least;
    int total = 0, spare = 0;
    for (int c = 0; c < m_query.fieldCount(); ++c) {
        const store::FieldDef &f = m_query.field(c);
        int chars = 12;
        if (f.type == store::FieldType::Date)
            chars = 10;
        else if (f.type == store::FieldType::Text)
            chars = std::clamp(f.width, 4, 28);
        const int header = fm.horizontalAdvance(m_query.columnTitle(c)) + 16;
        const int w = std::max(chars * digit + 12, header);
        const int min = f.type == store::FieldType::Text ? std::min(w, std::max(6 * digit + 12, header)) : w;
        wanted.push_back(w);
        least.push_back(min);
        total += w;
        spare += w - min;
    }
    const int room = viewport()->width();
    const int excess = total - room;
    for (int c = 0; c < int(wanted.size()); ++c) {
        int w = wanted[size_t(c)];
        if (excess > 0 && spare > 0 && isVisible()) {
            const int give = wanted[size_t(c)] - least[size_t(c)];
            w -= int((qint64(give) * std::min(excess, spare) + spare - 1) / spare);
        }
        setColumnWidth(c, w);
    }
}

void DataGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    sizeColumns();
}

void DataGrid::editorOpened(QWidget *editor, const QModelIndex &index)
{
    m_editor = editor;
    m_editorIndex = index;
    m_rejected = nullptr;
}

QString DataGrid::problemWith(QWidget *editor) const
{
    const auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit || editor != m_editor || !m_editorIndex.isValid() || !m_query.isOpen())
        return {};
    try {
        store::valueFromText(m_query.field(m_editorIndex.column()), edit->text());
    } catch (const store::Error &e) {
        return e.message();
    }
    return {};
}

void DataGrid::commitData(QWidget *editor)
{
    // An editor on its way out (closing moves the focus, and the delegate commits on losing it) is done.
    if (!editor || editor != m_editor)
        return;
    const QString problem = problemWith(editor);
    if (!problem.isEmpty()) {
        m_rejected = editor;
        m_problem = problem;
        // Left by a click or a row move: the user hears why once the grid has finished with the editor.
        if (!m_explicitCommit && !m_telling) {
            m_telling = true;
            QTimer::singleShot(0, this, &DataGrid::tellRejected);
        }
        return;
    }
    if (editor == m_rejected)
        m_rejected = nullptr;
    QTableView::commitData(editor);
}

void DataGrid::tellRejected()
{
    m_telling = false;
    if (!m_rejected || problemWith(m_rejected).isEmpty() || !app::mayAct(this))
        return;
    const QPointer<QWidget> editor = m_rejected;
    m_dialogs.defaultError(this, m_problem);
    if (editor)
        editor->setFocus();
}

void DataGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // A text that could not be taken stays in its cell to be corrected; only Esc drops it.
    if (editor && editor == m_rejected && hint != QAbstractItemDelegate::RevertModelCache)
        return;
    if (editor == m_rejected)
        m_rejected = nullptr;
    if (editor == m_editor)
        m_editor = nullptr;
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
        const bool next = hint == QAbstractItemDelegate::EditNextItem;
        if (!moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier).isValid()) {
            // Tab past the row's last cell leaves the grid for the next control, as everywhere else.
            QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
            QAbstractScrollArea::focusNextPrevChild(next);
            return;
        }
    }
    QTableView::closeEditor(editor, hint);
}

bool DataGrid::commitOpenCell(bool quiet)
{
    QWidget *editor = m_editor.data();
    if (!editor || !m_query.isOpen())
        return true;
    {
        const QScopedValueRollback<bool> explicitCommit(m_explicitCommit, true);
        commitData(editor);
    }
    if (editor == m_rejected) {
        if (!quiet) {
            m_dialogs.defaultError(this, m_problem);
            if (m_editor)
                m_editor->setFocus();
        }
        return false;
    }
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

// Tab and Shift+Tab stay within the row: leaving the row is a decision (store or drop) the arrows and the
// mouse make, not a side effect of tabbing past the last cell.
QModelIndex DataGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveNext || action == MovePrevious) {
        const QModelIndex current = currentIndex();
        if (!current.isValid())
            return QTableView::moveCursor(action, modifiers);
        for (int c = current.column() + (action == MoveNext ? 1 : -1); c >= 0 && c < model()->columnCount();
             c += action == MoveNext ? 1 : -1)
            if (!isColumnHidden(c))
                return model()->index(current.row(), c);
        return {};
    }
    return QTableView::moveCursor(action, modifiers);
}

bool DataGrid::focusNextPrevChild(bool next)
{
    if (tabKeyNavigation() && currentIndex().isValid()) {
        const QModelIndex to = moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier);
        if (to.isValid()) {
            setCurrentIndex(to);
            return true;
        }
    }
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void DataGrid::followQuery(int row)
{
    if (row < 0 || m_following)
        return;
    m_following = true;
    // A new row starts at its first cell, ready to be typed into.
    const bool newRow = m_query.state() == store::Query::State::Insert && row == m_query.recordCount() - 1;
    const int column = !newRow && currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(model()->index(row, column));
    if (newRow) {
        scrollTo(currentIndex());
        setFocus(Qt::OtherFocusReason);
    }
    m_following = false;
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_following || !current.isValid())
        return;
    if (m_rejected) {
        // The row still holds a text that could not be taken: stay with it.
        const QScopedValueRollback<bool> following(m_following, true);
        setCurrentIndex(m_editorIndex);
        return;
    }
    if (current.row() == m_query.currentRow())
        return;
    // Moving stores a modified row; when that fails the grid goes back to the row still being edited.
    const bool moved = app::runAction(m_dialogs, this, [&] { m_query.moveTo(current.row()); });
    if (!moved)
        followQuery(m_query.currentRow());
}

} // namespace books
