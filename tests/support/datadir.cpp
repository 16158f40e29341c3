#include "datadir.h"

#include "store/catalogue.h"
#include "store/database.h"
#include "store/installation.h"
#include "store/query.h"

#include <QFile>
#include <stdexcept>

namespace testsupport {

DataDir::DataDir()
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary directory");
    store::installTables(m_dir.path());
}

void DataDir::addYear(const QString &year) const
{
    for (const QString &base : store::yearScopedBases())
        store::copyTableFile(path(), base + QStringLiteral(".db"), base + year + QStringLiteral(".db"));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return f.readAll();
}

void fillTable(store::Database &db, const QString &table, const QList<QStringList> &rows)
{
    store::Query q(db);
    q.add(QStringLiteral("select * from ") + table);
    q.open();
    for (const QStringList &row : rows) {
        q.append();
        for (int c = 0; c < row.size(); ++c)
            if (!row[c].isEmpty())
                q.setFieldText(q.field(c).name, row[c]);
        q.post();
    }
}

QStringList storedRows(const QString &dir, const QString &table, const QString &select)
{
    store::Database other(dir);
    store::Query q(other);
    q.add(QStringLiteral("select ") + select + QStringLiteral(" from ") + table);
    q.open();
    QStringList rows;
    for (int r = 0; r < q.recordCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < q.fieldCount(); ++c)
            fields << q.valueText(r, c);
        rows << fields.join(u'|');
    }
    return rows;
}

} // namespace testsupport
