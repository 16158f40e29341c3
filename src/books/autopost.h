#pragma once

#include <QString>

namespace store {
class Query;
}

namespace books {

// Whether a key field counts as filled: not empty and, where a single blank means "nothing", not " ".
inline bool isFilledKey(const QString &key, bool blankIsEmpty = true)
{
    return !key.isEmpty() && !(blankIsEmpty && key == u" ");
}

// The auto-post rule of a list: a pending row whose key field is filled is stored. A failure is swallowed
// unless `report` is set, in which case it is thrown. Returns false when a row with a filled key could not be
// stored.
bool autoPostRow(store::Query &query, const QString &key, bool blankIsEmpty, bool report = false);

// The value "x" of a one-line aggregate ("select count (cislo) as x from odsun") read on `totals`.
QString aggregateText(store::Query &totals, const QString &statement);

} // namespace books
