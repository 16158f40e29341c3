#include "values.h"

#include "error.h"

#include <cmath>
#include <limits>

namespace store {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F) || c == u'\t';
}

QString trimBlanks(const QString &text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    return text.mid(b, e - b);
}

bool allDigits(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// The year of a two-digit year nearest to `thisYear`; a tie goes to the past, as records mostly tell what
// has happened rather than what is planned.
int nearestYear(int twoDigits, int thisYear)
{
    const int inThisCentury = thisYear - thisYear % 100 + twoDigits;
    if (inThisCentury - thisYear >= 50)
        return inThisCentury - 100;
    if (thisYear - inThisCentury > 50)
        return inThisCentury + 100;
    return inThisCentury;
}

QString quoted(const QString &text)
{
    return QStringLiteral("„%1“").arg(text);
}

} // namespace

QString numberText(double value, const QLocale &locale)
{
    if (value == 0.0)
        value = 0.0; // no "-0"
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(value, 'g', 15);
    // Never an exponent ("1e-05", "1,5e+26"): the number entry refuses exponents, and what is shown must be
    // typable back. The same 15 significant digits, written out.
    if (text.contains(u'e', Qt::CaseInsensitive)) {
        const double rounded = QString::number(value, 'g', 15).toDouble();
        text = plain.toString(rounded, 'f', QLocale::FloatingPointShortest);
    }
    return text;
}

QString dateText(const QDate &date)
{
    if (!date.isValid())
        return {};
    // Four digits of year always ("29.2.0404"): what is shown can be typed back.
    return QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year(), 4, 10, QChar(u'0'));
}

std::optional<QDate> parseDate(const QString &text, const QDate &today)
{
    QString t = trimBlanks(text);
    if (t.endsWith(u'.'))
        t.chop(1);
    const QStringList parts = t.split(u'.');
    if (parts.size() != 2 && parts.size() != 3)
        return std::nullopt;
    int numbers[3] = {0, 0, today.year()};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString part = trimBlanks(parts[i]);
        const qsizetype maxLen = i < 2 ? 2 : 4;
        if (!allDigits(part) || part.size() > maxLen)
            return std::nullopt;
        numbers[i] = part.toInt();
        if (i == 2) {
            if (part.size() == 2)
                numbers[2] = nearestYear(numbers[2], today.year());
            else if (part.size() != 4)
                return std::nullopt;
        }
    }
    const QDate date(numbers[2], numbers[1], numbers[0]);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<double> parseNumber(const QString &text)
{
    const QString t = trimBlanks(text);
    QString normal;
    normal.reserve(t.size());
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        if (t[i] == u'-')
            normal += u'-';
        ++i;
    }
    bool digitsBefore = false, separator = false, digitsAfter = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            normal += c;
            (separator ? digitsAfter : digitsBefore) = true;
        } else if (isBlank(c)) {
            // A group blank stands between digits of the whole part only.
            if (separator || !digitsBefore || i + 1 >= t.size() || t[i + 1] < u'0' || t[i + 1] > u'9')
                return std::nullopt;
        } else if ((c == u',' || c == u'.') && !separator) {
            separator = true;
            normal += u'.';
        } else {
            return std::nullopt;
        }
    }
    if (!digitsBefore && !digitsAfter)
        return std::nullopt;
    bool ok = false;
    const double value = normal.toDouble(&ok); // normalised to C form above
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

qint64 roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    double r = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        r = 2.0 * std::round(value / 2.0);
    constexpr double lo = static_cast<double>(std::numeric_limits<qint64>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<qint64>::max());
    if (r <= lo)
        return std::numeric_limits<qint64>::min();
    if (r >= hi)
        return std::numeric_limits<qint64>::max();
    return static_cast<qint64>(r);
}

QString valueText(FieldType type, const QVariant &value, const QLocale &locale)
{
    if (value.isNull())
        return {};
    switch (type) {
    case FieldType::Date:
        return dateText(value.toDate());
    case FieldType::Number:
    case FieldType::Money:
        return numberText(value.toDouble(), locale);
    case FieldType::Text:
        return value.toString();
    case FieldType::Picture:
        return QStringLiteral("(obrázek)");
    }
    return {};
}

QVariant valueFromText(const FieldDef &field, const QString &text, const QDate &today)
{
    switch (field.type) {
    case FieldType::Text:
        if (text.size() > field.width)
            throw Error(
                Error::Kind::TooLong,
                QStringLiteral("Text je pro pole %1 příliš dlouhý: smí mít nejvýše %2 znaků, zadaný má %3.")
                    .arg(field.name)
                    .arg(field.width)
                    .arg(text.size()));
        return text.isEmpty() ? QVariant() : QVariant(text);
    case FieldType::Date: {
        if (trimBlanks(text).isEmpty())
            return {};
        const auto date = parseDate(text, today);
        if (!date)
            throw Error(Error::Kind::Conversion,
                        QStringLiteral("%1 není platné datum (pole %2). Datum se zadává jako den.měsíc.rok, "
                                       "např. 5.9.2004, nebo jen 5.9 pro letošní rok.")
                            .arg(quoted(text), field.name));
        return *date;
    }
    case FieldType::Number:
    case FieldType::Money: {
        if (trimBlanks(text).isEmpty())
            return {};
        const auto number = parseNumber(text);
        if (!number)
            throw Error(Error::Kind::Conversion,
                        QStringLiteral("%1 není platné číslo (pole %2). Zadejte číslo, např. 12,5.")
                            .arg(quoted(text), field.name));
        return *number;
    }
    case FieldType::Picture:
        throw Error(Error::Kind::Conversion,
                    QStringLiteral("Do pole %1 patří obrázek, ne text.").arg(field.name));
    }
    return {};
}

} // namespace store
