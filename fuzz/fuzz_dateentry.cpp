// The date entry rule over any text: a date or nothing, and a date it accepts reads back as it is shown.
#include "store/values.h"

#include <QDate>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QDate today(2004, 9, 5);
    if (const auto d = store::parseDate(text, today)) {
        if (!d->isValid())
            __builtin_trap();
        const auto again = store::parseDate(store::dateText(*d), today);
        if (!again || *again != *d)
            __builtin_trap();
    }
    return 0;
}
