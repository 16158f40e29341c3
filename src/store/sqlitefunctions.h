#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

struct sqlite3;

namespace store {

// The collation name for Czech ordering of text fields (Č after C, Ch after H).
inline constexpr const char *kCzechCollation = "velmora_cs";
// like(value, pattern) with % and _ wildcards, comparing with Unicode case folding.
inline constexpr const char *kLikeFunction = "velmora_like";

void registerFunctions(sqlite3 *db);

// A table or column name as a quoted SQL identifier. Names come from the table files, never from typed text.
inline QByteArray sqlIdentifier(const QString &name)
{
    return '"' + name.toUtf8().replace("\"", "\"\"") + '"';
}

// The LIKE comparison itself, on already case-folded code points.
bool likeMatch(QStringView value, QStringView pattern);

} // namespace store
