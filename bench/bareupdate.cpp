#include "bareupdate.h"

#include "stats.h"

#include <QFile>

#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace {
const char UpdateSql[] = "UPDATE QOR1 SET 做题记录 = ?1, 正误 = ?2, 用时 = ?3 WHERE 题号 = ?4";

void check(sqlite3 *db, int rc, const char *what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

sqlite3 *openDatabase(const QString &path)
{
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE,
                                   nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path.toStdString());
    }
    sqlite3_busy_timeout(db, 5000);
    check(db, sqlite3_exec(db, "PRAGMA synchronous=EXTRA", nullptr, nullptr, nullptr), "pragma");
    return db;
}

sqlite3_stmt *prepare(sqlite3 *db)
{
    sqlite3_stmt *statement = nullptr;
    check(db, sqlite3_prepare_v2(db, UpdateSql, -1, &statement, nullptr), "prepare");
    return statement;
}
} // namespace

BareDatabase::BareDatabase(const QString &path) : m_path(path)
{
    m_db = openDatabase(path);
    m_update = prepare(m_db);
}

BareDatabase::~BareDatabase()
{
    sqlite3_finalize(m_update);
    sqlite3_close(m_db);
}

void BareDatabase::runUpdate(sqlite3 *db, sqlite3_stmt *statement)
{
    // A different row and a different letter each time, so every update changes a page.
    static const char *const letters[] = {"A", "B", "C", "D", "E"};
    ++m_counter;
    sqlite3_bind_text(statement, 1, letters[m_counter % 5], -1, SQLITE_STATIC);
    sqlite3_bind_text(statement, 2, m_counter % 2 ? "√" : "×", -1, SQLITE_STATIC);
    const std::string time = "00:" + std::to_string(10 + m_counter % 50);
    sqlite3_bind_text(statement, 3, time.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(statement, 4, int(1 + m_counter % 41));
    check(db, sqlite3_step(statement), "update");
    if (sqlite3_changes(db) != 1)
        throw std::runtime_error("the bare update changed no row");
    sqlite3_reset(statement);
}

double BareDatabase::update()
{
    return millisecondsOf([this] { runUpdate(m_db, m_update); });
}

double BareDatabase::openUpdateClose()
{
    return millisecondsOf([this] {
        sqlite3 *db = openDatabase(m_path);
        sqlite3_stmt *statement = prepare(db);
        runUpdate(db, statement);
        sqlite3_finalize(statement);
        sqlite3_close(db);
    });
}

void writeEarlierAttempt(const QString &databasePath, int set)
{
    sqlite3 *db = openDatabase(databasePath);
    const std::string sql = "UPDATE QOR" + std::to_string(set) +
                            " SET 做题记录 = 'A', 正误 = '×', 用时 = '01:05'";
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    const std::string error = sqlite3_errmsg(db);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("earlier attempt: " + error);
}
