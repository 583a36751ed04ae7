// An answer's mark and time text, and the attempt columns as Next and the reset write them into a
// question's row.
#include "qordatabase.h"

#include "attemptcolumns.h"
#include "marks.h"
#include "passagekey.h"
#include "questiontype.h"

#include "connection.h"
#include "recordset.h"

#include <gtest/gtest.h>

namespace {

using platform::db::Variant;

TEST(TimeSpentText, WritesMinutesAndSecondsWithAtLeastTwoDigitsEach)
{
    const std::pair<int, const char *> cases[] = {
        {0, "00:00"},    {9, "00:09"},    {59, "00:59"},   {60, "01:00"},   {605, "10:05"},
        {3599, "59:59"}, {3600, "60:00"}, {4500, "75:00"}, {6000, "100:00"}};
    for (const auto &[seconds, text] : cases)
        EXPECT_EQ(TimeSpentText(seconds), QString::fromUtf8(text)) << seconds << " seconds";
}

TEST(Marks, OnlyTheExactKeyIsRight)
{
    const QString a = QStringLiteral("A");
    EXPECT_EQ(Marks::MarkFor(a, QStringLiteral("A")), Marks::Right);
    EXPECT_EQ(Marks::MarkFor(a, QStringLiteral("B")), Marks::Wrong);
    EXPECT_EQ(Marks::MarkFor(a, QStringLiteral("a")), Marks::Wrong);  // case counts
    EXPECT_EQ(Marks::MarkFor(a, QStringLiteral(" A")), Marks::Wrong); // so do blanks
    EXPECT_EQ(Marks::MarkFor(a, QStringLiteral("A ")), Marks::Wrong);
    EXPECT_EQ(Marks::MarkFor(a, Variant::null()), Marks::Wrong); // a Null key matches nothing
    EXPECT_EQ(Marks::MarkFor(QString(), QString()), Marks::Right);

    EXPECT_TRUE(Marks::IsRight(Marks::Right));
    EXPECT_FALSE(Marks::IsRight(Marks::Wrong));
    EXPECT_FALSE(Marks::IsRight(AttemptColumns::ResetMark));
    EXPECT_FALSE(Marks::IsRight(Variant::null()));
}

TEST(QuestionTypes, ACellNamesATypeOnlyByItsExactCode)
{
    EXPECT_EQ(QuestionTypes::Named(QStringLiteral("SC")), QuestionType::SC);
    EXPECT_EQ(QuestionTypes::Named(QStringLiteral("CR")), QuestionType::CR);
    EXPECT_EQ(QuestionTypes::Named(QStringLiteral("RC")), QuestionType::RC);
    for (const Variant &other : {Variant(QStringLiteral("rc")), Variant(QStringLiteral(" RC")),
                                 Variant(QString()), Variant::null()})
        EXPECT_EQ(QuestionTypes::Named(other), std::nullopt);
}

TEST(PassageKey, OnlyAKeyThatIsNeitherNullNorEmptyNamesAPassage)
{
    EXPECT_TRUE(PassageKey::NamesPassage(QStringLiteral("P1")));
    EXPECT_TRUE(PassageKey::NamesPassage(QStringLiteral(" "))); // joined unchanged
    EXPECT_FALSE(PassageKey::NamesPassage(QString()));
    EXPECT_FALSE(PassageKey::NamesPassage(Variant::null()));
    EXPECT_EQ(PassageKey::Text(Variant::null()), QString());
}

class AttemptColumnsTest : public ::testing::Test
{
protected:
    // Assigns through `assign` on the row of QOR3-Q2 (key "E"), saves it and returns the row's
    // letter, mark and time as stored.
    template<class Assign> QStringList write(Assign assign)
    {
        platform::db::Connection connection;
        connection.Open(db.connectionString());
        platform::db::Recordset row;
        row.Open(QStringLiteral("select * from QOR3 where 编号= 'QOR3-Q2'"), connection);
        assign(row);
        row.Update();
        return db.cells(
            QStringLiteral("select 做题记录, 正误, 用时 from QOR3 where 编号= 'QOR3-Q2'"));
    }

    QorDatabase db;
};

TEST_F(AttemptColumnsTest, AnAnswerStoresItsLetterItsMarkAgainstTheKeyAndItsTime)
{
    EXPECT_EQ(write([](auto &row) { AttemptColumns::AssignAnswer(row, QStringLiteral("E"), 605); }),
              (QStringList{"text:E", "text:√", "text:10:05"}));
    EXPECT_EQ(write([](auto &row) { AttemptColumns::AssignAnswer(row, QStringLiteral("A"), 0); }),
              (QStringList{"text:A", "text:×", "text:00:00"}));
    db.execute(QStringLiteral("UPDATE QOR3 SET 答案 = NULL WHERE 编号 = 'QOR3-Q2'"));
    EXPECT_EQ(write([](auto &row) { AttemptColumns::AssignAnswer(row, QStringLiteral("E"), 60); }),
              (QStringList{"text:E", "text:×", "text:01:00"}));
}

TEST_F(AttemptColumnsTest, TheResetLeavesNoLetterTwoBlanksAsTheMarkAndNoTime)
{
    EXPECT_EQ(write([](auto &row) { AttemptColumns::AssignReset(row); }),
              (QStringList{"text:", "text:  ", "text:"}));
}

} // namespace
