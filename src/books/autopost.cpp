#include "autopost.h"

#include "store/error.h"
#include "store/query.h"

namespace books {

bool autoPostRow(store::Query &query, const QString &key, bool blankIsEmpty, bool report)
{
    if (!isFilledKey(query.fieldText(key), blankIsEmpty))
        return true;
    const auto state = query.state();
    if (state != store::Query::State::Edit && state != store::Query::State::Insert)
        return true;
    try {
        query.post();
        return true;
    } catch (const store::Error &) {
        if (report)
            throw;
        return false;
    }
}

QString aggregateText(store::Query &totals, const QString &statement)
{
    totals.clear();
    totals.add(statement);
    totals.open();
    const QString text = totals.fieldText(QStringLiteral("x"));
    totals.close();
    return text;
}

} // namespace books
