#include "qordatabase.h"

#include <QDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace {

struct Closer
{
    void operator()(sqlite3 *handle) const { sqlite3_close(handle); }
};
using Handle = std::unique_ptr<sqlite3, Closer>;

Handle openFile(const QString &path)
{
    sqlite3 *raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Handle handle(raw);
    if (rc != SQLITE_OK)
        throw std::runtime_error("cannot open test database " + path.toStdString());
    return handle;
}

QString describe(sqlite3_stmt *statement, int column)
{
    const auto text = [&] {
        return QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(statement, column)));
    };
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL: return QStringLiteral("null");
    case SQLITE_INTEGER: return QStringLiteral("integer:") + text();
    case SQLITE_FLOAT: return QStringLiteral("real:") + text();
    default: return QStringLiteral("text:") + text();
    }
}

} // namespace

QorDatabase::QorDatabase()
{
    QDir().mkpath(folder() + QStringLiteral("/QOR DATA"));
    execute(QStringLiteral(
        "CREATE TABLE QOR3 (题型 TEXT, 题号 INTEGER, 编号 TEXT, A TEXT, B TEXT, C TEXT, D TEXT, E TEXT,"
        " 答案 TEXT, 做题记录 TEXT, 正误 TEXT, 用时 TEXT, 属性 TEXT);"
        "INSERT INTO QOR3 VALUES ('CR', 3, 'QOR3-Q7', '甲', '乙', '丙', '丁', '戊', 'C', ' ', NULL, '', "
        "'mixed');"
        "INSERT INTO QOR3 VALUES ('RC', 1, 'QOR3-Q1', 'one', 'two', 'three', 'four', 'five', 'A', NULL, "
        "NULL, NULL, NULL);"
        "INSERT INTO QOR3 VALUES ('SC', 2, 'QOR3-Q2', 'a', 'b', 'c', 'd', 'e', 'E', '', '对', '  ', "
        "'sentence');"));
}

QString QorDatabase::folder() const
{
    return m_dir.path() + QStringLiteral("/My Practice");
}

QString QorDatabase::path() const
{
    return folder() + QStringLiteral("/QOR DATA/QOR.mdb");
}

QString QorDatabase::connectionString() const
{
    return QStringLiteral(
               "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False")
        .arg(path());
}

void QorDatabase::execute(const QString &sql) const
{
    Handle handle = openFile(path());
    char *error = nullptr;
    if (sqlite3_exec(handle.get(), sql.toUtf8().constData(), nullptr, nullptr, &error) !=
        SQLITE_OK) {
        const std::string message = error ? error : "?";
        sqlite3_free(error);
        throw std::runtime_error("test setup failed: " + message);
    }
}

// Prepares `sql` on a handle of its own and hands the statement to `use`.
template<typename Use> QStringList QorDatabase::withStatement(const QString &sql, Use use) const
{
    Handle handle = openFile(path());
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(handle.get(), sql.toUtf8().constData(), -1, &statement, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error("test query failed: " + std::string(sqlite3_errmsg(handle.get())));
    QStringList result = use(statement);
    sqlite3_finalize(statement);
    return result;
}

QStringList QorDatabase::cells(const QString &sql) const
{
    return withStatement(sql, [](sqlite3_stmt *statement) {
        QStringList result;
        while (sqlite3_step(statement) == SQLITE_ROW)
            for (int column = 0; column < sqlite3_column_count(statement); ++column)
                result << describe(statement, column);
        return result;
    });
}

QStringList QorDatabase::columns(const QString &sql) const
{
    return withStatement(sql, [](sqlite3_stmt *statement) {
        QStringList result;
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            result << QString::fromUtf8(sqlite3_column_name(statement, column));
        return result;
    });
}

QString QorDatabase::cell(const QString &sql) const
{
    const QStringList all = cells(sql);
    EXPECT_EQ(all.size(), 1) << sql.toStdString();
    return all.value(0);
}
