#pragma once

#include "app/action.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

namespace store {
class Query;
}

namespace app {
class Dialogs;
}

namespace books {

// The data-bound grid: shows a result set, edits it in place, and keeps the grid's current row and the
// result's current row the same, so that moving to another row stores a modified row and drops an untouched
// new one. Editors follow the field: text limited to its width; dates and numbers as typed, checked before
// they reach the row. The open cell belongs to the pending row: every screen rule commits it first
// (app::commitOpenCells); a text that cannot be taken stays in its cell until corrected or dropped with Esc.
// Keyboard: a new row starts in its first cell with the focus in the grid; Tab and Shift+Tab move within the
// row and leave the grid at its ends.
class DataGrid : public QTableView, public app::OpenCell {
public:
    DataGrid(store::Query &query, app::Dialogs &dialogs, QWidget *parent);

    // Whether the user may type into the cells (a browsing-only list says no).
    void setEditable(bool editable);

    bool commitOpenCell(bool quiet) override;

    // The open editor, if any (for tests and assistive tools).
    QWidget *openEditor() const { return m_editor.data(); }

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class FieldDelegate;
    void editorOpened(QWidget *editor, const QModelIndex &index);
    QString problemWith(QWidget *editor) const;
    void tellRejected();
    void followQuery(int row);
    void sizeColumns();

    store::Query &m_query;
    app::Dialogs &m_dialogs;
    bool m_following = false;
    bool m_explicitCommit = false;
    bool m_telling = false;
    QPointer<QWidget> m_editor; // the open cell editor
    QPersistentModelIndex m_editorIndex;
    QPointer<QWidget> m_rejected; // an editor whose text could not be taken; it stays open
    QString m_problem;            // why
};

} // namespace books
