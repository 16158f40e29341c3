#include "store/database.h"
#include "store/error.h"
#include "store/query.h"
#include "support/datadir.h"
#include "support/testmain.h"

#include <QSignalSpy>
#include <sqlite3.h>

using namespace store;
using testsupport::failure;

namespace {

using testsupport::storedRows;

void fill(Query &q, const QStringList &values)
{
    q.append();
    for (int c = 0; c < values.size(); ++c)
        if (!values[c].isEmpty())
            q.setFieldText(q.field(c).name, values[c]);
    q.post();
}

} // namespace

class ResultSetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::DataDir> m_dir;
    std::unique_ptr<Database> m_db;

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        m_dir = std::make_unique<testsupport::DataDir>();
        m_dir->addYear("2004");
        m_db = std::make_unique<Database>(m_dir->path());
    }
    void cleanup()
    {
        m_db.reset();
        m_dir.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Append, type, post: the row is stored once post returns, with each value in its own storage class.
    void appendPostReadBack()
    {
        Query q(*m_db);
        q.add("select * from phm_nakup2004");
        q.open();
        QCOMPARE(q.state(), Query::State::Browse);
        QCOMPARE(q.currentRow(), -1);
        q.append();
        QCOMPARE(q.state(), Query::State::Insert);
        q.setFieldText("Datum", "5.9.2004"); // field names match regardless of case
        q.setFieldText("mnozstvi", "1 250,5");
        q.setFieldText("cena", "31250");
        QVERIFY(storedRows(m_dir->path(), "phm_nakup2004").isEmpty()); // pending, not stored
        q.post();
        QCOMPARE(q.state(), Query::State::Browse);
        QCOMPARE(storedRows(m_dir->path(), "phm_nakup2004"), QStringList{"5.9.2004|1250,5|31250"});

        sqlite3 *raw = nullptr;
        sqlite3_open(m_dir->file("phm_nakup2004.db").toUtf8().constData(), &raw);
        sqlite3_stmt *st = nullptr;
        sqlite3_prepare_v2(raw, "SELECT typeof(datum), datum, typeof(mnozstvi) FROM phm_nakup", -1, &st,
                           nullptr);
        QCOMPARE(sqlite3_step(st), SQLITE_ROW);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(st, 0))), QByteArray("text"));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(st, 1))),
                 QByteArray("2004-09-05"));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(st, 2))), QByteArray("real"));
        sqlite3_finalize(st);
        sqlite3_close(raw);
    }

    // The pending row: stored before moving or appending when modified, dropped when new and untouched,
    // dropped by cancel, close and a new text.
    void pendingRowTransitions()
    {
        Query q(*m_db);
        q.add("select * from phm_nakup2004");
        q.open();
        fill(q, {"1.1.2004", "10", "100"});
        fill(q, {"2.1.2004", "20", "200"});

        q.append();
        q.append(); // the untouched new row is dropped, not stored
        QCOMPARE(q.recordCount(), 3);
        q.setFieldText("datum", "3.1.2004");
        q.append(); // a modified one is stored first
        QCOMPARE(storedRows(m_dir->path(), "phm_nakup2004").size(), 3);
        q.moveTo(0); // the untouched new row goes away
        QCOMPARE(q.recordCount(), 3);
        QCOMPARE(q.state(), Query::State::Browse);

        q.setFieldText("cena", "150"); // typing into a stored row edits it
        QCOMPARE(q.state(), Query::State::Edit);
        q.moveTo(1); // and moving stores it
        QCOMPARE(storedRows(m_dir->path(), "phm_nakup2004")[0], QString("1.1.2004|10|150"));

        q.setFieldText("cena", "999");
        q.cancel();
        QCOMPARE(q.fieldText("cena"), QString("200"));
        QCOMPARE(q.state(), Query::State::Browse);
        QCOMPARE(failure([&] { q.post(); }), Error::Kind::NothingToPost);

        q.append();
        q.setFieldText("datum", "4.1.2004");
        q.close(); // dropped without a trace
        q.open();
        QCOMPARE(q.recordCount(), 3);
        q.append();
        q.setFieldText("datum", "4.1.2004");
        q.clear(); // a new text closes the result first
        QCOMPARE(q.isOpen(), false);
        QCOMPARE(storedRows(m_dir->path(), "phm_nakup2004").size(), 3);
    }

    // Deleting: a pending new row is dropped instead; an empty result fails; of two identical rows one stays.
    void deleting()
    {
        Query q(*m_db);
        q.add("select * from nahr_dily2004");
        q.open();
        QCOMPARE(failure([&] { q.deleteCurrent(); }), Error::Kind::EmptyResult);
        fill(q, {"5.9.2004", "filtr", "2", "Zetor", "Agro Tábor", "350"});
        fill(q, {"5.9.2004", "filtr", "2", "Zetor", "Agro Tábor", "350"});
        q.append();
        q.setFieldText("nahradni_dil", "řemen");
        q.deleteCurrent();
        QCOMPARE(q.recordCount(), 2);
        QCOMPARE(storedRows(m_dir->path(), "nahr_dily2004").size(), 2);
        q.moveTo(0);
        q.deleteCurrent();
        QCOMPARE(storedRows(m_dir->path(), "nahr_dily2004"),
                 QStringList{"5.9.2004|filtr|2|Zetor|Agro Tábor|350"});
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.currentRow(), 0);
    }

    // A result over listed columns stores those and leaves the others empty; edits touch only assigned
    // fields.
    void columnSubset()
    {
        Query q(*m_db);
        q.add("select stat, cv_cislo from seznam_zvirat");
        q.open();
        fill(q, {"CZ", "CZ123456"});
        Query card(*m_db);
        card.setText({"select * from seznam_zvirat", matchLine("cv_cislo", "CZ123456")});
        card.open();
        card.setFieldText("poznamky", "kulhá");
        card.post();
        q.close();
        q.open();
        q.setFieldText("stat", "SK");
        q.post();
        const QStringList rows = storedRows(m_dir->path(), "seznam_zvirat");
        QCOMPARE(rows.size(), 1);
        QVERIFY(rows[0].startsWith("SK|CZ123456|||"));
        QVERIFY(rows[0].endsWith("|kulhá"));
    }

    // Sorted and aggregate results are read-only; order by is chronological for dates, Czech for text.
    void sortedResults()
    {
        Query q(*m_db);
        q.add("select * from opravy_vlastni2004");
        q.open();
        for (const QString machine : {"Zetor", "Čelisťový", "Cyklon", "Chrudim", "Hora", "avia"})
            fill(q, {machine, "10.1.2004", "", "1"});
        q.moveTo(0);
        q.setFieldText("datum", "1.12.2004");
        q.moveTo(1);
        q.setFieldText("datum", "5.9.2004");
        q.post();

        q.setText({"select * from opravy_vlastni2004", "order by stroj"});
        q.open();
        QStringList order;
        for (int r = 0; r < q.recordCount(); ++r) {
            q.moveTo(r);
            order << q.fieldText("stroj");
        }
        QCOMPARE(order, (QStringList{"avia", "Cyklon", "Čelisťový", "Hora", "Chrudim", "Zetor"}));
        QVERIFY(q.isReadOnly());
        QCOMPARE(failure([&] { q.append(); }), Error::Kind::ReadOnlyResult);
        QCOMPARE(failure([&] { q.setFieldText("stroj", "x"); }), Error::Kind::ReadOnlyResult);
        QCOMPARE(failure([&] { q.deleteCurrent(); }), Error::Kind::ReadOnlyResult);
        QCOMPARE(failure([&] { q.edit(); }), Error::Kind::ReadOnlyResult);
        QVERIFY(!(q.flags(q.index(0, 0)) & Qt::ItemIsEditable));

        q.setText({"select * from opravy_vlastni2004", "order by datum"});
        q.open();
        q.moveTo(q.recordCount() - 1);
        QCOMPARE(q.fieldText("datum"), QString("1.12.2004"));
        q.moveTo(q.recordCount() - 2);
        QCOMPARE(q.fieldText("datum"), QString("5.9.2004"));
    }

    // Sums read as text in the locale's form, empty over no rows; as whole numbers nearest with halves to
    // even.
    void aggregates()
    {
        Query q(*m_db), x(*m_db);
        q.add("select * from prijem2004");
        q.open();
        x.add("select sum (prijem) as x from prijem2004");
        x.open();
        QCOMPARE(x.fieldText("x"), QString());
        QCOMPARE(x.fieldInt("x"), qint64(0));
        x.setText({"select  count(datum) as x from prijem2004"});
        x.open();
        QCOMPARE(x.fieldText("x"), QString("0"));

        fill(q, {"2.4.2004", "100,4", "Novák", "seno"});
        fill(q, {"30.6.2004", "100,4", "", ""});
        fill(q, {"1.7.2004", "2,5", "", ""});
        fill(q, {"", "7", "bez data", ""});
        x.setText({"select sum (prijem) as x from prijem2004",
                   "where datum between \"1.4.2004\" and \"30.6.2004\""});
        x.open();
        QCOMPARE(x.fieldText("x"), QString("200,8"));
        QCOMPARE(x.fieldInt("x"), qint64(201));
        QVERIFY(x.isReadOnly());
        QLocale::setDefault(QLocale::c());
        QCOMPARE(x.fieldText("x"), QString("200.8"));
        x.setText({"select sum (prijem) as x from prijem2004",
                   "where datum between \"1.7.2004\" and \"31.12.2004\""});
        x.open();
        QCOMPARE(x.fieldInt("x"), qint64(2)); // 2.5 goes to the even neighbour
        x.setText({"select count (datum) as x from prijem2004"});
        x.open();
        QCOMPARE(x.fieldText("x"), QString("3")); // the row without a date is not counted
    }

    // Totals kept between readings still follow every change: through this engine, another one, or raw SQL.
    void aggregatesFollowEveryChange()
    {
        Query q(*m_db), x(*m_db);
        q.add("select * from vydej2004");
        q.open();
        auto total = [&] {
            x.setText({"select sum (vydej) as x from vydej2004"});
            x.open();
            return x.fieldText("x");
        };
        QCOMPARE(total(), QString());
        fill(q, {"1.1.2004", "10", "", ""});
        QCOMPARE(total(), QString("10"));
        QCOMPARE(total(), QString("10"));
        q.setFieldText("vydej", "12,5");
        q.post();
        QCOMPARE(total(), QString("12,5"));
        {
            Database other(m_dir->path());
            Query o(other);
            o.add("select * from vydej2004");
            o.open();
            fill(o, {"2.1.2004", "1", "", ""});
        }
        QCOMPARE(total(), QString("13,5"));
        sqlite3 *raw = nullptr;
        sqlite3_open(m_dir->file("vydej2004.db").toUtf8().constData(), &raw);
        sqlite3_exec(raw, "DELETE FROM vydej WHERE vydej = 1", nullptr, nullptr, nullptr);
        sqlite3_close(raw);
        QCOMPARE(total(), QString("12,5"));
        q.deleteCurrent();
        QCOMPARE(total(), QString());
        x.setText(
            {"select sum (vydej) as x from vydej2004", "where datum between \"1.1.2004\" and \"1.1.2004\""});
        x.open();
        QCOMPARE(x.fieldText("x"), QString());
    }

    // One notification for each data change: open, move, field change, stored, appended, deleted.
    void notifications()
    {
        Query q(*m_db);
        q.add("select * from phm_nakup2004");
        QSignalSpy spy(&q, &Query::dataChange);
        q.open();
        QCOMPARE(spy.count(), 1);
        q.append();
        QCOMPARE(spy.count(), 2);
        q.setFieldText("datum", "5.9");
        QCOMPARE(spy.count(), 3);
        q.post();
        QCOMPARE(spy.count(), 4);
        fill(q, {"6.9.2004", "", ""});
        spy.clear();
        q.moveTo(0);
        QCOMPARE(spy.count(), 1);
        q.deleteCurrent();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(storedRows(m_dir->path(), "phm_nakup2004").first(), QString("6.9.2004||"));
    }

    // The grid edits through the model; a refused value is reported and leaves the cell as it was.
    void editingThroughTheModel()
    {
        Query q(*m_db);
        q.add("select * from phm_nakup2004");
        q.open();
        q.edit(); // on an empty result: a new row
        QCOMPARE(q.state(), Query::State::Insert);
        QSignalSpy failed(&q, &Query::failed);
        QVERIFY(q.setData(q.index(0, 0), "5.9.2004"));
        QVERIFY(!q.setData(q.index(0, 2), "12,5x"));
        QCOMPARE(failed.count(), 1);
        QVERIFY(failed.first().first().toString().contains("„12,5x“"));
        QCOMPARE(q.data(q.index(0, 2)).toString(), QString());
        QVERIFY(q.setData(q.index(0, 2), "12,5"));
        QCOMPARE(q.data(q.index(0, 2)).toString(), QString("12,5"));
        QCOMPARE(q.headerData(0, Qt::Horizontal).toString(), QString("datum"));
        q.post();
        QCOMPARE(storedRows(m_dir->path(), "phm_nakup2004"), QStringList{"5.9.2004||12,5"});
    }

    // A match value reaches the engine as a parameter: quotes are searched for, % and _ stay wildcards,
    // and the comparison folds case across the whole of Unicode.
    void matching()
    {
        Query q(*m_db);
        q.add("select cv_cislo from seznam_zvirat");
        q.open();
        for (const QString n : {"CZ123", "CZ1299", "XCZ12", "a\"b", "Čáp 7", "cz_9", "100%"})
            fill(q, {n});
        const QList<std::pair<QString, QStringList>> cases = {
            {"CZ12%", {"CZ123", "CZ1299"}},     {"cz12_", {"CZ123"}}, {"a\"b", {"a\"b"}}, {"čÁP%", {"Čáp 7"}},
            {"%\") or (cv_cislo like \"%", {}}, {"100%", {"100%"}},   {"CZ_9", {"cz_9"}},
        };
        for (const auto &[value, expected] : cases) {
            Query m(*m_db);
            m.setText({"select cv_cislo from seznam_zvirat", matchLine("cv_cislo", value)});
            m.open();
            QStringList found;
            for (int r = 0; r < m.recordCount(); ++r) {
                m.moveTo(r);
                found << m.fieldText("cv_cislo");
            }
            QCOMPARE(found, expected);
        }
        QCOMPARE(storedRows(m_dir->path(), "seznam_zvirat", "cv_cislo").size(), 7);

        Query s(*m_db);
        s.add("select * from sluzby2004");
        s.open();
        fill(s, {"Zetor 7211", "1.5.2004", "Dvořák \"U lípy\"", "3", "1500"});
        fill(s, {"Škoda", "2.5.2004", "obec", "1", "300"});
        for (const auto &[text, count] :
             QList<std::pair<QString, int>>{{"zetor", 1}, {"\"U lípy\"", 1}, {"O", 2}}) {
            s.setText({"select * from sluzby2004", servicesSearchLine(text)});
            s.open();
            QCOMPARE(s.recordCount(), count);
        }
    }
};

VELMORA_REGISTER_TEST(ResultSetTest)
#include "tst_resultset.moc"
