// A second program for the reliability tests: it writes rows through the engine, copies year tables or holds
// a table locked, and says what it has done on its standard output, one line per finished step, so that the
// test knows what had been acknowledged when it kills this process.
//
//   helper write DIR TABLE FIRST COUNT   posts rows whose "odkud" is "w<n>", n = FIRST ..; prints n after
//   each helper years DIR YEAR                copies every year table of YEAR from its template; prints each
//   name helper lock DIR TABLE                holds TABLE with BEGIN EXCLUSIVE until its standard input
//   closes helper change DIR TABLE              as an unprivileged user (when started as root): opens TABLE
//   and stores
//                                        one row; prints "stored", or the error's kind and message

#include "store/catalogue.h"
#include "store/database.h"
#include "store/error.h"
#include "store/installation.h"
#include "store/query.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <cstdio>
#include <grp.h>
#include <sqlite3.h>
#include <unistd.h>

namespace {

void say(const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

int write(const QString &dir, const QString &table, int first, int count)
{
    store::Database db(dir);
    store::Query q(db);
    q.add(QStringLiteral("select * from ") + table);
    q.open();
    for (int n = first; n < first + count; ++n) {
        q.append();
        q.setFieldText(QStringLiteral("datum"), QStringLiteral("5.9.2004"));
        q.setFieldText(QStringLiteral("odkud"), QStringLiteral("w%1").arg(n));
        q.post();
        say(QString::number(n));
    }
    return 0;
}

int years(const QString &dir, const QString &year)
{
    for (const QString &base : store::yearScopedBases()) {
        const QString target = base + year + QStringLiteral(".db");
        if (store::copyTableFile(dir, base + QStringLiteral(".db"), target))
            say(target);
    }
    return 0;
}

int lock(const QString &dir, const QString &table)
{
    sqlite3 *db = nullptr;
    const QByteArray path = QFile::encodeName(dir + u'/' + table + QStringLiteral(".db"));
    if (sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return 2;
    say(QStringLiteral("locked"));
    while (std::fgetc(stdin) != EOF) {
    }
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}

int change(const QString &dir, const QString &table)
{
    // File permissions mean nothing to root: become nobody to meet them as a farmer's account does.
    if (::getuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
        return 3;
    store::Database db(dir);
    store::Query q(db);
    try {
        q.add(QStringLiteral("select * from ") + table);
        q.open();
        q.append();
        q.setFieldText(QStringLiteral("datum"), QStringLiteral("5.9.2004"));
        q.post();
        say(QStringLiteral("stored"));
    } catch (const store::Error &e) {
        say(QString::number(int(e.kind())) + u' ' + e.message());
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    const QStringList a = app.arguments();
    try {
        if (a.size() == 6 && a[1] == u"write")
            return write(a[2], a[3], a[4].toInt(), a[5].toInt());
        if (a.size() == 4 && a[1] == u"years")
            return years(a[2], a[3]);
        if (a.size() == 4 && a[1] == u"lock")
            return lock(a[2], a[3]);
        if (a.size() == 4 && a[1] == u"change")
            return change(a[2], a[3]);
    } catch (const store::Error &e) {
        std::fputs(qPrintable(e.message() + u'\n'), stderr);
        return 1;
    }
    std::fputs("usage: helper write|years|lock ...\n", stderr);
    return 2;
}
