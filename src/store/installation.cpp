#include "installation.h"

#include "database.h"
#include "error.h"
#include "sqlitefunctions.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

using Kind = Error::Kind;

void syncDirectory(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

Error placeError(const QString &target, int err)
{
    if (err == ENOSPC)
        return Error(Kind::DiskFull, QStringLiteral("Disk je plný, tabulku %1 nelze založit.").arg(target),
                     target);
    return Error(
        Kind::IoFailure,
        QStringLiteral("Tabulku %1 nelze založit: %2.").arg(target, QString::fromLocal8Bit(strerror(err))),
        target);
}

// Moves a finished temporary file to its name, refusing to replace a file that exists meanwhile.
// Returns false when the target exists.
bool placeNoReplace(const QString &tmpPath, const QString &targetPath)
{
    const QByteArray from = QFile::encodeName(tmpPath), to = QFile::encodeName(targetPath);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        syncDirectory(QFileInfo(targetPath).absolutePath());
        return true;
    }
    if (errno == EEXIST)
        return false;
    if (errno != EINVAL && errno != ENOSYS)
        throw placeError(QFileInfo(targetPath).fileName(), errno);
    // File systems without renameat2: link refuses an existing name just as well.
    if (::link(from.constData(), to.constData()) != 0) {
        if (errno == EEXIST)
            return false;
        throw placeError(QFileInfo(targetPath).fileName(), errno);
    }
    ::unlink(from.constData());
    syncDirectory(QFileInfo(targetPath).absolutePath());
    return true;
}

QString tempPathBeside(const QString &targetPath)
{
    QTemporaryFile probe(targetPath + QStringLiteral(".XXXXXX.tmp"));
    probe.setAutoRemove(false);
    if (!probe.open())
        throw Error(Kind::IoFailure,
                    QStringLiteral("V adresáři %1 nelze vytvořit soubor: %2.")
                        .arg(QFileInfo(targetPath).absolutePath(), probe.errorString()),
                    QFileInfo(targetPath).fileName());
    // QTemporaryFile makes the file private; a table file gets the usual permissions of new files.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(probe.fileName()).constData(), 0666 & ~mask);
    return probe.fileName();
}

// Copies of this table that a program killed mid-copy left behind. A copy younger than ten minutes may belong
// to a second instance copying right now, and is left alone.
void removeStaleCopies(const QString &targetPath)
{
    const QFileInfo target(targetPath);
    const QDir dir = target.absoluteDir();
    const QDateTime before = QDateTime::currentDateTime().addSecs(-600);
    for (const QFileInfo &f :
         dir.entryInfoList({target.fileName() + QStringLiteral(".??????.tmp")}, QDir::Files))
        if (f.lastModified() < before)
            QFile::remove(f.absoluteFilePath());
}

} // namespace

void createTableFile(const QString &path, const TableDef &table)
{
    const QString file = QFileInfo(path).fileName();
    if (QFileInfo::exists(path))
        throw Error(Kind::IoFailure, QStringLiteral("Tabulka %1 už existuje.").arg(file), file);

    const QString tmp = tempPathBeside(path); // an empty file: SQLite takes it as an empty database
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(tmp).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    QList<QByteArray> columns;
    for (const FieldDef &f : table.fields)
        columns << sqlIdentifier(f.name) + ' ' + declaredType(f).toUtf8();
    const QByteArray sql = "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; CREATE TABLE " +
                           sqlIdentifier(table.base) + " (" + columns.join(", ") + ")";
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const int err = rc;
        try {
            raiseSqlite(db, err, file, QStringLiteral("založení"));
        } catch (...) {
            sqlite3_close_v2(db);
            QFile::remove(tmp);
            throw;
        }
    }
    sqlite3_close_v2(db);
    try {
        if (!placeNoReplace(tmp, path))
            throw Error(Kind::IoFailure, QStringLiteral("Tabulka %1 už existuje.").arg(file), file);
    } catch (...) {
        QFile::remove(tmp);
        throw;
    }
}

QStringList missingInstallationTables(const QString &dir)
{
    QStringList missing;
    for (const TableDef &t : catalogue()) {
        const QString file = Database::fileName(t.base);
        if (!QFileInfo::exists(dir + u'/' + file))
            missing << file;
    }
    return missing;
}

QStringList installTables(const QString &dir)
{
    QStringList created;
    for (const TableDef &t : catalogue()) {
        const QString file = Database::fileName(t.base);
        const QString path = dir + u'/' + file;
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            continue;
        createTableFile(path, t);
        created << file;
    }
    return created;
}

bool copyTableFile(const QString &dataDir, const QString &from, const QString &to)
{
    if (Database::fileName(to) != to || Database::fileName(from) != from)
        throw Error(Kind::BadName, QStringLiteral("Neplatný název tabulky „%1“.").arg(to), to);
    const QString target = dataDir + u'/' + to;
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
        return false;
    QFile source(dataDir + u'/' + from);
    if (!source.open(QIODevice::ReadOnly))
        throw Error(Kind::MissingFile,
                    QStringLiteral("Šablonu %1 nelze číst: %2.").arg(from, source.errorString()), from);

    removeStaleCopies(target);
    const QString tmp = tempPathBeside(target);
    QFile out(tmp);
    auto failWith = [&](const QString &why, Kind kind) {
        out.close();
        QFile::remove(tmp);
        throw Error(kind, QStringLiteral("Tabulku %1 nelze založit kopií šablony %2: %3.").arg(to, from, why),
                    to);
    };
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        failWith(out.errorString(), Kind::IoFailure);
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = source.read(buffer, sizeof buffer);
        if (n < 0)
            failWith(source.errorString(), Kind::IoFailure);
        if (n == 0)
            break;
        if (out.write(buffer, n) != n)
            failWith(out.errorString(),
                     out.error() == QFileDevice::ResizeError ? Kind::DiskFull : Kind::IoFailure);
    }
    if (!out.flush() || ::fsync(out.handle()) != 0)
        failWith(out.errorString(), errno == ENOSPC ? Kind::DiskFull : Kind::IoFailure);
    out.close();
    try {
        const bool placed = placeNoReplace(tmp, target);
        if (!placed)
            QFile::remove(tmp); // the year table appeared meanwhile: keep it, drop the copy
        return placed;
    } catch (...) {
        QFile::remove(tmp);
        throw;
    }
}

} // namespace store
