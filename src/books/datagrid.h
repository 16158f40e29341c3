#pragma once

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
// new one. Editors follow the field: text limited to its width; dates and numbers as typed, checked by the
// engine.
class DataGrid : public QTableView {
public:
    DataGrid(store::Query &query, app::Dialogs &dialogs, QWidget *parent);

    // Whether the user may type into the cells (a browsing-only list says no).
    void setEditable(bool editable);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void followQuery(int row);
    void sizeColumns();

    store::Query &m_query;
    app::Dialogs &m_dialogs;
    bool m_following = false;
};

} // namespace books
