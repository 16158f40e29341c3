#pragma once

// A data directory holding a year of fuel purchases, shared by the benchmarks that read phm_nakup2004.

#include "store/installation.h"

#include <sqlite3.h>

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>

namespace bench {

inline void sqliteCheck(sqlite3 *db, int rc, const char *what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
}

// Fills the year table the way a season of entries would: dates in order through 2004, a few hundred litres
// at most per purchase, a unit price drifting between 24.50 and 31.90.
inline void fillPurchases(const QString &path, int rows)
{
    sqlite3 *db = nullptr;
    sqliteCheck(db, sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr),
                "open");
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> guard(db, &sqlite3_close);
    // Only the benchmark's own copy is filled here: no need to wait for the disk row by row.
    sqliteCheck(db, sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr), "begin");
    sqlite3_stmt *st = nullptr;
    sqliteCheck(db,
                sqlite3_prepare_v2(db, "INSERT INTO phm_nakup (datum, mnozstvi, cena) VALUES (?, ?, ?)", -1,
                                   &st, nullptr),
                "prepare");
    std::mt19937 rng(2004);
    std::uniform_int_distribution<int> tenthsOfLitre(50, 4000);
    std::uniform_int_distribution<int> unitCents(2450, 3190);
    const QDate first(2004, 1, 1);
    const int days = first.daysInYear();
    for (int i = 0; i < rows; ++i) {
        const QByteArray iso = first.addDays(qint64(i) * days / rows).toString(Qt::ISODate).toLatin1();
        const double litres = tenthsOfLitre(rng) / 10.0;
        const double price = std::round(litres * unitCents(rng)) / 100.0;
        sqlite3_bind_text(st, 1, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
        sqlite3_bind_double(st, 2, litres);
        sqlite3_bind_double(st, 3, price);
        sqliteCheck(db, sqlite3_step(st), "insert");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqliteCheck(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), "commit");
}

// The installation tables plus the year tables named, copied from the phm_nakup template; the first one
// filled with `rows` purchases. Removed with the object.
struct PurchaseDir {
    QTemporaryDir dir;

    PurchaseDir(int rows, std::initializer_list<QString> yearTables)
    {
        if (!dir.isValid())
            throw std::runtime_error("no temporary directory");
        store::installTables(dir.path());
        for (const QString &t : yearTables)
            store::copyTableFile(dir.path(), QStringLiteral("phm_nakup.db"), t + QLatin1String(".db"));
        fillPurchases(path(*yearTables.begin()), rows);
    }
    QString path(const QString &table) const { return dir.filePath(table + QLatin1String(".db")); }
};

} // namespace bench
