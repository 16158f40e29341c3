#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace store {

// The kinds of value a field holds; each is stored with its own declared type.
enum class FieldType { Date, Number, Money, Text, Picture };

struct FieldDef {
    QString name; // exactly as catalogued (case kept: Datum_a_misto_nakupu, Poznamka1)
    FieldType type;
    int width = 0;           // characters, for Text only
    bool widthStated = true; // false for the few texts whose width was never given (stored with a default)
};

enum class TableKind {
    Shared,     // one file, all years together
    YearScoped, // one file per working year, copied from the template named by the base
};

struct TableDef {
    QString base;
    TableKind kind;
    std::vector<FieldDef> fields;

    const FieldDef *field(const QString &name) const; // case-insensitive
};

// Every table of the installation, shared tables first, year-scoped bases in the order of the year load.
const std::vector<TableDef> &catalogue();

// The catalogue entry of a base name (case-insensitive), or nullptr.
const TableDef *findTable(const QString &base);

// The year-scoped bases in the order in which the year load handles them.
QStringList yearScopedBases();

// Base names of the 41 installation tables (21 shared, then the 20 templates).
QStringList installationTables();

// The declared column type a field is stored with: DATE, NUMBER, MONEY, VARCHAR(n), PICTURE.
QString declaredType(const FieldDef &field);

} // namespace store
