#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// The reference cost a practice's Next is held against: one durable single-row update through
// the SQLite C API alone, on a copy of the question database in the same folder, with the
// settings our database layer uses (src/platform/db/database.cpp: the file's own rollback
// journal, synchronous=EXTRA, a 5000 ms busy timeout). The connection stays open and the
// statement prepared; each update writes the three attempt columns of one row in its own
// transaction.
class BareDatabase
{
public:
    explicit BareDatabase(const QString &path);
    ~BareDatabase();

    BareDatabase(const BareDatabase &) = delete;
    BareDatabase &operator=(const BareDatabase &) = delete;

    // One durable update; returns milliseconds.
    double update();
    // The same with a connection opened and closed around it, as each database step of the
    // screens opens its own; returns milliseconds.
    double openUpdateClose();

private:
    void runUpdate(sqlite3 *db, sqlite3_stmt *statement);

    QString m_path;
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_update = nullptr;
    unsigned m_counter = 0;
};

// Every row of the set as a finished earlier practice leaves it (a letter, a mark, a time), so
// that the reset that starts the next practice really changes each row: SQLite leaves a page
// alone, and syncs nothing, when an update writes the bytes it already holds.
void writeEarlierAttempt(const QString &databasePath, int set);
