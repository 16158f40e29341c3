#include "sqlitefunctions.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <sqlite3.h>

namespace store {

namespace {

const QCollator &czechCollator()
{
    static const QCollator collator(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    return collator;
}

int compareCzech(void *, int aBytes, const void *a, int bBytes, const void *b)
{
    const QStringView va(static_cast<const char16_t *>(a), aBytes / 2);
    const QStringView vb(static_cast<const char16_t *>(b), bBytes / 2);
    return czechCollator().compare(va, vb);
}

void deleteFolded(void *p)
{
    delete static_cast<std::u32string *>(p);
}

std::u32string folded(QStringView s)
{
    const QList<uint> ucs = s.toString().toCaseFolded().toUcs4();
    return std::u32string(ucs.begin(), ucs.end());
}

std::u32string folded(sqlite3_value *v)
{
    const auto *p = static_cast<const char16_t *>(sqlite3_value_text16(v));
    const int bytes = sqlite3_value_bytes16(v);
    return folded(QStringView(p, bytes / 2));
}

// Iterative wildcard match with one back-track point: linear in practice, quadratic at worst.
bool match(const std::u32string &s, const std::u32string &p)
{
    size_t si = 0, pi = 0, starP = std::u32string::npos, starS = 0;
    while (si < s.size()) {
        if (pi < p.size() && (p[pi] == U'_' || p[pi] == s[si])) {
            ++si;
            ++pi;
        } else if (pi < p.size() && p[pi] == U'%') {
            starP = pi++;
            starS = si;
        } else if (starP != std::u32string::npos) {
            pi = starP + 1;
            si = ++starS;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == U'%')
        ++pi;
    return pi == p.size();
}

void likeFunction(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    auto *pattern = static_cast<std::u32string *>(sqlite3_get_auxdata(ctx, 1));
    if (!pattern) {
        pattern = new std::u32string(folded(argv[1]));
        sqlite3_set_auxdata(ctx, 1, pattern, deleteFolded);
        // SQLite may have freed it already when it could not keep it; fetch again.
        pattern = static_cast<std::u32string *>(sqlite3_get_auxdata(ctx, 1));
    }
    const std::u32string value = folded(argv[0]);
    const bool ok = pattern ? match(value, *pattern) : match(value, folded(argv[1]));
    sqlite3_result_int(ctx, ok ? 1 : 0);
}

} // namespace

bool likeMatch(QStringView value, QStringView pattern)
{
    return match(folded(value), folded(pattern));
}

void registerFunctions(sqlite3 *db)
{
    sqlite3_create_collation_v2(db, kCzechCollation, SQLITE_UTF16, nullptr, compareCzech, nullptr);
    sqlite3_create_function_v2(db, kLikeFunction, 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               likeFunction, nullptr, nullptr, nullptr);
}

} // namespace store
