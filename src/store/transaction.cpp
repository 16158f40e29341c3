#include "transaction.h"

#include "database.h"
#include "error.h"
#include "query.h"
#include "sqlitefunctions.h"

#include <QFile>
#include <QStringList>
#include <QUrl>
#include <algorithm>
#include <map>
#include <sqlite3.h>

namespace store {

namespace {

using Kind = Error::Kind;

// "file:" URI that opens an existing file only: ATTACH would otherwise create a missing table file.
QByteArray existingFileUri(const QString &path)
{
    return "file:" + QUrl::toPercentEncoding(path, "/") + "?mode=rw";
}

// The one connection a transaction writes through, closed whatever happens.
class Connection {
public:
    Connection(const QString &path, const QString &fileName, int busyTimeoutMs) : m_fileName(fileName)
    {
        const int rc =
            sqlite3_open_v2(existingFileUri(path).constData(), &m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK)
            raiseSqlite(m_db, rc, fileName, QStringLiteral("otevření"));
        sqlite3_extended_result_codes(m_db, 1);
        sqlite3_busy_timeout(m_db, busyTimeoutMs);
    }
    ~Connection()
    {
        if (m_inTransaction)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close_v2(m_db);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    sqlite3 *get() const { return m_db; }

    void exec(const QByteArray &sql, const QString &fileName, const QString &action) const
    {
        const int rc = sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK)
            raiseSqlite(m_db, rc, fileName, action);
    }
    void begin()
    {
        exec("BEGIN IMMEDIATE", m_fileName, QStringLiteral("zahájení změny"));
        m_inTransaction = true;
    }
    void commit()
    {
        exec("COMMIT", m_fileName, QStringLiteral("uložení změn"));
        m_inTransaction = false;
    }

private:
    sqlite3 *m_db = nullptr;
    QString m_fileName;
    bool m_inTransaction = false;
};

// One statement of the transaction, finalized whatever happens.
class Step {
public:
    Step(const Connection &c, const QByteArray &sql, const QString &fileName, const QString &action)
        : m_db(c.get()), m_fileName(fileName), m_action(action)
    {
        check(sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &m_st, nullptr));
    }
    ~Step() { sqlite3_finalize(m_st); }
    Step(const Step &) = delete;
    Step &operator=(const Step &) = delete;

    sqlite3_stmt *get() const { return m_st; }
    void check(int rc) const
    {
        if (rc != SQLITE_OK)
            raiseSqlite(m_db, rc, m_fileName, m_action);
    }
    void run() const
    {
        const int rc = sqlite3_step(m_st);
        if (rc != SQLITE_DONE)
            raiseSqlite(m_db, rc, m_fileName, m_action);
    }

private:
    sqlite3 *m_db;
    QString m_fileName, m_action;
    sqlite3_stmt *m_st = nullptr;
};

} // namespace

void Transaction::insertPending(Query &query)
{
    m_changes.push_back({&query, 0});
}

void Transaction::deleteRow(Query &query, int row)
{
    m_changes.push_back({&query, query.rowId(row)});
}

void Transaction::commit()
{
    if (m_changes.empty())
        return;

    // Every query must still be over the file it read, and able to change it.
    for (const Change &c : m_changes) {
        Query &q = *c.query;
        q.requireOpen();
        if (c.rowid == 0) {
            q.requireWritable();
            if (q.m_state != Query::State::Insert)
                throw Error(Kind::NothingToPost,
                            QStringLiteral("Není co uložit: do tabulky %1 se právě nepřidává žádný záznam.")
                                .arg(q.m_table->fileName),
                            q.m_table->fileName);
        } else {
            q.requireFileWritable();
        }
        m_db.ensureCurrent(*q.m_table);
    }

    // One schema per file: the first file is "main", the others are attached to it.
    std::map<QString, QByteArray> schemaOf;
    QStringList files;
    for (const Change &c : m_changes) {
        const QString &file = c.query->m_table->fileName;
        if (schemaOf.count(file))
            continue;
        schemaOf[file] = files.isEmpty() ? QByteArray("main") : "f" + QByteArray::number(files.size());
        files << file;
    }
    Connection connection(m_db.filePath(files.first()), files.first(), m_db.busyTimeout());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QByteArray &schema = schemaOf[files[i]];
        if (i > 0) {
            Step attach(connection, "ATTACH DATABASE ? AS " + schema, files[i], QStringLiteral("otevření"));
            const QByteArray uri = existingFileUri(m_db.filePath(files[i]));
            attach.check(
                sqlite3_bind_text(attach.get(), 1, uri.constData(), int(uri.size()), SQLITE_TRANSIENT));
            attach.run();
        }
        connection.exec("PRAGMA " + schema + ".journal_mode=DELETE; PRAGMA " + schema + ".synchronous=FULL",
                        files[i], QStringLiteral("otevření"));
    }

    connection.begin();
    std::vector<qint64> inserted(m_changes.size(), 0);
    for (size_t i = 0; i < m_changes.size(); ++i) {
        const Change &c = m_changes[i];
        const Query &q = *c.query;
        const TableFile &t = *q.m_table;
        const QByteArray table = schemaOf[t.fileName] + '.' + sqlIdentifier(t.innerName);
        if (c.rowid == 0) {
            Step insert(connection, q.insertStatement(table), t.fileName, QStringLiteral("uložení záznamu"));
            insert.check(q.bindPendingRow(insert.get()));
            insert.run();
            inserted[i] = sqlite3_last_insert_rowid(connection.get());
        } else {
            Step remove(connection, "DELETE FROM " + table + " WHERE rowid = ?", t.fileName,
                        QStringLiteral("smazání záznamu"));
            remove.check(sqlite3_bind_int64(remove.get(), 1, c.rowid));
            remove.run();
            // A row somebody else removed meanwhile: the move would not be what the user saw.
            if (sqlite3_changes(connection.get()) != 1)
                throw Error(
                    Kind::RowGone,
                    QStringLiteral("Záznam už v tabulce %1 není; změny nebyly uloženy.").arg(t.fileName),
                    t.fileName);
        }
    }
    connection.commit();

    // Show the outcome in the results.
    for (size_t i = 0; i < m_changes.size(); ++i) {
        Query &q = *m_changes[i].query;
        if (m_changes[i].rowid == 0) {
            q.m_rowids[q.m_current] = inserted[i];
            q.m_state = Query::State::Browse;
            q.m_modified = false;
            q.m_original.clear();
        } else {
            const auto it = std::find(q.m_rowids.begin(), q.m_rowids.end(), m_changes[i].rowid);
            if (it == q.m_rowids.end())
                continue;
            const int row = int(it - q.m_rowids.begin());
            if (q.m_state == Query::State::Edit && row == q.m_current)
                q.cancel();
            q.removeRowAt(row);
        }
        q.notify();
    }
    m_changes.clear();
}

} // namespace store
