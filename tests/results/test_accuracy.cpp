// The percentage of the accuracy captions: exact decimal rounding, ties to the even digit.
#include "accuracy.h"

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

} // namespace
