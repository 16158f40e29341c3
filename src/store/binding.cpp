#include "binding.h"

#include <QDate>
#include <sqlite3.h>

namespace store {

namespace {

// Dates are stored as ISO text so that ordering and "between" are chronological.
QDate dateFromIso(const unsigned char *s, int n)
{
    auto digits = [s](int from, int count) {
        int v = 0;
        for (int i = from; i < from + count; ++i) {
            if (s[i] < '0' || s[i] > '9')
                return -1;
            v = v * 10 + (s[i] - '0');
        }
        return v;
    };
    if (n != 10 || s[4] != '-' || s[7] != '-')
        return {};
    return QDate(digits(0, 4), digits(5, 2), digits(8, 2));
}

} // namespace

QVariant readValue(sqlite3_stmt *st, int col, FieldType type)
{
    const int storage = sqlite3_column_type(st, col);
    if (storage == SQLITE_NULL)
        return {};
    switch (type) {
    case FieldType::Date: {
        const unsigned char *s = sqlite3_column_text(st, col);
        const QDate d = dateFromIso(s, sqlite3_column_bytes(st, col));
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case FieldType::Number:
    case FieldType::Money:
        return sqlite3_column_double(st, col);
    case FieldType::Text: {
        const auto *s = reinterpret_cast<const char *>(sqlite3_column_text(st, col));
        return QString::fromUtf8(s, sqlite3_column_bytes(st, col));
    }
    case FieldType::Picture: {
        const auto *p = static_cast<const char *>(sqlite3_column_blob(st, col));
        return QByteArray(p, sqlite3_column_bytes(st, col));
    }
    }
    return {};
}

int bindValue(sqlite3_stmt *st, int param, FieldType type, const QVariant &value)
{
    if (value.isNull())
        return sqlite3_bind_null(st, param);
    switch (type) {
    case FieldType::Date: {
        const QByteArray iso = value.toDate().toString(Qt::ISODate).toUtf8();
        return sqlite3_bind_text(st, param, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
    }
    case FieldType::Number:
    case FieldType::Money:
        return sqlite3_bind_double(st, param, value.toDouble());
    case FieldType::Text: {
        const QByteArray utf8 = value.toString().toUtf8();
        return sqlite3_bind_text(st, param, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    case FieldType::Picture: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(st, param, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    }
    return SQLITE_MISUSE;
}

} // namespace store
