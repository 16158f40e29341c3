#include "datadir.h"

#include "store/catalogue.h"
#include "store/installation.h"

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

} // namespace testsupport
