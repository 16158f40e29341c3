#pragma once

#include "catalogue.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <map>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

// One table file opened by the engine: its connection and the columns declared in it.
struct TableFile {
    QString fileName;  // e.g. "phm_nakup2004.db"
    QString innerName; // the table inside the file, e.g. "phm_nakup"
    std::vector<FieldDef> columns;
    sqlite3 *db = nullptr;
    bool readOnly = false;         // SQLite could open the file for reading only
    quint64 device = 0, inode = 0; // the file the connection has open

    // Aggregates read through this connection, kept while the table is unchanged: a book re-reads its totals
    // on every row move, and over a year of rows that is worth not doing when nothing was written.
    struct CachedAggregate {
        qint64 dataVersion = 0;
        quint64 writes = 0;
        QVariant value;
    };
    std::map<QByteArray, CachedAggregate> aggregates;
    quint64 writes =
        0; // changes made through this connection (SQLite's data version counts only the others')

    int columnIndex(const QString &name) const; // case-insensitive, -1 when absent
    // SQLite's data version of the file: it changes when another connection has committed a change.
    qint64 dataVersion();
    ~TableFile();

private:
    sqlite3_stmt *m_dataVersion = nullptr;
};

// The database engine over the table files of one data directory. A table name resolves to name + ".db" there
// (".db" may be given); opening never creates a file. Each file gets one cached connection.
class Database {
public:
    explicit Database(QString dataDir);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    const QString &dataDir() const { return m_dataDir; }

    // "phm_nakup2004" or "phm_nakup2004.db" -> "phm_nakup2004.db". Throws BadName for a name with a path
    // separator or nothing but ".db".
    static QString fileName(const QString &tableName);
    QString filePath(const QString &tableName) const;

    // The open table file; throws store::Error (missing, damaged, locked, unreadable) naming the file.
    // A file removed or replaced since it was opened is opened anew.
    std::shared_ptr<TableFile> table(const QString &tableName);

    // Throws store::Error when the file of an open table was removed or replaced meanwhile, so that a change
    // never goes into a file nobody will read again.
    void ensureCurrent(const TableFile &table) const;

    // How long an operation waits for a table another program holds before it fails as locked.
    void setBusyTimeout(int ms) { m_busyTimeoutMs = ms; }
    int busyTimeout() const { return m_busyTimeoutMs; }

    // Drops the cached connection of a table (for instance after its file was replaced).
    void forget(const QString &tableName);

private:
    QString m_dataDir;
    int m_busyTimeoutMs = 5000;
    std::map<QString, std::shared_ptr<TableFile>> m_tables; // by file name
};

// Throws the store::Error for a failed SQLite call on a table file: locked, read-only, full disk, damaged...
[[noreturn]] void raiseSqlite(sqlite3 *db, int rc, const QString &fileName, const QString &action);

} // namespace store
