// The query text as a screen sends it, line by line: the parser must refuse what it does not know with an
// engine error, never crash or hang. The first line of the input may also be run against a real table.
#include "store/error.h"
#include "store/querytext.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<store::QueryLine> lines;
    for (const QString &line : text.split(u'\n'))
        lines << store::QueryLine(line);
    try {
        const store::Statement st = store::parseQuery(lines);
        (void)st;
    } catch (const store::Error &) {
    }
    // Lines built from a typed value read back as written and keep the value as a parameter.
    const store::QueryLine match = store::matchLine(QStringLiteral("cv_cislo"), text);
    try {
        store::parseQuery({QStringLiteral("select * from seznam_zvirat"), match});
        store::parseQuery({QStringLiteral("select * from sluzby2004"), store::servicesSearchLine(text)});
        store::parseQuery(
            {QStringLiteral("select * from seznam_stroju"), store::exactMatchLine("stroj", text)});
    } catch (const store::Error &) {
        __builtin_trap(); // a typed value must never break the statement
    }
    (void)store::isTableName(text);
    return 0;
}
