#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// Query text: the lines a screen sends, and the statement the engine makes of them.
namespace store {

struct LikeTerm {
    QString field;
    QString pattern;    // % and _ are wildcards
    bool exact = false; // the field equals the pattern as text; % and _ are plain characters
};

struct Filter {
    enum class Kind { None, Like, Between };
    Kind kind = Kind::None;
    std::vector<LikeTerm> terms; // Like: comparisons joined by "or"
    QString field;               // Between: the field and its two literals as written
    QString low, high;
};

// One line of query text. Lines built by matchLine/likeLine also carry their condition, so the typed value
// reaches the engine as a parameter whatever characters it holds; the text still reads as written.
class QueryLine {
public:
    QueryLine(QString text) : m_text(std::move(text)) {} // NOLINT: a plain line is just its text
    QueryLine(const char *text) : m_text(QString::fromUtf8(text)) {}

    const QString &text() const { return m_text; }
    const Filter *filter() const { return m_filter.get(); }

    static QueryLine withFilter(QString text, Filter filter);

private:
    QString m_text;
    std::shared_ptr<const Filter> m_filter;
};

// where (f1 like "p1") or (f2 like "p2") ...
QueryLine likeLine(const std::vector<LikeTerm> &terms);
// The match line: where (field like "value"), the value unchanged.
QueryLine matchLine(const QString &field, const QString &value);
// The exact match line: where (field = "value"). Selects one animal or machine by its number or name, so a
// value holding % or _ never reaches another record.
QueryLine exactMatchLine(const QString &field, const QString &value);
// The services search: where (stroj like "%t%") or (komu like "%t%").
QueryLine servicesSearchLine(const QString &text);

struct Statement {
    enum class Kind { Rows, Aggregate };
    Kind kind = Kind::Rows;
    QString table;       // as named, without ".db"
    QStringList columns; // Rows: the listed fields, empty for *
    QString function;    // Aggregate: "sum" or "count"
    QString argument;    // Aggregate: the field, or "*"
    QString alias;       // Aggregate: the result column
    Filter filter;
    QString orderBy; // empty when unsorted
};

// Parses the forms the screens send: one select line ("select *", a column list, or a sum/count aggregate
// "as" an alias, from one table), then blank lines, at most one filter line and at most one "order by" line.
// Throws store::Error (BadQuery) quoting the text for anything else.
Statement parseQuery(const QList<QueryLine> &lines);

// A table name as the engine accepts it (without ".db"): letters, digits, "_", and the "+" and "-" a typed
// year may carry. No blanks, dots or path separators, so a name always stays a file in the data directory.
bool isTableName(const QString &name);

// The lines joined by line breaks, as the engine receives them.
QString joinedText(const QList<QueryLine> &lines);

} // namespace store
