#pragma once

#include "bookspec.h"

// Small builders for writing book parameters as tables of values.
namespace books::specs {

inline QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}
inline ButtonSpec b(const char *name, const char *caption)
{
    return {s(name), s(caption)};
}
inline SortSpec by(const char *name, const char *caption, const char *field)
{
    return {b(name, caption), s(field)};
}
inline StatisticSpec stat(const char *caption, const char *aggregate, const char *label,
                          const char *unit = "")
{
    return {s(caption), s(aggregate), s(label), s(unit)};
}

// A book over `base` (year-scoped unless changed after) with the parameters every book has.
inline BookSpec book(const char *cls, const char *caption, const char *base, ButtonSpec insert,
                     ButtonSpec remove, const char *question, const char *failure, const char *sortCaption,
                     std::vector<SortSpec> sorts, ButtonSpec unsorted, std::vector<StatisticSpec> statistics,
                     const char *key, ButtonSpec print, const char *report, const char *yearLabel,
                     BookSpec::Style style, ButtonSpec back)
{
    BookSpec spec;
    spec.className = s(cls);
    spec.caption = s(caption);
    spec.table = BookSpec::Table::YearScoped;
    spec.base = s(base);
    spec.insert = std::move(insert);
    spec.remove = std::move(remove);
    spec.deleteQuestion = s(question);
    spec.deleteFailure = s(failure);
    spec.sortCaption = s(sortCaption);
    spec.sorts = std::move(sorts);
    spec.unsorted = std::move(unsorted);
    spec.statistics = std::move(statistics);
    spec.autoPostKey = s(key);
    spec.print = std::move(print);
    spec.report = s(report);
    spec.yearLabel = s(yearLabel);
    spec.style = style;
    spec.back = std::move(back);
    return spec;
}

} // namespace books::specs
