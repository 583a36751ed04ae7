#include "qordatabase.h"

#include "connection.h"
#include "recordset.h"
#include "runtimeerror.h"

#include <gtest/gtest.h>

#include <functional>

#undef EOF // C's macro would turn Recordset::EOF() into "(-1)()"

using platform::RuntimeError;
using platform::db::Connection;
using platform::db::Recordset;
using platform::db::Variant;

namespace {

class RecordsetRead : public ::testing::Test
{
protected:
    void SetUp() override { connection.Open(database.connectionString()); }

    // The error of running `body`, which must throw.
    template<typename Body> RuntimeError errorOf(Body body)
    {
        try {
            body();
        } catch (const RuntimeError &error) {
            return error;
        }
        ADD_FAILURE() << "no error";
        return RuntimeError(RuntimeError::Kind::Database, QString());
    }

    QorDatabase database;
    Connection connection;
};

} // namespace

TEST_F(RecordsetRead, ScreenQueriesFindTheirRows)
{
    struct Row
    {
        const char *query;
        QStringList columns;
        QStringList numbers; // 编号 of the rows, in order; empty when not selected
        int count;
    };
    const QStringList all{"题型", "题号", "编号",     "A",    "B",    "C",   "D",
                          "E",    "答案", "做题记录", "正误", "用时", "属性"};
    const Row rows[] = {
        {"select * from QOR3 where 编号= 'QOR3-Q7'", all, {"QOR3-Q7"}, 1},
        {"select 题型 from QOR3 where 编号= 'QOR3-Q7'", {"题型"}, {}, 1},
        {"select 属性 from QOR3 where 编号= 'QOR3-Q7'", {"属性"}, {}, 1},
        {"select * from QOR3", all, {"QOR3-Q7", "QOR3-Q1", "QOR3-Q2"}, 3},
        {"SELECT * FROM QOR3 ORDER BY 题号", all, {"QOR3-Q1", "QOR3-Q2", "QOR3-Q7"}, 3},
        {"select 编号, count(*) as n from QOR3 group by 编号 order by 编号",
         {"编号", "n"},
         {"QOR3-Q1", "QOR3-Q2", "QOR3-Q7"},
         3},
    };
    for (const Row &row : rows) {
        Recordset recordset;
        recordset.Open(QString::fromUtf8(row.query), connection);
        EXPECT_EQ(recordset.columnNames(), row.columns) << row.query;
        EXPECT_EQ(recordset.RecordCount(), row.count) << row.query;
        QStringList numbers;
        for (int i = 0; i < row.count && !row.numbers.isEmpty(); ++i) {
            ASSERT_FALSE(recordset.EOF()) << row.query;
            numbers << recordset.field(QStringLiteral("编号")).toText(QStringLiteral("编号"));
            recordset.MoveNext();
        }
        if (!row.numbers.isEmpty()) {
            EXPECT_EQ(numbers, row.numbers) << row.query;
            EXPECT_TRUE(recordset.EOF());
        }
    }
}

TEST_F(RecordsetRead, FieldsKeepTheirStoredKind)
{
    Recordset recordset;
    recordset.Open(QStringLiteral("select * from QOR3 where 编号= 'QOR3-Q7'"), connection);
    EXPECT_EQ(recordset.field(QStringLiteral("A")), Variant(QStringLiteral("甲")));
    EXPECT_EQ(recordset.field(QStringLiteral("题号")), Variant(3));
    EXPECT_TRUE(recordset.field(QStringLiteral("题号")).equals(QStringLiteral("3")));
    EXPECT_EQ(recordset.field(QStringLiteral("做题记录")), Variant(QStringLiteral(" ")));
    EXPECT_TRUE(recordset.field(QStringLiteral("正误")).isNull());
    EXPECT_TRUE(recordset.field(QStringLiteral("用时")).isText());
    EXPECT_EQ(recordset.field(QStringLiteral("用时")).joinText(), QString());
    // Column names match regardless of case, as in SQL; an exact name still wins.
    EXPECT_EQ(recordset.field(QStringLiteral("a")), Variant(QStringLiteral("甲")));

    Recordset numbers;
    numbers.Open(
        QStringLiteral(
            "select 题号 / 2.0 as half, 题号 as no, 题号 * 2 as NO from QOR3 where 编号 = 'QOR3-Q1'"),
        connection);
    EXPECT_EQ(numbers.field(QStringLiteral("half")), Variant(0.5));
    EXPECT_EQ(numbers.field(QStringLiteral("NO")), Variant(2));
    EXPECT_EQ(numbers.field(QStringLiteral("no")), Variant(1));
    EXPECT_EQ(numbers.field(QStringLiteral("No")), Variant(1));
}

TEST_F(RecordsetRead, EmptyResultIsAtEofAndHasNoCurrentRow)
{
    const QString query = QStringLiteral("select * from QOR3 where 编号= 'QOR3-Q99'");
    Recordset recordset;
    recordset.Open(query, connection);
    EXPECT_TRUE(recordset.EOF());
    EXPECT_EQ(recordset.RecordCount(), 0);
    const RuntimeError error = errorOf([&] { recordset.field(QStringLiteral("做题记录")); });
    EXPECT_EQ(error.kind(), RuntimeError::Kind::NoCurrentRow);
    EXPECT_TRUE(error.message().startsWith(QStringLiteral("No current row"))) << error.what();
    EXPECT_TRUE(error.message().contains(query)) << error.what();
    EXPECT_TRUE(error.message().contains(database.path())) << error.what();
    EXPECT_EQ(errorOf([&] { recordset.setField(QStringLiteral("做题记录"), "A"); }).kind(),
              RuntimeError::Kind::NoCurrentRow);
    EXPECT_EQ(errorOf([&] { recordset.MoveNext(); }).kind(), RuntimeError::Kind::NoCurrentRow);
}

TEST_F(RecordsetRead, MovingPastTheLastRowLeavesNoCurrentRow)
{
    Recordset recordset;
    recordset.Open(QStringLiteral("select 编号 from QOR3 where 题号 < 3"), connection);
    recordset.MoveNext();
    recordset.MoveNext();
    EXPECT_TRUE(recordset.EOF());
    EXPECT_EQ(recordset.RecordCount(), 2);
    EXPECT_EQ(errorOf([&] { recordset.field(QStringLiteral("编号")); }).kind(),
              RuntimeError::Kind::NoCurrentRow);
    EXPECT_EQ(errorOf([&] { recordset.MoveNext(); }).kind(), RuntimeError::Kind::NoCurrentRow);
}

TEST_F(RecordsetRead, FailedQueriesNameWhatIsMissingAndWhere)
{
    struct Row
    {
        const char *query;
        RuntimeError::Kind kind;
        const char *named;
    };
    const Row rows[] = {
        {"select * from QOR9 where 编号= 'QOR9-Q7'", RuntimeError::Kind::NoSuchTable, "QOR9"},
        {"select 题型x from QOR3 where 编号= 'QOR3-Q7'", RuntimeError::Kind::NoSuchColumn, "题型x"},
        {"select * from QOR3 where 编码= 'QOR3-Q7'", RuntimeError::Kind::NoSuchColumn, "编码"},
        {"select * from QOR3 ORDER BY 题目", RuntimeError::Kind::NoSuchColumn, "题目"},
        {"selec * from QOR3", RuntimeError::Kind::Database, "syntax error"},
        {"select * from QOR3; delete from QOR3", RuntimeError::Kind::Database,
         "More than one statement"},
        {"  ", RuntimeError::Kind::Database, "Nothing to run"},
    };
    for (const Row &row : rows) {
        const QString query = QString::fromUtf8(row.query);
        Recordset recordset;
        const RuntimeError error = errorOf([&] { recordset.Open(query, connection); });
        EXPECT_EQ(error.kind(), row.kind) << row.query << ": " << error.what();
        for (const QString &part : {QString::fromUtf8(row.named), query, database.path()})
            EXPECT_TRUE(error.message().contains(part))
                << error.what() << " lacks " << part.toStdString();
        EXPECT_FALSE(recordset.isOpen());
    }
    EXPECT_EQ(database.cells(QStringLiteral("select count(*) from QOR3")),
              QStringList{"integer:3"});
}

TEST_F(RecordsetRead, UnknownFieldNamesColumnAndQuery)
{
    const QString query = QStringLiteral("select 题型 from QOR3 where 编号= 'QOR3-Q7'");
    Recordset recordset;
    recordset.Open(query, connection);
    for (const auto &use :
         {std::function<void()>([&] { recordset.field(QStringLiteral("答案")); }),
          std::function<void()>([&] { recordset.setField(QStringLiteral("答案"), "A"); })}) {
        const RuntimeError error = errorOf(use);
        EXPECT_EQ(error.kind(), RuntimeError::Kind::NoSuchColumn);
        EXPECT_TRUE(error.message().contains(QStringLiteral("答案"))) << error.what();
        EXPECT_TRUE(error.message().contains(query)) << error.what();
    }
}

TEST_F(RecordsetRead, OwnConnectionOpensFromTheConnectionString)
{
    Recordset recordset;
    recordset.Open(QStringLiteral("select 题型 from QOR3 where 编号= 'QOR3-Q7'"),
                   database.connectionString());
    EXPECT_TRUE(recordset.field(QStringLiteral("题型")).equals(QStringLiteral("CR")));
    EXPECT_THROW(recordset.Open(QStringLiteral("select * from QOR3"), connection), RuntimeError);
    recordset.Close();
    recordset.Close();
    EXPECT_FALSE(recordset.isOpen());
    EXPECT_THROW(recordset.EOF(), RuntimeError);

    const QString missing = database.folder() + QStringLiteral("/nothing.mdb");
    const RuntimeError error = errorOf([&] {
        recordset.Open(QStringLiteral("select * from QOR3"),
                       QStringLiteral("Data Source=") + missing);
    });
    EXPECT_EQ(error.kind(), RuntimeError::Kind::FileNotFound);
    EXPECT_FALSE(recordset.isOpen());
}

TEST_F(RecordsetRead, StatementWithoutRowsIsRunAndLeavesTheRecordsetClosed)
{
    Recordset recordset;
    recordset.Open(QStringLiteral("update QOR3 set 做题记录 = '' where 编号 = 'QOR3-Q1'"),
                   connection);
    EXPECT_FALSE(recordset.isOpen());
    EXPECT_EQ(database.cell(QStringLiteral("select 做题记录 from QOR3 where 编号 = 'QOR3-Q1'")),
              QStringLiteral("text:"));
}
