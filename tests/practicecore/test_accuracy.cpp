// The accuracy captions: exact decimal rounding with ties to the even digit, and the counts per
// type taken row by row.
#include "accuracy.h"
#include "marks.h"

#include "variant.h"

#include <gtest/gtest.h>

namespace {

struct PercentCase
{
    int right;
    int count;
    const char *text;
};

class PercentText : public ::testing::TestWithParam<PercentCase>
{
};

TEST_P(PercentText, RoundsTheExactQuotientToTwoDecimalsTiesToEven)
{
    EXPECT_EQ(Accuracy::PercentText(GetParam().right, GetParam().count),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, PercentText,
                         ::testing::Values(PercentCase{2, 3, "66.67"}, PercentCase{1, 3, "33.33"},
                                           PercentCase{1, 32, "3.12"}, PercentCase{3, 32, "9.38"},
                                           PercentCase{5, 32, "15.62"}, PercentCase{7, 32, "21.88"},
                                           PercentCase{1, 8, "12.50"}, PercentCase{1, 41, "2.44"},
                                           PercentCase{41, 41, "100.00"}, PercentCase{0, 7, "0.00"},
                                           PercentCase{0, 0, "0.00"}));

using platform::db::Variant;

TEST(AccuracyCounts, CountEachRowForTheTypeItNamesExactlyAndOnlyRightMarksAsRight)
{
    Accuracy::Counts counts;
    counts.add(QStringLiteral("SC"), Marks::Right);
    counts.add(QStringLiteral("SC"), Marks::Wrong);
    counts.add(QStringLiteral("SC"), Marks::Right);
    counts.add(QStringLiteral("CR"), QStringLiteral("  ")); // never answered
    counts.add(QStringLiteral("CR"), Variant::null());
    counts.add(QStringLiteral("sc"), Marks::Right);  // another case names no type
    counts.add(QStringLiteral("SC "), Marks::Right); // nor does a trailing blank
    counts.add(Variant::null(), Marks::Right);

    EXPECT_EQ(counts.questions(QuestionType::SC), 3);
    EXPECT_EQ(counts.right(QuestionType::SC), 2);
    EXPECT_EQ(counts.caption(QuestionType::SC), QStringLiteral("SC 正确率: 66.67%  ( 2/3 )"));
    EXPECT_EQ(counts.caption(QuestionType::CR), QStringLiteral("CR 正确率: 0.00%  ( 0/2 )"));
    // A type without questions in the set.
    EXPECT_EQ(counts.caption(QuestionType::RC), QStringLiteral("RC 正确率: 0.00%  ( 0/0 )"));
}

TEST(AccuracyCounts, AllRightShowsAHundredAndATieGoesToTheEvenDigit)
{
    Accuracy::Counts counts;
    for (int k = 0; k < 32; ++k)
        counts.add(QStringLiteral("RC"), k == 0 ? Marks::Right : Marks::Wrong);
    counts.add(QStringLiteral("CR"), Marks::Right);
    EXPECT_EQ(counts.caption(QuestionType::RC), QStringLiteral("RC 正确率: 3.12%  ( 1/32 )"));
    EXPECT_EQ(counts.caption(QuestionType::CR), QStringLiteral("CR 正确率: 100.00%  ( 1/1 )"));
}

} // namespace
