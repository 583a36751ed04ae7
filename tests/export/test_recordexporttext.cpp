// The lines and the file name of the attempt record, and the clock they are read from.
#include "fixedclock.h"
#include "recordexport.h"

#include <gtest/gtest.h>

using namespace RecordExportText;

TEST(RecordExportText, HeadingLineIsTheFixedFortyEightCharacters)
{
    const QString heading = HeadingLine();
    EXPECT_EQ(heading.size(), 48);
    EXPECT_EQ(heading,
              QStringLiteral(" 题号       做题记录     正误             参考答案       用时 "));
}

TEST(RecordExportText, TitleLineJoinsTheSetNumberWithoutBlankOrZero)
{
    EXPECT_EQ(TitleLine(3), QStringLiteral("QOR-ZQ-24 No.3"));
    EXPECT_EQ(TitleLine(12), QStringLiteral("QOR-ZQ-24 No.12"));
}

struct NameCase
{
    const char *name;
    QString shortDateFormat;
    QTime time;
    QString fileName;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const NameCase &row, std::ostream *out)
{
    *out << row.name;
}

class RecordExportFileName : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(RecordExportFileName, UsesTheShortDateWithFileNameSafeSeparatorsAndAFullWidthColon)
{
    const FixedClock clock(QDateTime(QDate(2026, 12, 7), GetParam().time),
                           GetParam().shortDateFormat);
    EXPECT_EQ(FilePath(QStringLiteral("/opt/My Practice"), QDate(2026, 12, 7), GetParam().time),
              QStringLiteral("/opt/My Practice/做题记录/做题记录") + GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(Names, RecordExportFileName,
                         ::testing::Values(NameCase{"Slashes", "yyyy/M/d", QTime(9, 5),
                                                    QStringLiteral("2026-12-7 09：05.txt")},
                                           NameCase{"Backslashes", "d\\M\\yy", QTime(23, 59),
                                                    QStringLiteral("7-12-26 23：59.txt")},
                                           NameCase{"Colons", "dd:MM:yyyy", QTime(0, 0),
                                                    QStringLiteral("07-12-2026 00：00.txt")},
                                           NameCase{"AlreadySafe", "yyyy-MM-dd", QTime(12, 30, 59),
                                                    QStringLiteral("2026-12-07 12：30.txt")},
                                           NameCase{"WordsAndDots", "d. MMM yyyy", QTime(7, 0),
                                                    QStringLiteral("7. Dec 2026 07：00.txt")}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST(Clock, TestsCanFixTheClockAndTheShortDateFormAndRestoreTheSystemOnes)
{
    const QDateTime moment(QDate(1989, 12, 7), QTime(8, 15, 30));
    {
        const FixedClock clock(moment, QStringLiteral("yyyy/M/d"));
        EXPECT_EQ(platform::currentDateTime(), moment);
        EXPECT_EQ(platform::shortDateText(moment.date()), QStringLiteral("1989/12/7"));
    }
    EXPECT_EQ(platform::shortDateText(moment.date()),
              QLocale::system().toString(moment.date(), QLocale::ShortFormat));
    EXPECT_GT(platform::currentDateTime().date(), QDate(1990, 1, 1)); // the system clock again
}
