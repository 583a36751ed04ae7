#include "qordatabase.h"

#include "connection.h"
#include "recordset.h"
#include "runtimeerror.h"

#include "support/namedpipe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

using platform::RuntimeError;
using platform::db::Connection;
using platform::db::Recordset;

namespace {

// Runs a test body in another current folder and restores the old one.
class CurrentFolder
{
public:
    explicit CurrentFolder(const QString &folder) : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(folder);
    }
    ~CurrentFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

RuntimeError openError(const QString &connectionString)
{
    Connection connection;
    try {
        connection.Open(connectionString);
    } catch (const RuntimeError &error) {
        EXPECT_FALSE(connection.isOpen());
        return error;
    }
    ADD_FAILURE() << "opened " << connectionString.toStdString();
    return RuntimeError(RuntimeError::Kind::Database, QString());
}

} // namespace

TEST(Connection, DataSourceIsReadFromTheConnectionString)
{
    struct Row
    {
        const char *connectionString;
        const char *path; // relative: under the current folder
    };
    const Row rows[] = {
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/tmp/My Practice/QOR DATA/QOR.mdb;Persist Security "
         "Info=False",
         "/tmp/My Practice/QOR DATA/QOR.mdb"},
        {"data source=/a/b.mdb", "/a/b.mdb"},
        {"Persist Security Info=False; DATA SOURCE =  /a/b c.mdb ;", "/a/b c.mdb"},
        {"Provider=x;Data Source=\\srv\\QOR DATA\\QOR.mdb", "/srv/QOR DATA/QOR.mdb"},
        {"Data Source=QOR DATA\\QOR.mdb", "QOR DATA/QOR.mdb"},
        {"Data Source=./QOR DATA/../QOR DATA/QOR.mdb", "QOR DATA/QOR.mdb"},
        {"Mode=Share Deny None;Data Source=\"/a;b/QOR.mdb\";User ID=Admin", "/a;b/QOR.mdb"},
        {"Provider=Microsoft.Jet.OLEDB.4.0", ""},
        {"Data Sourcex=/a.mdb", ""},
    };
    for (const Row &row : rows) {
        const QString path = QString::fromUtf8(row.path);
        const QString expected = path.isEmpty() || QDir::isAbsolutePath(path)
                                     ? path
                                     : QDir::currentPath() + '/' + path;
        EXPECT_EQ(Connection::dataSource(QString::fromUtf8(row.connectionString)), expected)
            << row.connectionString;
    }
}

TEST(Connection, OpensAFileWithBlanksInItsPath)
{
    QorDatabase database;
    Connection connection;
    connection.Open(database.connectionString());
    EXPECT_TRUE(connection.isOpen());
    EXPECT_EQ(connection.path(), database.path());
    connection.Close();
    EXPECT_FALSE(connection.isOpen());
    EXPECT_EQ(connection.database(), nullptr);
}

TEST(Connection, RelativePathResolvesAgainstTheCurrentFolder)
{
    QorDatabase database;
    const CurrentFolder current(database.folder());
    Connection connection;
    connection.Open(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=QOR DATA\\QOR.mdb"));
    EXPECT_EQ(QFileInfo(connection.path()).canonicalFilePath(),
              QFileInfo(database.path()).canonicalFilePath());
}

TEST(Connection, MissingFileIsReportedAndNotCreated)
{
    QorDatabase database;
    const QString missing = database.folder() + QStringLiteral("/QOR DATA/Other.mdb");
    const RuntimeError error = openError(QStringLiteral("Data Source=") + missing);
    EXPECT_EQ(error.kind(), RuntimeError::Kind::FileNotFound);
    EXPECT_EQ(error.message(), QStringLiteral("Database file not found: ") + missing);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(Connection, FilesThatAreNotDatabasesAreRefusedByPath)
{
    QorDatabase database;
    struct Row
    {
        const char *name;
        QByteArray content;
    };
    const Row rows[] = {
        {"notes.mdb", QByteArray("Standard Jet DB, or rather just some text that is long enough. ")
                          .repeated(40)},
        {"empty.mdb", QByteArray()},
    };
    for (const Row &row : rows) {
        const QString path = database.folder() + '/' + QString::fromUtf8(row.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.content);
        file.close();
        const RuntimeError error = openError(QStringLiteral("Data Source=") + path);
        EXPECT_EQ(error.kind(), RuntimeError::Kind::Database) << row.name;
        EXPECT_TRUE(error.message().contains(path)) << error.what();
        EXPECT_EQ(QFileInfo(path).size(), row.content.size()) << row.name;
    }
}

// A pipe or a folder in the database's place is refused by name and kind before SQLite opens it:
// a read from a pipe would wait for good.
TEST(Connection, WhatIsNoRegularFileIsRefusedUnread)
{
    QorDatabase database;
    const QString pipe = database.folder() + QStringLiteral("/QOR DATA/pipe.mdb");
    const testsupport::NamedPipe fifo(pipe, QByteArrayLiteral("SQLite format 3"));
    ASSERT_TRUE(fifo.made());
    const struct
    {
        QString path;
        const char *kind;
    } rows[] = {{pipe, "a named pipe"}, {database.folder(), "a folder"}};
    for (const auto &row : rows) {
        const RuntimeError error = openError(QStringLiteral("Data Source=") + row.path);
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FileIo) << row.kind;
        EXPECT_EQ(error.message(), row.path + QStringLiteral(" is ") + QLatin1String(row.kind) +
                                       QStringLiteral(", not a regular file"));
    }
    EXPECT_TRUE(fifo.inPlace());
}

// A refused open leaves nothing behind for the next open of the same path: the file is refused
// again, by its path, and not at the first query of a connection that seemed to open.
TEST(Connection, AFileRefusedOnceIsRefusedAtEveryOpen)
{
    QorDatabase database;
    QFile file(database.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray("garbage, not an SQLite file at all. ").repeated(200));
    file.close();

    for (int attempt = 1; attempt <= 3; ++attempt) {
        const RuntimeError error = openError(database.connectionString());
        EXPECT_EQ(error.kind(), RuntimeError::Kind::Database) << "attempt " << attempt;
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Not a database: ")))
            << "attempt " << attempt << ": " << error.what();
        EXPECT_TRUE(error.message().contains(database.path())) << error.what();
    }
}

TEST(Connection, ConnectionStringWithoutDataSourceIsRefused)
{
    const RuntimeError error = openError(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0"));
    EXPECT_EQ(error.kind(), RuntimeError::Kind::Database);
    EXPECT_TRUE(error.message().contains(QStringLiteral("Data Source"))) << error.what();
}

TEST(Connection, RecordsetNeedsAnOpenConnection)
{
    Connection connection;
    Recordset recordset;
    EXPECT_THROW(recordset.Open(QStringLiteral("select * from QOR3"), connection), RuntimeError);
    EXPECT_FALSE(recordset.isOpen());
}

TEST(Connection, RecordsetOutlivesItsConnection)
{
    QorDatabase database;
    Recordset recordset;
    {
        auto connection = std::make_unique<Connection>();
        connection->Open(database.connectionString());
        recordset.Open(QStringLiteral("select * from QOR3 where 编号= 'QOR3-Q7'"), *connection);
        connection->Close();
        EXPECT_FALSE(connection->isOpen());
    }
    EXPECT_TRUE(recordset.field(QStringLiteral("答案")).equals(QStringLiteral("C")));
    recordset.setField(QStringLiteral("做题记录"), QStringLiteral("B"));
    recordset.Update();
    recordset.Close();
    EXPECT_EQ(database.cell(QStringLiteral("select 做题记录 from QOR3 where 编号 = 'QOR3-Q7'")),
              QStringLiteral("text:B"));
}

// A closed connection's handle serves the next connection to the same file, but never one to a
// file that was deleted or replaced in the meantime.
TEST(Connection, AReopenedConnectionSeesTheFileNowAtThePath)
{
    QorDatabase database;
    const QString query = QStringLiteral("select 答案 from QOR3 where 编号= 'QOR3-Q7'");
    auto answerNow = [&] {
        Connection connection;
        connection.Open(database.connectionString());
        Recordset recordset;
        recordset.Open(query, connection);
        const QString answer = recordset.field(QStringLiteral("答案")).joinText();
        recordset.Close();
        connection.Close();
        return answer;
    };
    EXPECT_EQ(answerNow(), QStringLiteral("C"));

    // Replaced by another file: a copy whose answer differs, renamed over the original.
    const QString copy = database.path() + QStringLiteral(".new");
    ASSERT_TRUE(QFile::copy(database.path(), copy));
    database.execute(QStringLiteral("update QOR3 set 答案 = 'E' where 编号 = 'QOR3-Q7'"));
    ASSERT_TRUE(QFile::remove(database.path()));
    ASSERT_TRUE(QFile::rename(copy, database.path()));
    EXPECT_EQ(answerNow(), QStringLiteral("C"));
    database.execute(QStringLiteral("update QOR3 set 答案 = 'D' where 编号 = 'QOR3-Q7'"));
    EXPECT_EQ(answerNow(), QStringLiteral("D"));

    ASSERT_TRUE(QFile::remove(database.path()));
    try {
        answerNow();
        FAIL() << "opened a deleted file";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FileNotFound);
    }
}

// A closed connection's handle serves the next connection only while the path names the same
// regular file, with content: whatever has taken the file's place is refused as at a first open,
// a pipe without being read.
TEST(Connection, AHandleAtRestServesNoOtherFileAtItsPath)
{
    QorDatabase database;
    const QString path = database.path();
    const auto answerNow = [&database] {
        Connection connection;
        connection.Open(database.connectionString());
        Recordset recordset;
        recordset.Open(QStringLiteral("select 答案 from QOR3 where 编号= 'QOR3-Q7'"), connection);
        return recordset.field(QStringLiteral("答案")).joinText();
    };
    const auto rewriteInPlace = [&path](const QByteArray &content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(content), content.size());
    };
    ASSERT_EQ(answerNow(), QStringLiteral("C"));

    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray content = original.readAll();
    original.close();
    rewriteInPlace(QByteArray());
    RuntimeError error = openError(database.connectionString());
    EXPECT_EQ(error.kind(), RuntimeError::Kind::Database);
    EXPECT_EQ(error.message(), QStringLiteral("Not a database (the file is empty): ") + path);
    rewriteInPlace(content);
    EXPECT_EQ(answerNow(), QStringLiteral("C"));

    const QString aside = path + QStringLiteral(".aside");
    ASSERT_TRUE(QFile::rename(path, aside));
    {
        const testsupport::NamedPipe fifo(path, content.left(100));
        ASSERT_TRUE(fifo.made());
        error = openError(database.connectionString());
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FileIo);
        EXPECT_EQ(error.message(), path + QStringLiteral(" is a named pipe, not a regular file"));
        EXPECT_TRUE(fifo.inPlace());
    }
    ASSERT_TRUE(QDir().mkdir(path));
    error = openError(database.connectionString());
    EXPECT_EQ(error.message(), path + QStringLiteral(" is a folder, not a regular file"));
    ASSERT_TRUE(QDir().rmdir(path));
    error = openError(database.connectionString());
    EXPECT_EQ(error.kind(), RuntimeError::Kind::FileNotFound);

    ASSERT_TRUE(QFile::rename(aside, path));
    EXPECT_EQ(answerNow(), QStringLiteral("C"));
}

// Each connection of a step runs the texts the steps before it ran: the compiled statements kept
// for them read what the file holds now, whoever wrote it, whatever table shape it now has.
TEST(Connection, RepeatedQueriesReadWhatOtherConnectionsWrote)
{
    QorDatabase database;
    const QString query = QStringLiteral("select * from QOR3 where 编号= 'QOR3-Q7'");
    auto readRow = [&](const QString &column) {
        Connection connection;
        connection.Open(database.connectionString());
        Recordset recordset;
        recordset.Open(query, connection);
        const QString value = recordset.field(column).joinText();
        const int columns = int(recordset.columnNames().size());
        recordset.Close();
        connection.Close();
        return std::pair(value, columns);
    };
    const auto [answer, columns] = readRow(QStringLiteral("答案"));
    EXPECT_EQ(answer, QStringLiteral("C"));

    database.execute(QStringLiteral("update QOR3 set 答案 = 'E' where 编号 = 'QOR3-Q7'"));
    EXPECT_EQ(readRow(QStringLiteral("答案")).first, QStringLiteral("E"));

    database.execute(QStringLiteral("alter table QOR3 add column 备注 text default 'new'"));
    const auto [note, columnsNow] = readRow(QStringLiteral("备注"));
    EXPECT_EQ(note, QStringLiteral("new"));
    EXPECT_EQ(columnsNow, columns + 1);

    // An answer written through a connection, then changed by another program, then written
    // again through the next connection: each write lands, on the row it names.
    auto writeAnswer = [&](const QString &letter) {
        Connection connection;
        connection.Open(database.connectionString());
        Recordset recordset;
        recordset.Open(query, connection, platform::db::adLockOptimistic);
        recordset.setField(QStringLiteral("做题记录"), letter);
        recordset.Update();
    };
    writeAnswer(QStringLiteral("A"));
    database.execute(QStringLiteral("update QOR3 set 做题记录 = 'X'"));
    writeAnswer(QStringLiteral("B"));
    EXPECT_EQ(database.cells(QStringLiteral("select 做题记录 from QOR3 order by 题号")),
              (QStringList{QStringLiteral("text:X"), QStringLiteral("text:X"),
                           QStringLiteral("text:B")}));
}

TEST(Connection, APathTooLongForSqliteIsRefusedSayingHowLongItMayBe)
{
    QorDatabase database;
    // A copy of the database at a path of the given length in UTF-8 bytes, in folders of at most
    // 200 bytes each.
    const auto copyAtLength = [&database](int length) {
        QString folder = database.folder() + QStringLiteral("/%1").arg(length);
        const QString name = QStringLiteral("/QOR.mdb");
        while (folder.toUtf8().size() + name.size() < length) {
            const int missing = length - int(folder.toUtf8().size() + name.size()) - 1;
            folder += u'/' + QString(std::clamp(missing, 1, 200), u'd');
        }
        EXPECT_TRUE(QDir().mkpath(folder));
        const QString path = folder + name;
        EXPECT_TRUE(QFile::copy(database.path(), path));
        EXPECT_EQ(path.toUtf8().size(), length);
        return path;
    };

    const QString longest = copyAtLength(504);
    Connection connection;
    connection.Open(QStringLiteral("Data Source=") + longest);
    EXPECT_TRUE(connection.isOpen());

    const QString tooLong = copyAtLength(505);
    const RuntimeError error = openError(QStringLiteral("Data Source=") + tooLong);
    EXPECT_EQ(error.kind(), RuntimeError::Kind::Database);
    EXPECT_EQ(error.message(),
              QStringLiteral("Cannot open database %1: the path is too long (505 bytes in UTF-8; "
                             "SQLite opens paths of at most 504 bytes)")
                  .arg(tooLong));
}
