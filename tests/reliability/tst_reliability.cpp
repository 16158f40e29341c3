#include "app/startup.h"
#include "app/yearload.h"
#include "books/machinery.h"
#include "books/recordbook.h"
#include "plant/plantbooks.h"
#include "store/catalogue.h"
#include "store/installation.h"
#include "support/farm.h"
#include "support/testmain.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTableView>
#include <csignal>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <thread>
#include <unistd.h>

using testsupport::buttonOf;

namespace {

const QString kHelper = QStringLiteral(VELMORA_HELPER);

// SQLite's own check of a table file, opened as the program opens it (a journal left by a killed writer is
// rolled back first).
QString integrity(const QString &path)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return QStringLiteral("cannot open");
    }
    QString result;
    sqlite3_exec(
        db, "PRAGMA integrity_check",
        [](void *out, int, char **values, char **) {
            *static_cast<QString *>(out) += QString::fromUtf8(values[0]);
            return 0;
        },
        &result, nullptr);
    sqlite3_close(db);
    return result;
}

// Every table file of the directory passes SQLite's own check.
void checkAllFiles(const QString &dir)
{
    for (const QFileInfo &f : QDir(dir).entryInfoList({"*.db"}, QDir::Files))
        QVERIFY2(integrity(f.absoluteFilePath()) == "ok",
                 qPrintable(f.fileName() + ": " + integrity(f.absoluteFilePath())));
}

// The numbers the writer stored in org_hnuj_sklad, with how often each is there.
QMap<int, int> storedNumbers(const QString &dir)
{
    QMap<int, int> n;
    for (const QString &row : testsupport::storedRows(dir, "org_hnuj_sklad", "odkud"))
        ++n[row.mid(1).toInt()];
    return n;
}

QList<int> acknowledged(QProcess &p)
{
    QList<int> acks;
    const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
    for (int i = 0; i + 1 < lines.size(); ++i) // the last piece has no line end: not acknowledged
        acks << lines[i].toInt();
    return acks;
}

void killNow(QProcess &p)
{
    ::kill(pid_t(p.processId()), SIGKILL);
    p.waitForFinished(5000);
}

// Hostile contents for a table file.
QByteArray hostile(const QString &kind, const QByteArray &realTable)
{
    if (kind == "zero length")
        return {};
    if (kind == "truncated")
        return realTable.left(realTable.size() / 2 + 100);
    if (kind == "random bytes") {
        QByteArray b(8192, '\0');
        QRandomGenerator rng(7);
        for (char &c : b)
            c = char(rng.bounded(256));
        return b;
    }
    return "datum;mnozstvi;cena\n5.9.2004;10;250\n"; // a text file named .db
}

void makeHostile(const QString &path, const QString &kind, const QByteArray &realTable)
{
    QFile::remove(path);
    if (kind == "directory") {
        QDir().mkdir(path);
        return;
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(hostile(kind, realTable));
}

QByteArray state(const QString &path)
{
    return QFileInfo(path).isDir() ? QByteArray("a directory") : testsupport::fileBytes(path);
}

// A table file with some rows, to be cut.
QByteArray filledTable(testsupport::DataDir &dir, const QString &table)
{
    store::Database db(dir.path());
    QList<QStringList> rows;
    for (int i = 0; i < 300; ++i)
        rows << QStringList{"5.9.2004", QString::number(i), "250"};
    testsupport::fillTable(db, table, rows);
    return testsupport::fileBytes(dir.file(table + ".db"));
}

void registerAll(app::ScreenRegistry &screens)
{
    books::registerBooks(screens);
    plant::registerBooks(screens);
}

} // namespace

class ReliabilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // A writer killed at random moments: every file stays sound, and every row whose post had returned is
    // there exactly once.
    void killedWriterLosesNothing()
    {
        testsupport::DataDir dir;
        QRandomGenerator rng(2004);
        QSet<int> acked;
        for (int round = 0; round < 50; ++round) {
            QProcess writer;
            writer.start(kHelper,
                         {"write", dir.path(), "org_hnuj_sklad", QString::number(round * 100000), "100000"});
            QVERIFY(writer.waitForStarted());
            QVERIFY(writer.waitForReadyRead(10000)); // writing has begun
            std::this_thread::sleep_for(std::chrono::microseconds(rng.bounded(30000)));
            killNow(writer);
            for (int n : acknowledged(writer))
                acked << n;

            checkAllFiles(dir.path());
            const QMap<int, int> stored = storedNumbers(dir.path());
            for (int n : std::as_const(acked))
                QVERIFY2(stored.value(n) == 1,
                         qPrintable(QString("row w%1: %2 times").arg(n).arg(stored.value(n))));
            for (auto it = stored.begin(); it != stored.end(); ++it)
                QCOMPARE(it.value(), 1);
        }
        QVERIFY(acked.size() > 50);
    }

    // A year load killed mid-copy never leaves a half year table under its name; the next load completes the
    // year, and removes copies left behind long enough ago.
    void killedYearLoadLeavesNoHalfTable()
    {
        testsupport::DataDir dir;
        QRandomGenerator rng(2005);
        for (int round = 0; round < 20; ++round) {
            const QString year = QString::number(3000 + round);
            QProcess loader;
            loader.start(kHelper, {"years", dir.path(), year});
            QVERIFY(loader.waitForStarted());
            std::this_thread::sleep_for(std::chrono::microseconds(rng.bounded(60000)));
            killNow(loader);
            for (const QString &base : store::yearScopedBases()) {
                const QString target = dir.file(base + year + ".db");
                if (QFileInfo::exists(target))
                    QCOMPARE(testsupport::fileBytes(target), testsupport::fileBytes(dir.file(base + ".db")));
            }
        }
        // Copies left by the killed loads, made old; the loads of their years finish the job and clear them.
        const QStringList left = QDir(dir.path()).entryList({"*.tmp"}, QDir::Files);
        const struct timeval old[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        for (const QString &f : left)
            ::utimes(QFile::encodeName(dir.file(f)).constData(), old);
        for (int round = 0; round < 20; ++round)
            for (const QString &base : store::yearScopedBases())
                store::copyTableFile(dir.path(), base + ".db", base + QString::number(3000 + round) + ".db");
        QCOMPARE(QDir(dir.path()).entryList({"*.tmp"}, QDir::Files), QStringList());
        QCOMPARE(QDir(dir.path()).entryList({"*.db"}, QDir::Files).size(), 41 + 20 * 20);
    }

    // Two programs storing into one table at once: all rows there once, the file sound, and each engine sees
    // the other's rows when it reads the table again.
    void twoInstances()
    {
        testsupport::DataDir dir;
        QProcess a, b;
        a.start(kHelper, {"write", dir.path(), "org_hnuj_sklad", "0", "150"});
        b.start(kHelper, {"write", dir.path(), "org_hnuj_sklad", "1000", "150"});
        QVERIFY(a.waitForFinished(60000) && b.waitForFinished(60000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        const QMap<int, int> stored = storedNumbers(dir.path());
        QCOMPARE(stored.size(), 300);
        QVERIFY(std::all_of(stored.begin(), stored.end(), [](int times) { return times == 1; }));
        QCOMPARE(integrity(dir.file("org_hnuj_sklad.db")), QString("ok"));

        store::Database first(dir.path()), second(dir.path());
        store::Query q1(first), q2(second);
        q1.add("select * from org_hnuj_sklad");
        q2.add("select * from org_hnuj_sklad");
        q1.open();
        q2.open();
        q1.append();
        q1.setFieldText("odkud", "w9999");
        q1.post();
        QCOMPARE(q2.recordCount(), 300);
        q2.close();
        q2.open();
        QCOMPARE(q2.recordCount(), 301);
    }

    // Hostile table files at start-up, at the year load and when a book opens: a Czech message naming the
    // file, the file as it was, and the program still running and usable.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *k : {"zero length", "truncated", "random bytes", "text file", "directory"})
            QTest::newRow(k) << QString(k);
    }
    void hostileFiles()
    {
        QFETCH(QString, kind);
        testsupport::DataDir dir;
        dir.addYear("2004");
        const QByteArray real = filledTable(dir, "phm_nakup2004");

        // Start-up: a shared table a report layout reads.
        {
            const QString path = dir.file("seznam_zvirat.db");
            makeHostile(path, kind, real);
            const QByteArray before = state(path);
            const QString here = QDir::currentPath();
            QDir::setCurrent(dir.path());
            testsupport::ScriptedDialogs dialogs;
            auto program = app::startProgram(*qApp, dialogs, registerAll);
            QDir::setCurrent(here);
            QVERIFY(program);
            QCOMPARE(dialogs.texts("error").size(), 1);
            QVERIFY2(dialogs.texts("error")[0].contains("seznam_zvirat.db"),
                     qPrintable(dialogs.texts("error")[0]));
            QCOMPARE(state(path), before);
            QFile::remove(path);
            QDir().rmdir(path);
            store::installTables(dir.path());
        }

        // The year load and a book: the year's fuel purchases.
        testsupport::Farm farm(registerAll);
        const QString path = dir.file("phm_nakup2004.db");
        makeHostile(farm.dir.file("phm_nakup2004.db"), kind, real);
        const QString hostilePath = farm.dir.file("phm_nakup2004.db");
        const QByteArray before = state(hostilePath);
        Q_UNUSED(path);
        farm.db.forget("phm_nakup2004");
        QFile::remove(farm.dir.file("prijem2004.db"));
        farm.window->findChild<QPushButton *>("Button13")->click(); // "Načti" 2004 again
        QVERIFY(farm.dialogs.texts("error").join('\n').contains("phm_nakup2004.db"));
        QVERIFY(QFileInfo::exists(farm.dir.file("prijem2004.db"))); // the other tables are made all the same
        QCOMPARE(state(hostilePath), before);

        farm.dialogs.clear();
        farm.open<books::RecordBook>("Button7", "TForm22", [&](books::RecordBook &book) {
            QVERIFY(farm.dialogs.texts("default error").join('\n').contains("phm_nakup2004.db"));
            buttonOf(book, "Button1")->click();
        });
        QCOMPARE(state(hostilePath), before);
        // Everything else still works: another book stores a row.
        farm.open<books::RecordBook>("Button8", "TForm24", [&](books::RecordBook &book) {
            buttonOf(book, "Button3")->click();
            QVERIFY(book.query().setData(book.query().index(0, 0), "Zetor"));
            book.back();
        });
        QCOMPARE(farm.stored("phm_cerpani2004").size(), 1);
    }

    // A table another program holds locked: the engine waits its busy time, then says the table is in use;
    // once released, the same book works.
    void tableLockedByAnotherProgram()
    {
        testsupport::Farm farm(registerAll);
        QProcess holder;
        holder.start(kHelper, {"lock", farm.dir.path(), "phm_nakup2004"});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readAllStandardOutput(), QByteArray("locked\n"));
        const QByteArray before = testsupport::fileBytes(farm.dir.file("phm_nakup2004.db"));
        farm.db.forget("phm_nakup2004");
        farm.db.setBusyTimeout(200);
        farm.open<books::RecordBook>("Button7", "TForm22", [&](books::RecordBook &book) {
            const QString message = farm.dialogs.texts("default error").join('\n');
            QVERIFY2(message.contains("phm_nakup2004.db") && message.contains("jiný program"),
                     qPrintable(message));
            holder.closeWriteChannel();
            QVERIFY(holder.waitForFinished(10000));
            buttonOf(book, "Button6")->click(); // "Neřadit": read again
            QVERIFY(book.query().isOpen());
            book.back();
        });
        QCOMPARE(testsupport::fileBytes(farm.dir.file("phm_nakup2004.db")), before);
    }

    // Permissions as a farmer's own account meets them: a read-only table refuses the change with a clear
    // message, a table without read permission says so; both files stay as they were.
    void permissions_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("says");
        QTest::newRow("read-only (444)") << 0444 << "jen pro čtení";
        QTest::newRow("no read permission (000)") << 0000 << "oprávnění ke čtení";
    }
    void permissions()
    {
        QFETCH(int, mode);
        QFETCH(QString, says);
        testsupport::DataDir dir;
        const QString path = dir.file("org_hnuj_sklad.db");
        const QByteArray before = testsupport::fileBytes(path);
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
        ::chmod(QFile::encodeName(path).constData(), mode_t(mode));
        if (::getuid() != 0) // as the owner of the files, chmod 444 still allows reading
            QSKIP("needs root to step down to another user");
        QProcess p;
        p.start(kHelper, {"change", dir.path(), "org_hnuj_sklad"});
        QVERIFY(p.waitForFinished(10000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(out.contains(says) && out.contains("org_hnuj_sklad.db"), qPrintable(out));
        ::chmod(QFile::encodeName(path).constData(), 0644);
        QCOMPARE(testsupport::fileBytes(path), before);
    }

    // A full disk: the post fails, the typed row stays on the screen, "Zpět" says why before it leaves, and
    // the file keeps every row stored before.
    void fullDisk()
    {
        testsupport::Farm farm(registerAll);
        QList<QStringList> rows;
        for (int i = 0; i < 40; ++i)
            rows << QStringList{"5.9.2004", QString("přípravek %1").arg(i), "2 l", "100", QString(200, u'x')};
        testsupport::fillTable(farm.db, "chemicka_ochrana", rows);
        sqlite3 *db = farm.db.table("chemicka_ochrana")->db;
        QCOMPARE(sqlite3_exec(db, "PRAGMA max_page_count = 1", nullptr, nullptr, nullptr), SQLITE_OK);
        farm.open<books::RecordBook>("Button14", "TForm37", [&](books::RecordBook &book) {
            store::Query &q = book.query();
            bool full = false;
            for (int i = 0; i < 40 && !full; ++i) {
                buttonOf(book, "Button6")->click();
                QVERIFY(q.setData(q.index(q.currentRow(), 0), "6.9.2004"));
                QVERIFY(q.setData(q.index(q.currentRow(), 4), QString(200, u'y')));
                testsupport::moveMouse(&book, QPoint(book.width() - 2, book.height() - 2));
                full = q.state() == store::Query::State::Insert;
            }
            QVERIFY(full);
            buttonOf(book, "Button2")->click();
            QVERIFY(book.isVisible());
            const QString message = farm.dialogs.texts("default error").join('\n');
            QVERIFY2(message.contains("Disk je plný") && message.contains("chemicka_ochrana.db"),
                     qPrintable(message));
            QCOMPARE(q.state(), store::Query::State::Insert);
            buttonOf(book, "Button2")->click();
            QVERIFY(!book.isVisible());
        });
        QCOMPARE(integrity(farm.dir.file("chemicka_ochrana.db")), QString("ok"));
        QVERIFY(farm.stored("chemicka_ochrana").size() >= 40);
    }
};

VELMORA_REGISTER_TEST(ReliabilityTest)
#include "tst_reliability.moc"
