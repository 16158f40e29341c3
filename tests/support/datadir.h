#pragma once

#include <QString>
#include <QTemporaryDir>

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

} // namespace testsupport
