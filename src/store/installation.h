#pragma once

#include "catalogue.h"

#include <QString>
#include <QStringList>

// Table files coming into being: the installation tables and the year tables copied from templates. A file is
// always written under a temporary name and moved into place only when complete, never over an existing file.
namespace store {

// Writes an empty table file for `table` at `path`. Throws store::Error when the file exists or cannot be
// made.
void createTableFile(const QString &path, const TableDef &table);

// Writes every installation table missing in `dir` (21 shared tables, 20 templates); never touches a file
// that exists. Returns the file names created, in catalogue order. Throws store::Error on the first failure.
QStringList installTables(const QString &dir);

// File names of the installation tables absent from `dir`.
QStringList missingInstallationTables(const QString &dir);

// Copies the table file `from` to `to` (file names in `dataDir`) byte for byte, only when `to` is absent.
// Returns false when `to` exists already (nothing is done); throws store::Error when the copy fails.
bool copyTableFile(const QString &dataDir, const QString &from, const QString &to);

} // namespace store
