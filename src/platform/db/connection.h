#pragma once

#include <QString>

#include <memory>

struct sqlite3;

namespace platform::db {

class Database; // the open SQLite handle, shared by a connection and the recordsets opened on it

// A connection to an SQLite database file. The connection string is of the form
// "Provider=...;Data Source=<path>;...": only Data Source is read; it names an SQLite 3 file that
// must exist.
class Connection
{
public:
    Connection();
    ~Connection(); // closes silently when still open: a dropped connection is not an error

    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens the file named by Data Source. Throws RuntimeError(FileNotFound) naming the path when
    // the file is missing, RuntimeError(Database) when it is not a database.
    void Open(const QString &connectionString);
    void Close();
    bool isOpen() const;

    std::shared_ptr<Database> database() const; // null when closed
    QString path() const;

    // The path named by Data Source in a connection string, relative paths resolved against the
    // current directory.
    static QString dataSource(const QString &connectionString);

private:
    std::shared_ptr<Database> m_database;
};

} // namespace platform::db
