#include "store/catalogue.h"
#include "store/database.h"
#include "store/error.h"
#include "store/installation.h"
#include "support/datadir.h"
#include "support/testmain.h"

#include <QDir>
#include <QTemporaryDir>
#include <sqlite3.h>

using namespace store;

namespace {

struct Column {
    QString name, type;
};

// The schema of a table file as SQLite itself sees it, read without the engine.
QList<Column> schemaOf(const QString &path, QStringList *tables)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *st = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_schema WHERE type='table'", -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        *tables << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    QList<Column> cols;
    if (tables->size() == 1) {
        const QByteArray sql = "PRAGMA table_info(\"" + tables->first().toUtf8() + "\")";
        sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW)
            cols.append({QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 1))),
                         QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 2)))});
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return cols;
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tableKindsAndYearLoadOrder()
    {
        int shared = 0, yearly = 0;
        for (const TableDef &t : catalogue())
            (t.kind == TableKind::Shared ? shared : yearly)++;
        QCOMPARE(shared, 21);
        QCOMPARE(yearly, 20);
        const QStringList order = {"nahr_dily",      "phm_nakup",      "phm_cerpani",   "phm_maziva",
                                   "sluzby",         "opravy_vlastni", "opravy_cizich", "mocka",
                                   "form1_psenice",  "form2_psenice",  "form1_jecmen",  "form2_jecmen",
                                   "form1_oves",     "form2_oves",     "form1_zito",    "form2_zito",
                                   "form1_brambory", "form2_brambory", "prijem",        "vydej"};
        QCOMPARE(yearScopedBases(), order);
    }

    void namesKeepTheirCase()
    {
        const TableDef *machines = findTable("seznam_stroju");
        QVERIFY(machines);
        QCOMPARE(machines->fields[2].name, QString("Datum_a_misto_nakupu"));
        QCOMPARE(machines->fields[8].name, QString("Poznamka1"));
        QCOMPARE(machines->fields.back().type, FieldType::Picture);
        QVERIFY(findTable("psenice_sklad")->field("pozemek/odberatel"));
        QVERIFY(findTable("senaz")->field("POZEMEK/KOMU")); // names match regardless of case
        // The card fields of the removed animals keep the widths of the register they are copied from.
        const TableDef *animals = findTable("seznam_zvirat"), *removed = findTable("odsun");
        QCOMPARE(removed->fields.size(), size_t(18));
        for (size_t i = 5; i < removed->fields.size(); ++i) {
            QCOMPARE(removed->fields[i].name, animals->fields[i].name);
            QCOMPARE(removed->fields[i].type, animals->fields[i].type);
            QCOMPARE(removed->fields[i].width, animals->fields[i].width);
        }
    }

    // Every written table file holds exactly one table named by its base, with the catalogue's columns,
    // declared types and widths in order; writing again creates nothing and keeps what the files hold.
    void installationTablesMatchTheCatalogue()
    {
        QTemporaryDir dir;
        const QStringList created = installTables(dir.path());
        QCOMPARE(created.size(), 41);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 41); // no temporary file left behind
        for (const TableDef &t : catalogue()) {
            QStringList tables;
            const QList<Column> cols = schemaOf(dir.path() + "/" + t.base + ".db", &tables);
            QCOMPARE(tables, QStringList{t.base});
            QCOMPARE(size_t(cols.size()), t.fields.size());
            for (size_t i = 0; i < t.fields.size(); ++i) {
                QCOMPARE(cols[qsizetype(i)].name, t.fields[i].name);
                QCOMPARE(cols[qsizetype(i)].type, declaredType(t.fields[i]));
            }
        }
        QCOMPARE(declaredType(findTable("nahr_dily")->fields[1]), QString("VARCHAR(20)"));

        sqlite3 *db = nullptr;
        sqlite3_open((dir.path() + "/senaz.db").toUtf8().constData(), &db);
        sqlite3_exec(db, "INSERT INTO senaz (datum) VALUES ('2004-09-05')", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        const QByteArray before = testsupport::fileBytes(dir.path() + "/senaz.db");
        QFile::remove(dir.path() + "/vydej.db");
        QCOMPARE(installTables(dir.path()), QStringList{"vydej.db"});
        QCOMPARE(testsupport::fileBytes(dir.path() + "/senaz.db"), before);
        QVERIFY(missingInstallationTables(dir.path()).isEmpty());
    }

    // A year table is a byte copy of its template, made only where none exists.
    void yearTableCopiedOnlyWhereAbsent()
    {
        testsupport::DataDir dir;
        QVERIFY(copyTableFile(dir.path(), "phm_nakup.db", "phm_nakup2004.db"));
        QCOMPARE(testsupport::fileBytes(dir.file("phm_nakup2004.db")),
                 testsupport::fileBytes(dir.file("phm_nakup.db")));

        sqlite3 *db = nullptr;
        sqlite3_open(dir.file("phm_nakup2004.db").toUtf8().constData(), &db);
        sqlite3_exec(db, "INSERT INTO phm_nakup (cena) VALUES (1)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        const QByteArray filled = testsupport::fileBytes(dir.file("phm_nakup2004.db"));
        QVERIFY(!copyTableFile(dir.path(), "phm_nakup.db", "phm_nakup2004.db"));
        QCOMPARE(testsupport::fileBytes(dir.file("phm_nakup2004.db")), filled);

        QVERIFY_THROWS_EXCEPTION(Error, copyTableFile(dir.path(), "chybi.db", "chybi2004.db"));
        QVERIFY(!QFile::exists(dir.file("chybi2004.db")));
        QCOMPARE(QDir(dir.path()).entryList({"*.tmp"}, QDir::Files), QStringList());
    }
};

VELMORA_REGISTER_TEST(CatalogueTest)
#include "tst_catalogue.moc"
