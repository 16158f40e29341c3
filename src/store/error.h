#pragma once

#include <QString>
#include <exception>

namespace store {

// One failure of the store, with a message for the farmer (Czech) that names the table file where one is
// involved. The kind lets callers tell failures apart without parsing the text.
class Error : public std::exception {
public:
    enum class Kind {
        MissingFile,  // the table file is not in the data directory
        DamagedFile,  // not a table file, truncated, corrupted
        LockedFile,   // another program holds the table
        ReadOnlyFile, // the file (or its directory) cannot be written
        DiskFull,
        IoFailure, // any other read or write failure of the file system
        BadName,   // a table name that is not a plain file name
        BadQuery,  // query text the engine does not understand
        NotOpen,   // an operation that needs an open result
        NothingToPost,
        ReadOnlyResult, // sorted and aggregate results cannot be changed
        EmptyResult,    // deleting from (or editing) a result without rows
        RowGone,        // the stored row was removed meanwhile
        UnknownField,
        Conversion, // a text that is not a value of the field's type
        TooLong,    // text longer than the field's width
    };

    Error(Kind kind, QString message, QString file = {});

    Kind kind() const { return m_kind; }
    const QString &message() const { return m_message; }
    const QString &file() const { return m_file; } // file name of the table, empty when none is involved
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    Kind m_kind;
    QString m_message;
    QString m_file;
    QByteArray m_utf8;
};

} // namespace store
