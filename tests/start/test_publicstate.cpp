// The shared helpers every screen relies on: the clock text, the query texts and the paths.
#include "startfixture.h"

#include "runtimeerror.h"

TEST(ClockText, WholeMinutesAndTwoDigitSeconds)
{
    const struct
    {
        int seconds;
        const char *text;
    } rows[] = {{4500, "75:00"}, {4445, "74:05"}, {600, "10:00"}, {599, "9:59"},
                {60, "1:00"},    {59, "0:59"},    {9, "0:09"},    {0, "0:00"}};
    for (const auto &row : rows)
        EXPECT_EQ(Public::ClockText(row.seconds), QString::fromLatin1(row.text)) << row.seconds;
}

TEST(QueryTexts, JoinNumbersWithoutLeadingZeros)
{
    EXPECT_EQ(Public::WholeRowQuery(3, 7),
              QStringLiteral("select * from QOR3 where 编号= 'QOR3-Q7'"));
    EXPECT_EQ(Public::TypeQuery(24, 41),
              QStringLiteral("select 题型 from QOR24 where 编号= 'QOR24-Q41'"));
    EXPECT_EQ(Public::PassageKeyQuery(3, 7),
              QStringLiteral("select 属性 from QOR3 where 编号= 'QOR3-Q7'"));
    EXPECT_EQ(Public::OrderedWholeTableQuery(12),
              QStringLiteral("SELECT * FROM QOR12 ORDER BY 题号"));
}

TEST(Paths, AreBuiltUnderTheProgramFolder)
{
    platform::setProgramFolder(QStringLiteral("/opt/My Practice"));
    EXPECT_EQ(Public::ConnectionString(),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/My Practice/QOR "
                             "DATA/QOR.mdb;Persist Security Info=False"));
    EXPECT_EQ(Public::QuestionFilePath(3, 7),
              QStringLiteral("/opt/My Practice/Load/QOR-ZQ-3/题目/QOR-ZQ-3-Q7.rtf"));
    EXPECT_EQ(Public::PassageFilePath(3, QString()),
              QStringLiteral("/opt/My Practice/Load/QOR-ZQ-3/题目/QOR-ZQ-3-.rtf"));
    EXPECT_EQ(Public::ImagePath(QStringLiteral("end exam0.jpg")),
              QStringLiteral("/opt/My Practice/images/end exam0.jpg"));
}

using OpenDb = StartFixture;

TEST_F(OpenDb, LeavesTheConnectionStringAndAFreshRecordsetAndDropsTheOldOnes)
{
    Public::OpenDb();
    auto first = Public::Conn;
    Public::OpenDb(); // the first connection is still open: no error
    EXPECT_NE(Public::Conn, first);
    EXPECT_TRUE(Public::Conn->isOpen());
    EXPECT_EQ(Public::SqlText, Public::ConnectionString());
    EXPECT_FALSE(Public::Rs->isOpen());
}
