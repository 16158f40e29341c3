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

} // namespace testsupport
