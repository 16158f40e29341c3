#include "store/database.h"
#include "store/error.h"
#include "store/query.h"
#include "store/transaction.h"
#include "support/datadir.h"
#include "support/testmain.h"

#include <sqlite3.h>

using namespace store;
using testsupport::failure;

namespace {
const auto stored = testsupport::storedRows;
} // namespace

class TransactionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::DataDir> m_dir;
    std::unique_ptr<Database> m_db;

    void fillAnimals()
    {
        testsupport::fillTable(*m_db, "seznam_zvirat", {{"CZ", "B2"}, {"SK", "A1"}, {"CZ", "C3"}});
        testsupport::fillTable(*m_db, "pastva", {{"SK", "A1"}});
    }
    // A removal as the livestock register makes it: the new odsun row, the list row, the pasture row.
    void stage(Transaction &tx, Query &list, Query &pasture, Query &removed)
    {
        list.setText({"select * from seznam_zvirat", "order by cv_cislo"}); // sorted: read-only
        list.open();
        QCOMPARE(list.fieldText("cv_cislo"), QString("A1"));
        pasture.setText({"select * from pastva", exactMatchLine("cv_cislo", "A1")});
        pasture.open();
        removed.setText({"select * from odsun"});
        removed.open();
        removed.append();
        removed.setFieldText("stat", "SK");
        removed.setFieldText("cislo", "A1");
        removed.setFieldText("datum", "5.9.2004");
        tx.insertPending(removed);
        tx.deleteRow(list, list.currentRow());
        tx.deleteRow(pasture, 0);
    }

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        m_dir = std::make_unique<testsupport::DataDir>();
        m_db = std::make_unique<Database>(m_dir->path());
        fillAnimals();
    }
    void cleanup()
    {
        m_db.reset();
        m_dir.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Three files change together, also through a sorted result, and the results show it.
    void changesSeveralFilesTogether()
    {
        Query list(*m_db), pasture(*m_db), removed(*m_db);
        Transaction tx(*m_db);
        stage(tx, list, pasture, removed);
        tx.commit();

        QCOMPARE(stored(m_dir->path(), "seznam_zvirat", "cv_cislo"), QStringList({"B2", "C3"}));
        QVERIFY(stored(m_dir->path(), "pastva", "*").isEmpty());
        QCOMPARE(stored(m_dir->path(), "odsun", "stat, cislo, datum"), QStringList({"SK|A1|5.9.2004"}));
        QCOMPARE(list.recordCount(), 2);
        QCOMPARE(list.fieldText("cv_cislo"), QString("B2"));
        QVERIFY(pasture.isEmpty());
        QCOMPARE(removed.state(), Query::State::Browse);
        QVERIFY(removed.rowId(0) > 0);
        // The cached connections see the change at once.
        Query count(*m_db);
        count.add("select count (cv_cislo) as x from seznam_zvirat");
        count.open();
        QCOMPARE(count.fieldInt("x"), 2);
        // No journal is left behind.
        QCOMPARE(QDir(m_dir->path()).entryList({"*-journal", "*-mj*"}, QDir::Files), QStringList());
    }

    // Any failure on the way leaves every file as it was and every result as it was.
    void failureChangesNothing_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("kind");
        QTest::newRow("pasture row removed meanwhile") << 0 << int(Error::Kind::RowGone);
        QTest::newRow("pasture table locked") << 1 << int(Error::Kind::LockedFile);
        QTest::newRow("list file replaced") << 2 << int(Error::Kind::MissingFile);
    }
    void failureChangesNothing()
    {
        QFETCH(int, fault);
        QFETCH(int, kind);
        Query list(*m_db), pasture(*m_db), removed(*m_db);
        Transaction tx(*m_db);
        stage(tx, list, pasture, removed);
        const QByteArray listBytes = testsupport::fileBytes(m_dir->file("seznam_zvirat.db"));

        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(m_dir->file("pastva.db")).constData(), &other), SQLITE_OK);
        if (fault == 0) {
            QCOMPARE(sqlite3_exec(other, "DELETE FROM pastva", nullptr, nullptr, nullptr), SQLITE_OK);
        } else if (fault == 1) {
            m_db->setBusyTimeout(20);
            QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        } else {
            QFile::copy(m_dir->file("seznam_zvirat.db"), m_dir->file("copy.db"));
            QFile::remove(m_dir->file("seznam_zvirat.db"));
            QFile::rename(m_dir->file("copy.db"), m_dir->file("seznam_zvirat.db"));
        }
        QCOMPARE(int(failure([&] { tx.commit(); })), kind);
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);

        QVERIFY(stored(m_dir->path(), "odsun", "*").isEmpty());
        QCOMPARE(stored(m_dir->path(), "seznam_zvirat", "cv_cislo"), QStringList({"B2", "A1", "C3"}));
        QCOMPARE(testsupport::fileBytes(m_dir->file("seznam_zvirat.db")), listBytes);
        QCOMPARE(list.recordCount(), 3);
        QCOMPARE(removed.state(), Query::State::Insert);
        QCOMPARE(removed.fieldText("cislo"), QString("A1"));
    }

    // The exact match line treats % and _ as characters and says what it does.
    void exactMatch()
    {
        testsupport::fillTable(*m_db, "seznam_zvirat",
                               {{"CZ", "CZ_1"}, {"CZ", "CZ21"}, {"CZ", "CZ1%"}, {"CZ", "CZ1234"}});
        Query q(*m_db);
        const auto numbers = [&](const QueryLine &line) {
            q.setText({"select cv_cislo from seznam_zvirat", line});
            q.open();
            QStringList found;
            for (int r = 0; r < q.recordCount(); ++r)
                found << q.valueText(r, 0);
            return found;
        };
        QCOMPARE(exactMatchLine("cv_cislo", "CZ_1").text(), QString("where (cv_cislo = \"CZ_1\")"));
        QCOMPARE(numbers(exactMatchLine("cv_cislo", "CZ_1")), QStringList({"CZ_1"}));
        QCOMPARE(numbers(exactMatchLine("cv_cislo", "CZ1%")), QStringList({"CZ1%"}));
        QCOMPARE(numbers(exactMatchLine("cv_cislo", "cz21")), QStringList());
        QCOMPARE(numbers(exactMatchLine("cv_cislo", "")), QStringList());
        QCOMPARE(numbers(matchLine("cv_cislo", "CZ_1")), QStringList({"CZ_1", "CZ21"}));
    }
};

VELMORA_REGISTER_TEST(TransactionTest)
#include "tst_transaction.moc"
