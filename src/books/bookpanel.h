#pragma once

#include "bookspec.h"

#include "store/querytext.h"

#include <QMap>
#include <QWidget>
#include <functional>
#include <memory>

class QBoxLayout;
class QLabel;
class QPushButton;

namespace app {
class Screen;
struct AppContext;
} // namespace app

namespace store {
class Query;
}

namespace books {

class DataGrid;

// One record book over one table, without a window of its own: the editable grid, insert and delete, sorting,
// the statistics of the whole table and printing through the book's report. A record book window holds one;
// the crop form holds two.
class BookPanel : public QWidget {
    Q_OBJECT
public:
    // `names`: the grid, the main query and the statistics query ("DBGrid1", "Query1", "Query2").
    BookPanel(app::Screen &screen, BookSpec spec, const QStringList &names, QWidget *parent);
    ~BookPanel() override;

    const BookSpec &spec() const { return m_spec; }
    app::Screen &screen() const { return m_screen; }
    app::AppContext &context() const;
    store::Query &query() { return *m_query; }
    DataGrid *grid() const { return m_grid; }
    QString tableName() const;
    QString unsortedLine() const { return QStringLiteral("select * from ") + tableName(); }

    void insert();
    void remove();
    void sort(const QString &field);
    void showUnsorted();
    void print();
    // Stores the pending row when its key is filled; a failure is swallowed unless `report` is set, in which
    // case it is thrown. Returns false when a row with a filled key could not be stored.
    bool autoPost(bool report = false);
    void refreshStatistics();
    // Re-queries with these lines after storing what can be stored (sort, unsorted, search, becoming active).
    void requery(const QList<store::QueryLine> &lines);
    void setEditingEnabled(bool enabled);

    // The window's auto-post rule, run at the start of printing (a window of two books covers both).
    std::function<void()> autoPostAll;

    QLabel *valueLabel(const QString &name) const { return m_values.value(name); }
    QBoxLayout *controls() const { return m_controls; }
    // Puts a control under the print button (the window's back button).
    void addBelowPrint(QWidget *control);
    QPushButton *addButton(const ButtonSpec &spec, const std::function<void()> &action);

private:
    void build(const QString &gridName);

    app::Screen &m_screen;
    BookSpec m_spec;
    std::unique_ptr<store::Query> m_query;
    std::unique_ptr<store::Query> m_totals;
    DataGrid *m_grid = nullptr;
    QBoxLayout *m_controls = nullptr;
    QBoxLayout *m_printColumn = nullptr;
    QPushButton *m_insert = nullptr;
    QPushButton *m_delete = nullptr;
    QMap<QString, QLabel *> m_values;
};

} // namespace books
