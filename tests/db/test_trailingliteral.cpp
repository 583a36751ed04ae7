#include "qordatabase.h"

#include "connection.h"
#include "database.h"
#include "recordset.h"
#include "runtimeerror.h"
#include "trailingliteral.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <optional>
#include <variant>

#undef EOF // C's macro would turn Recordset::EOF() into "(-1)()"

using platform::RuntimeError;
using platform::db::Connection;
using platform::db::parameterizeTrailingLiteral;
using platform::db::Recordset;
using platform::db::TrailingLiteral;
using platform::db::Variant;

// Which texts share one compiled statement for every number they end with, and which are
// compiled as written.
TEST(TrailingLiteral, OnlyAWhereClauseEndingInColumnEqualsLiteralIsParameterized)
{
    struct Row
    {
        const char *sql;
        const char *parameterized; // null: compiled as written
        const char *value;         // the number, or "text:" and the text
    };
    const Row rows[] = {
        {"select * from QOR3 where 题号=17", "select * from QOR3 where 题号=?1", "17"},
        {"SELECT 题型 FROM QOR3 WHERE 题号 = 018 ; ", "SELECT 题型 FROM QOR3 WHERE 题号 = ?1 ; ",
         "18"},
        {"select * from QOR3 where [题号]=5", "select * from QOR3 where [题号]=?1", "5"},
        {"select * from QOR3 where \"题 号\" =5", "select * from QOR3 where \"题 号\" =?1", "5"},
        {"select * from QOR3 where `题号`= 5", "select * from QOR3 where `题号`= ?1", "5"},
        {"update QOR3 set 正误 = '对' where 题号=7", "update QOR3 set 正误 = '对' where 题号=?1",
         "7"},
        {"delete from QOR3 where 题号=123456789", "delete from QOR3 where 题号=?1", "123456789"},
        {"select * from QOR3 where 编号= 'QOR3-Q17'", "select * from QOR3 where 编号= ?1",
         "text:QOR3-Q17"},
        {"select * from QOR3 where 编号 = 'x WHERE 题号=5'", "select * from QOR3 where 编号 = ?1",
         "text:x WHERE 题号=5"},
        {"select * from QOR3 where 编号='it''s' ;", "select * from QOR3 where 编号=?1 ;",
         "text:it's"},
        {"delete from QOR3 where 编号=''", "delete from QOR3 where 编号=?1", "text:"},
        {"select * from QOR3 where 编号= 'ab''", nullptr, ""},
        {"select * from QOR3 where 编号= x'41'", nullptr, ""},
        {"select * from QOR3 where 编号= 'a' || 'b'", nullptr, ""},
        {"select * from QOR3 where 编号= 'Q1' collate nocase", nullptr, ""},
        {"select * from QOR3 where 编号 like 'QOR3-Q1'", nullptr, ""},
        {"select * from QOR3 where 用时= '10:30'", nullptr, ""},
        {"select * from QOR3 where 题号=5 -- or 6", nullptr, ""},
        {"select * from QOR3 -- where 题号=5", nullptr, ""},
        {"select * from QOR3 /* where 题号=5", nullptr, ""},
        {"select ?, 编号 from QOR3 where 题号=5", nullptr, ""},
        {"select :a, 编号 from QOR3 where 题号=5", nullptr, ""},
        {"select @a from QOR3 where 题号=5", nullptr, ""},
        {"select $a from QOR3 where 题号=5", nullptr, ""},
        {"select * from QOR3 where 题号=-5", nullptr, ""},
        {"select * from QOR3 where 题号=+5", nullptr, ""},
        {"select * from QOR3 where 题号=5.0", nullptr, ""},
        {"select * from QOR3 where 题号=5e0", nullptr, ""},
        {"select * from QOR3 where 题号=0x5", nullptr, ""},
        {"select * from QOR3 where 题号=1234567890", nullptr, ""},
        {"select * from QOR3 where 题号==5", nullptr, ""},
        {"select * from QOR3 where 题号<=5", nullptr, ""},
        {"select * from QOR3 where 5=题号", nullptr, ""},
        {"select * from QOR3 where QOR3.题号=5", nullptr, ""},
        {"select * from QOR3 where 用时=1 and 题号=2", nullptr, ""},
        {"select * from QOR3 where 题号=5;;", nullptr, ""},
        {"select * from QOR3 where 题号=5; select 1", nullptr, ""},
        {"select * from QOR3 where 题号 in (select 题号 from QOR3 where 题号=5)", nullptr, ""},
        {"explain select * from QOR3 where 题号=5", nullptr, ""},
        {"create view v as select * from QOR3 where 题号=5", nullptr, ""},
        {"select * from QOR3 order by 题号 limit 5", nullptr, ""},
        {"COMMIT", nullptr, ""},
    };
    for (const Row &row : rows) {
        const std::optional<TrailingLiteral> literal = parameterizeTrailingLiteral(
            QString::fromUtf8(row.sql));
        if (!row.parameterized) {
            EXPECT_FALSE(literal) << row.sql << " became " << literal->parameterized.constData();
            continue;
        }
        ASSERT_TRUE(literal) << row.sql;
        EXPECT_EQ(literal->parameterized, QByteArray(row.parameterized)) << row.sql;
        EXPECT_EQ(literal->isText ? QByteArray("text:") + literal->text
                                  : QByteArray::number(literal->number),
                  QByteArray(row.value))
            << row.sql;
    }
}

namespace {

// QOR3 with questions 10 to 50 besides the three of every test database, each with its own
// 编号 and answer, and two rows whose numbers a parameter must not stand for.
class SharedStatements : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString inserts;
        for (int number = 10; number <= 50; ++number)
            inserts += QStringLiteral("INSERT INTO QOR3 (题型, 题号, 编号, 答案) VALUES ('SC', %1, "
                                      "'QOR3-Q%1', '%2');")
                           .arg(number)
                           .arg(QChar(u'A' + number % 5));
        inserts += QStringLiteral("INSERT INTO QOR3 (题号, 编号) VALUES (1234567890, 'big');"
                                  "INSERT INTO QOR3 (题号, 编号) VALUES (-5, 'negative');");
        database.execute(inserts);
        connection.Open(database.connectionString());
    }

    // What the recordset holds, in the words of QorDatabase::cells (numbers without their
    // stored kind, which a recordset's values do not keep).
    static QStringList cellsOf(Recordset &recordset)
    {
        QStringList cells;
        for (; !recordset.EOF(); recordset.MoveNext())
            for (const QString &column : recordset.columnNames())
                cells << describe(recordset.field(column));
        return cells;
    }

    static QString describe(const Variant &value)
    {
        if (value.isNull())
            return QStringLiteral("null");
        if (value.isText())
            return QStringLiteral("text:") + value.joinText();
        return QStringLiteral("number:") + QString::number(value.toNumber());
    }

    QStringList sqliteCells(const QString &sql) const
    {
        QStringList cells = database.cells(sql);
        for (QString &cell : cells)
            if (cell.startsWith(QLatin1String("integer:")) ||
                cell.startsWith(QLatin1String("real:")))
                cell = QStringLiteral("number:") +
                       QString::number(cell.section(QLatin1Char(':'), 1).toDouble());
        return cells;
    }

    // The texts of the statements SQLite holds compiled on the connection's handle that read
    // rows of QOR3 by a condition.
    QStringList compiledWithCondition() const
    {
        QStringList texts;
        sqlite3 *handle = connection.database()->handle();
        for (sqlite3_stmt *statement = sqlite3_next_stmt(handle, nullptr); statement;
             statement = sqlite3_next_stmt(handle, statement)) {
            const QString text = QString::fromUtf8(sqlite3_sql(statement));
            if (text.contains(QStringLiteral("from QOR3 where")))
                texts << text;
        }
        return texts;
    }

    QorDatabase database;
    Connection connection;
};

} // namespace

TEST_F(SharedStatements, EachValueReadsItsOwnRow)
{
    for (const platform::db::LockType lock :
         {platform::db::adLockReadOnly, platform::db::adLockOptimistic}) {
        for (const char *const query :
             {"select * from QOR3 where 题号=%1", "select * from QOR3 where 编号= 'QOR3-Q%1'"}) {
            for (const int number : {17, 18, 17, 10, 50, 17}) {
                Recordset recordset;
                recordset.Open(QString::fromUtf8(query).arg(number), connection, lock);
                ASSERT_EQ(recordset.RecordCount(), 1) << query << number;
                EXPECT_EQ(recordset.field(QStringLiteral("编号")).joinText(),
                          QStringLiteral("QOR3-Q%1").arg(number));
                EXPECT_EQ(
                    describe(recordset.field(QStringLiteral("答案"))),
                    database.cell(QStringLiteral("select 答案 from QOR3 where 编号 = 'QOR3-Q%1'")
                                      .arg(number)));
            }
        }
    }
}

TEST_F(SharedStatements, WritesReachTheRowOfTheirOwnNumber)
{
    {
        Recordset recordset;
        recordset.Open(QStringLiteral("select * from QOR3 where 题号=21"), connection);
        recordset.setField(QStringLiteral("做题记录"), QStringLiteral("B"));
        recordset.Update();
    }
    {
        Recordset recordset;
        recordset.Open(QStringLiteral("select * from QOR3 where 题号=22"), connection);
        recordset.setField(QStringLiteral("做题记录"), QStringLiteral("C"));
        recordset.Update();
    }
    Recordset update;
    update.Open(QStringLiteral("update QOR3 set 正误 = '对' where 题号=23"), connection);
    update.Open(QStringLiteral("update QOR3 set 正误 = '错' where 编号= 'QOR3-Q24'"), connection);
    EXPECT_EQ(
        database.cells(QStringLiteral(
            "select 题号, 做题记录, 正误 from QOR3 where 题号 >= 10 and (做题记录 is not null "
            "or 正误 is not null) order by 题号")),
        (QStringList{"integer:21", "text:B", "null", "integer:22", "text:C", "null", "integer:23",
                     "null", "text:对", "integer:24", "null", "text:错"}));
}

// Texts that look like the shape, or nearly, read exactly what SQLite reads for them as written.
TEST_F(SharedStatements, OtherTextsReadWhatSqliteReadsForThemAsWritten)
{
    const char *const queries[] = {
        "select * from QOR3 where 编号 = 'x WHERE 题号=12'",
        "select 编号 from QOR3 where 题号=12 -- where 题号=13",
        "select 编号 from QOR3\n-- where 题号=12",
        "select 编号 from QOR3 where 题号=12 /* where 题号=13 */",
        "select ?, 编号 from QOR3 where 题号=12",
        "select 编号 from QOR3 where 题号=-5",
        "select 编号 from QOR3 where 题号=12.0",
        "select 编号 from QOR3 where 题号=1234567890",
        "select 编号 from QOR3 where 题号>11 and 题号=12",
        "select 答案, 编号 as 题号, 题号 * 2 from QOR3 where 题号 = 13 ;",
        "select * from QOR3 where [题号]=14",
        "select * from QOR3 where 编号= 'QOR3-Q15'",
        "select * from QOR3 where 编号='it''s'",
        "select * from QOR3 where 编号= 'QOR3-Q15' collate nocase",
    };
    for (const char *const query : queries) {
        const QString sql = QString::fromUtf8(query);
        for (const platform::db::LockType lock :
             {platform::db::adLockReadOnly, platform::db::adLockOptimistic}) {
            Recordset recordset;
            recordset.Open(sql, connection, lock);
            EXPECT_EQ(recordset.columnNames(), database.columns(sql)) << query;
            EXPECT_EQ(cellsOf(recordset), sqliteCells(sql)) << query;
        }
    }
}

TEST_F(SharedStatements, ErrorsQuoteTheTextAsWritten)
{
    struct Row
    {
        const char *query;
        RuntimeError::Kind kind;
        const char *message; // %1: the query, %2: the database's path
    };
    const Row rows[] = {
        {"select * from QOR3 where nosuch=5", RuntimeError::Kind::NoSuchColumn,
         "No such column nosuch in query \"%1\" (database: %2)"},
        {"select * from QOR3 where nosuch= 'QOR3-Q5'", RuntimeError::Kind::NoSuchColumn,
         "No such column nosuch in query \"%1\" (database: %2)"},
        {"select * from QOR9 where 题号=5", RuntimeError::Kind::NoSuchTable,
         "No such table QOR9 in query \"%1\" (database: %2)"},
        {"select * frm QOR3 where 题号=5", RuntimeError::Kind::Database,
         "Query \"%1\" failed: near \"frm\": syntax error (database: %2)"},
    };
    for (const Row &row : rows) {
        const QString query = QString::fromUtf8(row.query);
        for (const platform::db::LockType lock :
             {platform::db::adLockReadOnly, platform::db::adLockOptimistic}) {
            Recordset recordset;
            try {
                recordset.Open(query, connection, lock);
                ADD_FAILURE() << row.query << " opened";
            } catch (const RuntimeError &error) {
                EXPECT_EQ(error.kind(), row.kind) << error.what();
                EXPECT_EQ(error.message(),
                          QString::fromUtf8(row.message).arg(query, database.path()));
            }
        }
    }
}

// Read one after another as the screens read them, the 41 questions of a set take one compiled
// statement per shape of text, each taking its value as a parameter, where every value used to
// be compiled anew.
TEST_F(SharedStatements, OneCompiledStatementServesEveryValue)
{
    for (int number = 10; number <= 50; ++number) {
        for (const char *const query : {"select * from QOR3 where 编号= 'QOR3-Q%1'",
                                        "select 题型 from QOR3 where 编号= 'QOR3-Q%1'"}) {
            Recordset recordset;
            recordset.Open(QString::fromUtf8(query).arg(number), connection);
            EXPECT_EQ(recordset.RecordCount(), 1);
        }
        Recordset passage;
        passage.Open(QStringLiteral("select 属性 from QOR3 where 题号=%1").arg(number), connection,
                     platform::db::adLockReadOnly);
        EXPECT_EQ(passage.RecordCount(), 1);
    }
    QStringList compiled = compiledWithCondition();
    compiled.sort();
    EXPECT_EQ(compiled,
              (QStringList{QStringLiteral("select QOR3.rowid, * from QOR3 where 编号= ?1"),
                           QStringLiteral("select QOR3.rowid, 题型 from QOR3 where 编号= ?1"),
                           QStringLiteral("select 属性 from QOR3 where 题号=?1")}));
}
