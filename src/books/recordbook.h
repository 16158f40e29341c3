#pragma once

#include "bookspec.h"

#include "app/screen.h"
#include "store/querytext.h"

#include <QMap>
#include <memory>

class QBoxLayout;
class QLabel;
class QPushButton;

namespace store {
class Query;
}

namespace books {

class DataGrid;

// The record book: one editable grid over one table, insert and delete, sorting, statistics of the whole
// table, printing through the book's report and the way back, all from a BookSpec.
class RecordBook : public app::Screen {
    Q_OBJECT
public:
    RecordBook(app::AppContext &ctx, BookSpec spec, QWidget *parent);
    ~RecordBook() override;

    const BookSpec &spec() const { return m_spec; }
    store::Query &query() { return *m_query; }
    QString tableName() const;
    QString unsortedLine() const { return QStringLiteral("select * from ") + tableName(); }

    // The actions of the book's controls.
    void insert();
    void remove();
    void sort(const QString &field);
    void showUnsorted();
    void print();
    void back();
    // Stores the pending row when its key is filled; a failure is swallowed unless `report` is set, in which
    // case it is thrown. Returns false when a row with a filled key could not be stored.
    bool autoPost(bool report = false);
    void refreshStatistics();
    QLabel *valueLabel(const QString &name) const { return m_values.value(name); }

    // Re-queries with these lines after storing what can be stored (sort, unsorted, search, becoming active).
    void requery(const QList<store::QueryLine> &lines);
    void setEditingEnabled(bool enabled);

    // For departures: where extra controls go, and a button made the book's way.
    QBoxLayout *controls() const { return m_controls; }
    QPushButton *addButton(const ButtonSpec &spec, const std::function<void()> &action);

protected:
    void activate() override;

private:
    void build();

    BookSpec m_spec;
    std::unique_ptr<store::Query> m_query;  // Query1, shown by the grid
    std::unique_ptr<store::Query> m_totals; // Query2, one aggregate at a time
    DataGrid *m_grid = nullptr;
    QBoxLayout *m_controls = nullptr;
    QPushButton *m_insert = nullptr;
    QPushButton *m_delete = nullptr;
    QMap<QString, QLabel *> m_values; // value labels by name
    bool m_backFailed = false;
};

} // namespace books
