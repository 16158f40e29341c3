#pragma once

#include <QtGlobal>
#include <vector>

namespace store {

class Database;
class Query;

// Changes to rows of one or more table files that are stored together or not at all: one SQLite transaction
// over the files attached to one connection. An animal moved from one register to another is then never in
// both, nor in neither. The queries named must stay open until commit() returns.
class Transaction {
public:
    explicit Transaction(Database &db) : m_db(db) {}

    // The pending new row of `query` (it must be in insert state).
    void insertPending(Query &query);
    // The stored row `row` of `query`, by its identity; a sorted (read-only) result may name it too.
    void deleteRow(Query &query, int row);

    // Stores everything, or throws store::Error having changed nothing. Afterwards the queries show the
    // outcome: the inserted row is stored, the deleted rows are gone from their results.
    void commit();

private:
    struct Change {
        Query *query;
        qint64 rowid; // the row to delete; 0 for the insert of the pending row
    };
    Database &m_db;
    std::vector<Change> m_changes;
};

} // namespace store
