#include "store/database.h"
#include "store/error.h"
#include "store/installation.h"
#include "store/query.h"
#include "support/datadir.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <sqlite3.h>

using namespace store;
using testsupport::failure;

class EngineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nameResolution()
    {
        testsupport::DataDir dir;
        Database db(dir.path());
        QCOMPARE(db.table("phm_nakup"), db.table("phm_nakup.db")); // one file, one connection
        QCOMPARE(db.table("pastva")->columns.size(), size_t(18));
        for (const QString bad : {"../phm_nakup", "/etc/passwd", "a\\b", ".db", "phm_nakup 2004", "x.y"})
            QVERIFY_THROWS_EXCEPTION(Error, Database::fileName(bad));
    }

    // A probe must stay a probe: opening a table that is not there creates nothing.
    void missingTableIsNotCreated()
    {
        testsupport::DataDir dir;
        Database db(dir.path());
        Query q(db);
        q.add("select * from phm_nakup2031.db");
        try {
            q.open();
            QFAIL("opened a missing table");
        } catch (const Error &e) {
            QCOMPARE(e.kind(), Error::Kind::MissingFile);
            QVERIFY(e.message().contains("phm_nakup2031.db"));
        }
        QVERIFY(!QFile::exists(dir.file("phm_nakup2031.db")));
        QVERIFY(!q.isOpen());
        QCOMPARE(q.fieldText("datum"), QString()); // a closed result reads as empty, it does not throw
    }

    void unknownFieldsAreErrors()
    {
        testsupport::DataDir dir;
        Database db(dir.path());
        Query q(db);
        for (const QStringList &text : {QStringList{"select stroj, barvy from seznam_stroju"},
                                        QStringList{"select * from seznam_stroju", "order by cena"},
                                        QStringList{"select sum (barva) as x from seznam_stroju"}}) {
            q.clear();
            for (const QString &line : text)
                q.add(line);
            QVERIFY_THROWS_EXCEPTION(Error, q.open());
            QVERIFY(!q.isOpen());
        }
    }

    // Every query text the screens and report layouts send opens on the installation tables.
    void screenQueriesOpen()
    {
        testsupport::DataDir dir;
        Database db(dir.path());
        const char *const texts[] = {
            "select  count(datum) as x from phm_nakup",
            "select  sum (cena) as x from phm_nakup",
            "select  sum (mnozstvi) as x from phm_nakup",
            "select * from chemicka_ochrana",
            "select * from form1_oves",
            "select * from form2_oves",
            "select * from mocka",
            "select * from nahr_dily",
            "select * from odsun",
            "select * from opravy_cizich",
            "select * from opravy_vlastni",
            "select * from org_hnuj_aplikace",
            "select * from org_hnuj_sklad",
            "select * from pastva",
            "select * from phm_cerpani",
            "select * from phm_maziva",
            "select * from phm_nakup",
            "select * from prijem",
            "select * from psenice_sklad",
            "select * from senaz",
            "select * from seno_sklad_male",
            "select * from seno_vydej_male",
            "select * from seznam_stroju",
            "select * from seznam_zvirat",
            "select * from sluzby",
            "select * from vydej",
            "select cislo, usni_zn_zeme, usni_zn_cislo_zvirete, narozeni_datum, narozeni_reg_c_hosp, "
            "pohlavy, usni_zn_matky_zeme, usni_zn_matky_cislo_zv, plem_prisl_matky, plem_prisl_zvirete, "
            "vystavil, dne, chovatel_nazev, poznamky from odsun",
            "select count (cislo) as x from odsun",
            "select count (cv_cislo) as x from pastva",
            "select count (cv_cislo) as x from seznam_zvirat",
            "select count (datum) as x from chemicka_ochrana",
            "select count (datum) as x from mocka",
            "select count (datum) as x from nahr_dily",
            "select count (datum) as x from opravy_cizich",
            "select count (datum) as x from org_hnuj_aplikace",
            "select count (datum) as x from org_hnuj_sklad",
            "select count (datum) as x from prijem",
            "select count (datum) as x from senaz",
            "select count (datum) as x from vydej",
            "select count (stroj) as x from opravy_vlastni",
            "select count (stroj) as x from seznam_stroju",
            "select count (stroj) as x from sluzby",
            "select count(datum) as x from phm_maziva",
            "select count(stroj) as x from phm_cerpani",
            "select cv_cislo, stat, dat_narozeni, vdj, samec from seznam_zvirat",
            "select cv_cislo, usni_zn_zeme, usni_zn_cislo_zvirete, narozeni_datum, narozeni_reg_c_hosp, "
            "pohlavy, usni_zn_matky_zeme, usni_zn_matky_cislo_zv, plem_prisl_matky, plem_prisl_zvirete, "
            "vystavil, dne, chovatel_nazev, poznamky from seznam_zvirat",
            "select stat, cislo, kam_cislo_registru, datum from odsun",
            "select stat, cislo, kam_cislo_registru, datum, poznamka from odsun",
            "select stat, cv_cislo, dat_narozeni, vdj, samec from pastva",
            "select stat, cv_cislo, dat_narozeni, vdj, samec from seznam_zvirat",
            "select stroj, rok_vyroby from seznam_stroju",
            "select sum (cena) as x from chemicka_ochrana",
            "select sum (cena) as x from nahr_dily",
            "select sum (cena) as x from phm_nakup",
            "select sum (cena) as x from senaz",
            "select sum (faktur_cena) as x from opravy_cizich",
            "select sum (fakturovana_cena) as x from sluzby",
            "select sum (hodiny) as x from sluzby",
            "select sum (kc) as x from seno_vydej_male",
            "select sum (kc) as x from seno_vydej_velke",
            "select sum (kc) as x from slama_vydej_male",
            "select sum (kc) as x from slama_vydej_velke",
            "select sum (kc_vydej) as x from brambory_sklad",
            "select sum (kc_vydej) as x from jecmen_sklad",
            "select sum (kc_vydej) as x from oves_sklad",
            "select sum (kc_vydej) as x from phm_maziva",
            "select sum (kc_vydej) as x from psenice_sklad",
            "select sum (kc_vydej) as x from zito_sklad",
            "select sum (mnozstvi) as x from mocka",
            "select sum (mnozstvi) as x from org_hnuj_aplikace",
            "select sum (mnozstvi) as x from phm_cerpani",
            "select sum (mnozstvi_sklad) as x from senaz",
            "select sum (mnozstvi_vydej) as x from senaz",
            "select sum (pocet_fur) as x from org_hnuj_sklad",
            "select sum (pocet_hodin) as x from opravy_cizich",
            "select sum (pocet_hodin) as x from opravy_vlastni",
            "select sum (prijem) as x from prijem",
            "select sum (vydej) as x from vydej",
            "select sum(kc_vydej) as x from phm_maziva",
            "select sum(mnozstvi_doplneni) as x from phm_maziva",
            "select sum(mnozstvi_vymena) as x from phm_maziva",
        };
        for (const char *text : texts) {
            Query q(db);
            q.add(text);
            try {
                q.open();
            } catch (const Error &e) {
                QFAIL(qPrintable(e.message()));
            }
        }
        const char *const orders[][2] = {
            {"seznam_zvirat", "dat_narozeni"},   {"odsun", "cislo"},   {"seznam_stroju", "rok_vyroby"},
            {"psenice_sklad", "mnozstvi_vydej"}, {"prijem", "prijem"}, {"vydej", "vydej"}};
        for (const auto &[table, field] : orders) {
            Query q(db);
            q.setText(
                {QStringLiteral("select * from %1").arg(table), QStringLiteral("order by %1").arg(field)});
            q.open();
            QVERIFY(q.isReadOnly());
        }
    }

    // A change never goes into a file that was removed or replaced since the table was opened.
    void replacedFile()
    {
        testsupport::DataDir dir;
        Database db(dir.path());
        Query q(db);
        q.add("select * from prijem");
        q.open();
        q.append();
        q.setFieldText("datum", "5.9.2004");
        QVERIFY(QFile::remove(dir.file("prijem.db")));
        QCOMPARE(failure([&] { q.post(); }), Error::Kind::MissingFile);
        QVERIFY(QFile::copy(dir.file("vydej.db"), dir.file("prijem.db")));
        QCOMPARE(failure([&] { q.post(); }), Error::Kind::MissingFile);
        QCOMPARE(q.state(), Query::State::Insert); // still typed, nothing lost silently

        Query fresh(db); // a new opening reaches the file now in place
        fresh.add("select * from prijem");
        fresh.open();
        QCOMPARE(fresh.field(1).name, QString("vydej"));
        QVERIFY_THROWS_EXCEPTION(Error, copyTableFile(dir.path(), "prijem.db", "../prijem2004.db"));
    }

    // Files that are no table: an error naming the file, the file byte for byte as it was, the engine usable.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *k : {"zero length", "random bytes", "text file", "directory", "truncated",
                              "two tables", "unknown type"})
            QTest::newRow(k) << QString(k);
    }
    void hostileFiles()
    {
        QFETCH(QString, kind);
        testsupport::DataDir dir;
        const QString path = dir.file("senaz.db");
        if (kind == "truncated") {
            sqlite3 *raw = nullptr;
            sqlite3_open(path.toUtf8().constData(), &raw);
            sqlite3_exec(raw, "BEGIN", nullptr, nullptr, nullptr);
            for (int i = 0; i < 2000; ++i)
                sqlite3_exec(raw,
                             "INSERT INTO senaz (datum, \"pozemek/komu\") VALUES ('2004-09-05', 'Na Vršku u "
                             "lesa, za potokem')",
                             nullptr, nullptr, nullptr);
            sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(raw);
            QFile f(path);
            QVERIFY(f.resize(f.size() / 2));
        } else if (kind == "two tables" || kind == "unknown type") {
            sqlite3 *raw = nullptr;
            sqlite3_open(path.toUtf8().constData(), &raw);
            sqlite3_exec(raw,
                         kind == "two tables" ? "CREATE TABLE druha (a VARCHAR(5))"
                                              : "ALTER TABLE senaz ADD b BLOB",
                         nullptr, nullptr, nullptr);
            sqlite3_close(raw);
        } else {
            QFile::remove(path);
            if (kind == "directory") {
                QVERIFY(QDir().mkdir(path));
            } else {
                QFile f(path);
                QVERIFY(f.open(QIODevice::WriteOnly));
                if (kind == "random bytes") {
                    QByteArray bytes(8192, 0);
                    QRandomGenerator gen(42);
                    for (char &c : bytes)
                        c = char(gen.bounded(256));
                    f.write(bytes);
                } else if (kind == "text file") {
                    f.write("datum;mnozstvi\n5.9.2004;12\n");
                }
            }
        }
        const QByteArray before = QFileInfo(path).isDir() ? QByteArray() : testsupport::fileBytes(path);

        Database db(dir.path());
        Query q(db);
        q.add("select * from senaz");
        try {
            q.open();
            QFAIL("opened a file that is no table");
        } catch (const Error &e) {
            QVERIFY2(e.message().contains("senaz.db"), qPrintable(e.message()));
            QVERIFY(e.kind() == Error::Kind::DamagedFile);
        }
        QVERIFY(!q.isOpen());
        if (!QFileInfo(path).isDir())
            QCOMPARE(testsupport::fileBytes(path), before);
        QDir d(dir.path());
        QVERIFY(!d.exists("senaz.db-journal"));

        q.setText({"select * from seno_sklad_male"}); // everything else still works
        q.open();
        q.append();
        q.setFieldText("datum", "5.9.2004");
        q.post();
    }

    // Another program holding the table: the engine waits its busy timeout, then says the table is in use.
    void lockedTable()
    {
        testsupport::DataDir dir;
        Database db(dir.path());
        db.setBusyTimeout(50);
        Query q(db);
        q.add("select * from prijem");
        q.open();

        sqlite3 *other = nullptr;
        sqlite3_open(dir.file("prijem.db").toUtf8().constData(), &other);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        q.append();
        q.setFieldText("datum", "5.9.2004");
        try {
            q.post();
            QFAIL("posted into a locked table");
        } catch (const Error &e) {
            QCOMPARE(e.kind(), Error::Kind::LockedFile);
            QVERIFY(e.message().contains("prijem.db"));
        }
        QCOMPARE(q.state(), Query::State::Insert); // the typed row is still there to post again
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        q.post();
        QCOMPARE(q.state(), Query::State::Browse);
    }
};

VELMORA_REGISTER_TEST(EngineTest)
#include "tst_engine.moc"
