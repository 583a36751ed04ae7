#pragma once

#include <QString>

#include <exception>
#include <string>

namespace platform {

// A failed platform operation: a missing file, database, table, column or row, a Null where a
// text is needed. The message says what failed and where. The application's event dispatch
// shows it in a run-time error box and ends the program with a non-zero status.
class RuntimeError : public std::exception
{
public:
    enum class Kind {
        FileNotFound, // a file or folder that must exist does not
        FileIo,       // a file could not be read or written
        Database,     // the database refused an operation
        NoSuchTable,
        NoSuchColumn,
        NoCurrentRow,     // a field read or written with the recordset at its end
        InvalidUseOfNull, // a Null where a text is needed
        InvalidValue      // a value of the database the program cannot act on
    };

    RuntimeError(Kind kind, const QString &message);

    Kind kind() const noexcept { return m_kind; }
    QString message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    Kind m_kind;
    QString m_message;
    std::string m_utf8;
};

} // namespace platform
