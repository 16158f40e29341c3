#include "database.h"

#include "error.h"
#include "querytext.h"
#include "sqlitefunctions.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>
#include <sys/stat.h>

namespace store {

namespace {

using Kind = Error::Kind;

// A declared column type back to its field: DATE, NUMBER, MONEY, VARCHAR(n), PICTURE.
bool fieldFromDeclared(const QString &name, const QString &declared, FieldDef &out)
{
    const QString d = declared.trimmed().toUpper();
    out.name = name;
    out.width = 0;
    if (d == u"DATE")
        out.type = FieldType::Date;
    else if (d == u"NUMBER")
        out.type = FieldType::Number;
    else if (d == u"MONEY")
        out.type = FieldType::Money;
    else if (d == u"PICTURE")
        out.type = FieldType::Picture;
    else if (d.startsWith(u"VARCHAR(") && d.endsWith(u')')) {
        bool ok = false;
        out.type = FieldType::Text;
        out.width = d.mid(8, d.size() - 9).toInt(&ok);
        return ok && out.width > 0;
    } else
        return false;
    return true;
}

QString text(const unsigned char *s)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(s));
}

} // namespace

void raiseSqlite(sqlite3 *db, int rc, const QString &file, const QString &action)
{
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw Error(
            Kind::LockedFile,
            QStringLiteral("Tabulku %1 právě používá jiný program (%2 se nepodařilo). Zavřete jej a akci "
                           "opakujte.")
                .arg(file, action),
            file);
    case SQLITE_READONLY:
        throw Error(
            Kind::ReadOnlyFile,
            QStringLiteral("Tabulka %1 je jen pro čtení, změnu nelze uložit. Zkontrolujte práva k souboru "
                           "a k adresáři dat.")
                .arg(file),
            file);
    case SQLITE_FULL:
        throw Error(
            Kind::DiskFull,
            QStringLiteral("Disk je plný, změnu tabulky %1 nelze uložit. Uvolněte místo a akci opakujte.")
                .arg(file),
            file);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT:
        throw Error(Kind::DamagedFile,
                    QStringLiteral("Soubor %1 je poškozený nebo to není tabulka programu Velmora (%2).")
                        .arg(file, detail),
                    file);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        throw Error(Kind::ReadOnlyFile,
                    QStringLiteral("Se souborem %1 nelze pracovat: %2 se nepodařilo, chybí oprávnění (%3).")
                        .arg(file, action, detail),
                    file);
    case SQLITE_IOERR:
        throw Error(Kind::IoFailure,
                    QStringLiteral("Chyba čtení nebo zápisu souboru %1 (%2 se nepodařilo: %3).")
                        .arg(file, action, detail),
                    file);
    default:
        throw Error(
            Kind::IoFailure,
            QStringLiteral("Databázová chyba v tabulce %1 (%2 se nepodařilo: %3).").arg(file, action, detail),
            file);
    }
}

int TableFile::columnIndex(const QString &name) const
{
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

qint64 TableFile::dataVersion()
{
    if (!m_dataVersion && sqlite3_prepare_v3(db, "PRAGMA data_version", -1, SQLITE_PREPARE_PERSISTENT,
                                             &m_dataVersion, nullptr) != SQLITE_OK)
        return -1; // unknown: nothing cached is trusted
    const int rc = sqlite3_step(m_dataVersion);
    const qint64 version = rc == SQLITE_ROW ? sqlite3_column_int64(m_dataVersion, 0) : -1;
    sqlite3_reset(m_dataVersion);
    return version;
}

TableFile::~TableFile()
{
    sqlite3_finalize(m_dataVersion);
    if (db)
        sqlite3_close_v2(db);
}

Database::Database(QString dataDir) : m_dataDir(QDir(dataDir).absolutePath()) {}

Database::~Database() = default;

QString Database::fileName(const QString &tableName)
{
    QString name = tableName.trimmed();
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QChar(0)))
        throw Error(
            Kind::BadName,
            QStringLiteral("Název tabulky „%1“ nesmí obsahovat cestu, jen název souboru.").arg(tableName));
    if (!name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        name += QLatin1String(".db");
    if (!isTableName(name.chopped(3)))
        throw Error(Kind::BadName, QStringLiteral("Neplatný název tabulky „%1“.").arg(tableName));
    return name;
}

QString Database::filePath(const QString &tableName) const
{
    return m_dataDir + u'/' + fileName(tableName);
}

std::shared_ptr<TableFile> Database::table(const QString &tableName)
{
    const QString file = fileName(tableName);
    const QString path = m_dataDir + u'/' + file;
    struct stat fileStat {};
    const bool present = ::stat(QFile::encodeName(path).constData(), &fileStat) == 0;
    if (auto it = m_tables.find(file); it != m_tables.end()) {
        // A connection to a file that was since removed or replaced would write where nobody reads.
        if (present && it->second->device == quint64(fileStat.st_dev) &&
            it->second->inode == quint64(fileStat.st_ino))
            return it->second;
        m_tables.erase(it);
    }

    const QFileInfo info(path);
    if (!info.exists())
        throw Error(Kind::MissingFile,
                    QStringLiteral("Tabulka %1 v adresáři dat %2 neexistuje.").arg(file, m_dataDir), file);
    if (info.isDir())
        throw Error(Kind::DamagedFile,
                    QStringLiteral("%1 v adresáři dat je adresář, ne soubor tabulky.").arg(file), file);

    auto t = std::make_shared<TableFile>();
    t->fileName = file;
    t->device = quint64(fileStat.st_dev);
    t->inode = quint64(fileStat.st_ino);
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &t->db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        if (!info.isReadable())
            throw Error(Kind::ReadOnlyFile,
                        QStringLiteral("Tabulku %1 nelze číst: chybí oprávnění ke čtení souboru.").arg(file),
                        file);
        raiseSqlite(t->db, rc, file, QStringLiteral("otevření"));
    }
    sqlite3_extended_result_codes(t->db, 1);
    sqlite3_busy_timeout(t->db, m_busyTimeoutMs);

    // Read the schema before anything else touches the file: a file that is no table stays as it was.
    sqlite3_stmt *st = nullptr;
    int n = 0;
    auto check = [&](int code) {
        if (code != SQLITE_OK && code != SQLITE_ROW && code != SQLITE_DONE) {
            sqlite3_finalize(st);
            raiseSqlite(t->db, code, file, QStringLiteral("otevření"));
        }
        return code;
    };
    check(sqlite3_prepare_v2(t->db,
                             "SELECT name FROM sqlite_schema WHERE type='table' AND name NOT LIKE 'sqlite%'",
                             -1, &st, nullptr));
    while (check(sqlite3_step(st)) == SQLITE_ROW) {
        t->innerName = text(sqlite3_column_text(st, 0));
        ++n;
    }
    sqlite3_finalize(st);
    st = nullptr;
    if (n != 1)
        throw Error(
            Kind::DamagedFile,
            n == 0 ? QStringLiteral("Soubor %1 neobsahuje žádnou tabulku; je poškozený nebo to není tabulka "
                                    "programu Velmora.")
                         .arg(file)
                   : QStringLiteral("Soubor %1 obsahuje více tabulek; to není tabulka programu Velmora.")
                         .arg(file),
            file);

    const QByteArray info_sql = "PRAGMA table_info(\"" + t->innerName.toUtf8().replace("\"", "\"\"") + "\")";
    check(sqlite3_prepare_v2(t->db, info_sql.constData(), -1, &st, nullptr));
    while (check(sqlite3_step(st)) == SQLITE_ROW) {
        FieldDef f;
        const QString name = text(sqlite3_column_text(st, 1));
        const QString declared = text(sqlite3_column_text(st, 2));
        if (!fieldFromDeclared(name, declared, f)) {
            sqlite3_finalize(st);
            throw Error(Kind::DamagedFile,
                        QStringLiteral("Pole %1 v tabulce %2 má neznámý typ „%3“.").arg(name, file, declared),
                        file);
        }
        t->columns.push_back(f);
    }
    sqlite3_finalize(st);
    st = nullptr;

    // Each change is its own transaction, on disk before the call returns; no companion files stay behind.
    // A page cache of 16 MB keeps the pages of a list in memory between openings: the machine register's
    // rows each fill a page of their own next to their photos, 500 of them more than SQLite's default 2 MB.
    check(sqlite3_exec(t->db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; PRAGMA cache_size=-16384",
                       nullptr, nullptr, nullptr));
    t->readOnly = sqlite3_db_readonly(t->db, "main") == 1;
    registerFunctions(t->db);

    m_tables[file] = t;
    return t;
}

void Database::ensureCurrent(const TableFile &table) const
{
    struct stat st {};
    const QString path = m_dataDir + u'/' + table.fileName;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || quint64(st.st_dev) != table.device ||
        quint64(st.st_ino) != table.inode)
        throw Error(
            Kind::MissingFile,
            QStringLiteral("Soubor tabulky %1 byl mezitím smazán nebo nahrazen jiným; změnu nelze uložit. "
                           "Otevřete tabulku znovu.")
                .arg(table.fileName),
            table.fileName);
}

void Database::forget(const QString &tableName)
{
    m_tables.erase(fileName(tableName));
}

} // namespace store
