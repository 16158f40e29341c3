#pragma once

#include "store/error.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace store {
class Database;
}

namespace testsupport {

// A temporary data directory holding the installation tables, made by the same code as velmora-tables.
class DataDir {
public:
    DataDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.path() + u'/' + name; }
    // Creates base + year from its template, as the year load does.
    void addYear(const QString &year) const;

private:
    QTemporaryDir m_dir;
};

// The bytes of a file, to prove it unchanged.
QByteArray fileBytes(const QString &path);

// Appends and posts rows through the engine, each a list of field texts in table order ("" leaves a field
// empty).
void fillTable(store::Database &db, const QString &table, const QList<QStringList> &rows);

// The rows of a table as a second engine of its own reads them: field texts joined by "|".
QStringList storedRows(const QString &dir, const QString &table, const QString &select = QStringLiteral("*"));

// The kind of store::Error an action throws; Kind(-1) when it throws none.
template <class F> store::Error::Kind failure(F &&action)
{
    try {
        action();
    } catch (const store::Error &e) {
        return e.kind();
    }
    return store::Error::Kind(-1);
}

} // namespace testsupport
