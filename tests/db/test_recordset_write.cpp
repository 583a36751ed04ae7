#include "qordatabase.h"

#include "connection.h"
#include "recordset.h"
#include "runtimeerror.h"

#include <gtest/gtest.h>

#include <cstdlib>

#undef EOF // C's macro would turn Recordset::EOF() into "(-1)()"

using platform::RuntimeError;
using platform::db::Connection;
using platform::db::Recordset;
using platform::db::Variant;

namespace {

const QString q7 = QStringLiteral("select * from QOR3 where 编号= 'QOR3-Q7'");
const QString wholeTable = QStringLiteral("select rowid, * from QOR3 order by rowid");

class RecordsetWrite : public ::testing::Test
{
protected:
    void SetUp() override { connection.Open(database.connectionString()); }

    QString stored(const QString &column, const QString &number = QStringLiteral("QOR3-Q7")) const
    {
        return database.cell(
            QStringLiteral("select %1 from QOR3 where 编号 = '%2'").arg(column, number));
    }

    QorDatabase database;
    Connection connection;
};

} // namespace

// Null, "", " " and "  " are four different answers for the screens.
TEST_F(RecordsetWrite, TextsAndNullRoundTripExactly)
{
    struct Row
    {
        Variant value;
        const char *stored;
    };
    const Row rows[] = {
        {Variant(), "null"},
        {Variant(""), "text:"},
        {Variant(" "), "text: "},
        {Variant("  "), "text:  "},
        {Variant("选B；用时 12秒"), "text:选B；用时 12秒"},
        {Variant("it's \"B\"; --"), "text:it's \"B\"; --"},
        {Variant(3), "text:3"},
        {Variant(2.5), "text:2.5"},
    };
    for (const Row &row : rows) {
        {
            Recordset recordset;
            recordset.Open(q7, connection);
            recordset.setField(QStringLiteral("做题记录"), row.value);
            recordset.Update();
            // The row in memory shows what the table holds: a TEXT column turns 3 into "3".
            EXPECT_EQ(recordset.field(QStringLiteral("做题记录")).joinText(), row.value.joinText());
            EXPECT_EQ(recordset.field(QStringLiteral("做题记录")).isNull(), row.value.isNull());
        }
        EXPECT_EQ(stored(QStringLiteral("做题记录")), QString::fromUtf8(row.stored));

        Connection fresh;
        fresh.Open(database.connectionString());
        Recordset reread;
        reread.Open(QStringLiteral("select 做题记录 from QOR3 where 编号= 'QOR3-Q7'"), fresh);
        EXPECT_EQ(reread.field(QStringLiteral("做题记录")).isNull(), row.value.isNull())
            << row.stored;
        EXPECT_EQ(reread.field(QStringLiteral("做题记录")).joinText(), row.value.joinText())
            << row.stored;
    }
}

TEST_F(RecordsetWrite, UpdateWritesOnlyTheAssignedColumnsOfTheCurrentRow)
{
    QStringList expected = database.cells(wholeTable);
    Recordset recordset;
    recordset.Open(q7, connection);
    recordset.setField(QStringLiteral("做题记录"), "D");
    recordset.setField(QStringLiteral("用时"), "00:42");
    EXPECT_EQ(recordset.field(QStringLiteral("做题记录")),
              Variant("D"));                         // pending values are visible
    EXPECT_EQ(database.cells(wholeTable), expected); // and not yet written
    recordset.Update();

    const int columns = 14; // rowid and the 13 columns; Q7 is the first row stored
    expected[10] = QStringLiteral("text:D");
    expected[12] = QStringLiteral("text:00:42");
    EXPECT_EQ(database.cells(wholeTable), expected);
    EXPECT_EQ(expected.size(), 3 * columns);

    recordset.Update(); // nothing pending: writes nothing
    EXPECT_EQ(database.cells(wholeTable), expected);
}

TEST_F(RecordsetWrite, NumbersGoInByColumnType)
{
    Recordset recordset;
    recordset.Open(QStringLiteral("select 题号, 用时 from QOR3 where 编号= 'QOR3-Q7'"), connection);
    recordset.setField(QStringLiteral("题号"), 41);
    recordset.setField(QStringLiteral("用时"), 61);
    recordset.Update();
    EXPECT_EQ(stored(QStringLiteral("题号")), QStringLiteral("integer:41"));
    EXPECT_EQ(stored(QStringLiteral("用时")), QStringLiteral("text:61"));
    EXPECT_EQ(recordset.field(QStringLiteral("题号")), Variant(41));
    EXPECT_EQ(recordset.field(QStringLiteral("用时")), Variant("61"));
}

TEST_F(RecordsetWrite, MoveNextSavesTheRowItLeaves)
{
    Recordset recordset;
    recordset.Open(QStringLiteral("SELECT * FROM QOR3 ORDER BY 题号"), connection);
    int number = 1;
    while (!recordset.EOF()) {
        recordset.setField(QStringLiteral("正误"), QString::number(number++));
        recordset.MoveNext();
    }
    EXPECT_EQ(database.cells(QStringLiteral("select 正误 from QOR3 order by 题号")),
              (QStringList{"text:1", "text:2", "text:3"}));
    EXPECT_THROW(recordset.MoveNext(), RuntimeError);
}

TEST_F(RecordsetWrite, CloseAndDestructionDropPendingChanges)
{
    const QStringList before = database.cells(wholeTable);
    {
        Recordset dropped;
        dropped.Open(q7, connection);
        dropped.setField(QStringLiteral("做题记录"), "A");
    }
    Recordset closed;
    closed.Open(q7, database.connectionString());
    closed.setField(QStringLiteral("做题记录"), "A");
    closed.Close();
    EXPECT_EQ(database.cells(wholeTable), before);
}

TEST_F(RecordsetWrite, UpdateIsOnDiskWhenItReturns)
{
    // The child process is killed (no destructors, no exit handlers) right after Update.
    EXPECT_EXIT(
        {
            // The second Update runs the statement the first one compiled.
            for (const char *number : {"QOR3-Q1", "QOR3-Q7"}) {
                Recordset recordset;
                recordset.Open(QStringLiteral("select * from QOR3 where 编号= '%1'").arg(number),
                               database.connectionString());
                recordset.setField(QStringLiteral("做题记录"), "E");
                recordset.setField(QStringLiteral("用时"), "  ");
                recordset.Update();
            }
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    for (const QString &number : {QStringLiteral("QOR3-Q1"), QStringLiteral("QOR3-Q7")}) {
        EXPECT_EQ(stored(QStringLiteral("做题记录"), number), QStringLiteral("text:E"));
        EXPECT_EQ(stored(QStringLiteral("用时"), number), QStringLiteral("text:  "));
    }
}

TEST_F(RecordsetWrite, FailedUpdateRollsBackAndNamesTableColumnsAndFile)
{
    database.execute(
        QStringLiteral("CREATE TRIGGER guard BEFORE UPDATE ON QOR3 WHEN NEW.用时 = 'bad' "
                       "BEGIN SELECT RAISE(ABORT, 'refused by guard'); END"));
    const QStringList before = database.cells(wholeTable);
    Recordset recordset;
    recordset.Open(q7, connection);
    recordset.setField(QStringLiteral("做题记录"), "B");
    recordset.setField(QStringLiteral("用时"), "bad");
    try {
        recordset.Update();
        FAIL() << "Update passed the guard";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::Database);
        for (const QString &part :
             {QStringLiteral("QOR3"), QStringLiteral("做题记录"), QStringLiteral("用时"),
              QStringLiteral("refused by guard"), database.path()})
            EXPECT_TRUE(error.message().contains(part)) << error.what();
    }
    EXPECT_EQ(database.cells(wholeTable), before);

    // The connection is usable again: no transaction was left open.
    recordset.setField(QStringLiteral("用时"), "good");
    recordset.Update();
    EXPECT_EQ(stored(QStringLiteral("做题记录")), QStringLiteral("text:B"));
}

TEST_F(RecordsetWrite, AliasedColumnsWriteTheirTableColumn)
{
    Recordset recordset;
    recordset.Open(
        QStringLiteral(
            "select q.做题记录 as record, 题号 + 1 as next from QOR3 q where q.编号 = 'QOR3-Q1'"),
        connection);
    recordset.setField(QStringLiteral("record"), "C");
    recordset.Update();
    EXPECT_EQ(stored(QStringLiteral("做题记录"), QStringLiteral("QOR3-Q1")),
              QStringLiteral("text:C"));

    recordset.setField(QStringLiteral("next"), 5);
    try {
        recordset.Update();
        FAIL() << "an expression was written";
    } catch (const RuntimeError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("next"))) << error.what();
    }
}

TEST_F(RecordsetWrite, ReadOnlyResultsCanBeReadButNotWritten)
{
    struct Row
    {
        const char *query;
        platform::db::LockType lock;
    };
    const Row rows[] = {
        {"select 题型, count(*) as n from QOR3 group by 题型 order by 题型",
         platform::db::adLockOptimistic},
        {"select distinct 题型 from QOR3 order by 题型", platform::db::adLockOptimistic},
        {"select a.题型 from QOR3 a join QOR3 b on a.题号 = b.题号 order by a.题型",
         platform::db::adLockOptimistic},
        {"select 题型 from QOR3 order by 题型", platform::db::adLockReadOnly},
    };
    const QStringList before = database.cells(wholeTable);
    for (const Row &row : rows) {
        Recordset recordset;
        recordset.Open(QString::fromUtf8(row.query), connection, row.lock);
        EXPECT_EQ(recordset.field(QStringLiteral("题型")), Variant("CR")) << row.query;
        recordset.setField(QStringLiteral("题型"), "XX");
        try {
            recordset.Update();
            ADD_FAILURE() << "wrote through " << row.query;
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.kind(), RuntimeError::Kind::Database);
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(row.query))) << error.what();
        }
    }
    EXPECT_EQ(database.cells(wholeTable), before);
}

TEST_F(RecordsetWrite, RowIdentitySurvivesAColumnNamedRowid)
{
    database.execute(QStringLiteral(
        "CREATE TABLE odd (rowid TEXT, v TEXT);"
        "INSERT INTO odd (_rowid_, rowid, v) VALUES (1, '2', 'first'), (2, '1', 'second');"));
    Recordset recordset;
    recordset.Open(QStringLiteral("select * from odd where v = 'first'"), connection);
    recordset.setField(QStringLiteral("v"), "changed");
    recordset.Update();
    EXPECT_EQ(
        database.cells(QStringLiteral("select _rowid_, rowid, v from odd order by _rowid_")),
        (QStringList{"integer:1", "text:2", "text:changed", "integer:2", "text:1", "text:second"}));
}
