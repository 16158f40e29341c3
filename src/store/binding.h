#pragma once

#include "catalogue.h"

#include <QVariant>

struct sqlite3_stmt;

// How a field value travels to and from SQLite: dates as ISO text, numbers as doubles, empty as NULL.
namespace store {

QVariant readValue(sqlite3_stmt *st, int col, FieldType type);
int bindValue(sqlite3_stmt *st, int param, FieldType type, const QVariant &value);

} // namespace store
