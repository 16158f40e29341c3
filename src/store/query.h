#pragma once

#include "catalogue.h"
#include "querytext.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QVariant>
#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace store {

class Database;
class Transaction;
struct TableFile;

// A query and its result set: the lines of query text, and once opened the rows of one table (or the single
// row of an aggregate) as the model a grid shows and edits. States: closed, browse, edit (a stored row being
// changed), insert (a new row not yet stored). There is at most one pending row. A sorted or aggregate result
// is read-only. Rows are addressed by rowid, never by their values: identical rows are legal.
class Query : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class State { Closed, Browse, Edit, Insert };

    explicit Query(Database &db, QObject *parent = nullptr);
    ~Query() override;

    // Query text. Changing the text of an open query closes it first (a pending row is dropped).
    void clear();
    void add(const QueryLine &line);
    void setText(const QList<QueryLine> &lines);
    QStringList text() const;
    const QList<QueryLine> &lines() const { return m_lines; }

    // Runs the text. Opening an open query does nothing. On failure the query stays closed.
    void open();
    // Closes the result; a pending row is dropped without being stored.
    void close();
    bool isOpen() const { return m_state != State::Closed; }

    State state() const { return m_state; }
    bool isReadOnly() const { return m_readOnly; }
    bool isModified() const { return m_modified; }
    QString tableFileName() const;

    int recordCount() const { return int(m_rowids.size()); } // including a pending new row
    bool isEmpty() const { return m_rowids.empty(); }
    int currentRow() const { return m_current; } // -1 when there are no rows
    // The identity of a stored row in its table file (0 for a pending new row); rows of results over the same
    // table file are the same record exactly when their identities are equal.
    qint64 rowId(int row) const { return m_rowids[row]; }

    // Row operations; each throws store::Error.
    void append();        // stores a modified pending row, drops an unmodified new one, then adds
    void post();          // stores the pending row; fails when nothing is pending
    void cancel();        // drops the pending changes
    void deleteCurrent(); // drops a pending new row instead of deleting; fails on an empty result
    void moveTo(int row); // stores a modified pending row, drops an unmodified new one, then moves
    void edit();          // puts the current row into edit mode; on an empty result appends

    // Fields of the current row, by name regardless of case.
    int fieldCount() const { return int(m_columns.size()); }
    const FieldDef &field(int column) const { return m_columns[size_t(column)]; }
    int fieldIndex(const QString &name) const;                   // -1 when absent
    QString fieldText(const QString &name) const;                // empty when null or when there is no row
    void setFieldText(const QString &name, const QString &text); // a conversion error leaves it unassigned
    qint64 fieldInt(const QString &name) const;                  // nearest, halves to even; null -> 0
    QByteArray fieldPicture(const QString &name) const;

    // The heading a grid shows over a column: the field name unless a title is set for it (by field name,
    // regardless of case). Kept across openings.
    void setColumnTitles(const QMap<QString, QString> &titles);
    QString columnTitle(int column) const;

    // Any row, without moving the current one (for printing): the value as stored, and as the grid shows it.
    const QVariant &value(int row, int column) const { return cell(row, column); }
    QString valueText(int row, int column) const;
    void setFieldPicture(const QString &name, const QByteArray &bmp);

    // The model a grid shows.
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

Q_SIGNALS:
    // The one data-change notification: opened, current row moved, a field changed, content changed.
    void dataChange();
    // The current row changed from inside the result (open, append, delete), for the grid to follow.
    void currentRowChanged(int row);
    // A pending row was stored (posted, or by moving to another row).
    void stored();
    // An edit through the model interface failed; the grid's owner shows the message.
    void failed(const QString &message);

private:
    friend class Transaction;
    int requireField(const QString &name) const;
    void requireOpen() const;
    void requireWritable() const;
    void requireFileWritable() const; // the table file can be changed, whether this result can or not
    // The INSERT of the pending new row into `table` (the inner table, qualified as the caller needs), and
    // the binding of its values: SQLITE_OK or the first failing code.
    QByteArray insertStatement(const QByteArray &table) const;
    int bindPendingRow(sqlite3_stmt *st) const;
    bool isSameValue(int row, int column, const QVariant &value) const;
    void assign(int column, const QVariant &value);
    void dropPendingNewRow();
    void storePending();
    void setCurrent(int row);
    void notify();
    void finishOpen(std::shared_ptr<TableFile> table, std::vector<FieldDef> columns,
                    std::vector<int> tableColumns, bool readOnly);
    QVariant &cell(int row, int column)
    {
        return m_cells[qsizetype(size_t(row) * m_columns.size() + size_t(column))];
    }
    const QVariant &cell(int row, int column) const
    {
        return m_cells[qsizetype(size_t(row) * m_columns.size() + size_t(column))];
    }
    void removeRowAt(int row);

    Database &m_db;
    QList<QueryLine> m_lines;
    std::shared_ptr<TableFile> m_table;
    std::vector<FieldDef> m_columns;
    std::vector<int> m_tableColumns; // column of the table file for each result column, -1 for an aggregate
    // The values of all rows in one block, row after row: one allocation for the whole result.
    QList<QVariant> m_cells; // QList grows by realloc: QVariant is relocatable
    QList<qint64> m_rowids;  // one per row, 0 for the pending new row
    State m_state = State::Closed;
    bool m_readOnly = false;
    int m_current = -1;
    bool m_modified = false;
    bool m_removing = false;          // a row is leaving the model
    std::vector<bool> m_assigned;     // result columns assigned in the pending row
    std::vector<QVariant> m_original; // the stored values of a row in edit mode
    QMap<QString, QString> m_titles;  // column headings by lower-case field name
};

} // namespace store
