// Any bytes as a table file: opening, reading every row, counting and storing one row either work or end in a
// store::Error; never a crash, a hang or a sanitizer report.
#include "store/database.h"
#include "store/error.h"
#include "store/query.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.db"));
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    store::Database db(dir.path());
    db.setBusyTimeout(0);
    try {
        store::Query q(db);
        q.add(QStringLiteral("select * from x"));
        q.open();
        for (int r = 0; r < q.recordCount(); ++r)
            for (int c = 0; c < q.fieldCount(); ++c)
                (void)q.valueText(r, c);
        if (q.fieldCount() > 0) {
            q.append();
            q.setFieldText(q.field(0).name, QStringLiteral("1"));
            q.post();
        }
    } catch (const store::Error &) {
    }
    try {
        store::Query count(db);
        count.add(QStringLiteral("select count (*) as x from x"));
        count.open();
        (void)count.fieldText(QStringLiteral("x"));
    } catch (const store::Error &) {
    }
    return 0;
}
