#pragma once

#include "catalogue.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QVariant>
#include <optional>

// Value texts: how stored values are shown, and how typed text becomes a value.
namespace store {

// Shortest decimal form, up to 15 significant digits, the locale's decimal separator, no digit grouping,
// no trailing zeros: 12.5 -> "12,5" in a Czech locale, "12.5" in the C locale.
QString numberText(double value, const QLocale &locale = QLocale());

// day.month.year without leading zeros: 5.9.2004.
QString dateText(const QDate &date);

// Date entry: "5.9.2004", "5.9" (the current calendar year of `today`), a trailing dot and blanks after the
// dots tolerated ("5. 9. 2004"). A two-digit year is taken in the century that puts it nearest to the year
// of `today`, a tie in the past: in 2026 "99" is 1999, "50" is 2050, "76" is 1976. nullopt when the text
// is no date.
std::optional<QDate> parseDate(const QString &text, const QDate &today = QDate::currentDate());

// Number entry: "," or "." as decimal separator, blanks (also no-break spaces) between digit groups, an
// optional sign. Anything else, exponents included, is no number.
std::optional<double> parseNumber(const QString &text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), clamped to the 64-bit range.
qint64 roundHalfEven(double value);

// A stored value as the grid and the reports show it (null -> empty text).
QString valueText(FieldType type, const QVariant &value, const QLocale &locale = QLocale());

// Typed text to a value of the field: null for empty text. Throws store::Error (Conversion, TooLong) with a
// Czech message naming the field when the text does not fit.
QVariant valueFromText(const FieldDef &field, const QString &text, const QDate &today = QDate::currentDate());

} // namespace store
