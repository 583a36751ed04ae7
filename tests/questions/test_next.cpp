// Next on the question screens: the timing of a question, the refusal of an empty choice, the
// attempt columns written for the answer, and the end of the practice after the last question.
#include "practicefixture.h"

#include "public.h"

#include "marks.h"

#include "forms.h"

#include "label.h"
#include "messagebox.h"

namespace {
const QString Letter = QStringLiteral("做题记录");
const QString Mark = QStringLiteral("正误");
const QString Time = QStringLiteral("用时");
const QString Right = QStringLiteral("\u221A");
const QString Wrong = QStringLiteral("\u00D7");
} // namespace

class NextTest : public PracticeTest, public ::testing::WithParamInterface<QString>
{
protected:
    // Question 5 on the screen of the parameter's type; question 6 of the same type, so Next
    // stays on the screen.
    QuestionScreen &openQuestion5()
    {
        startAt(5);
        setType(5, GetParam());
        setType(6, GetParam());
        setKey(5, QStringLiteral("N"));
        setKey(6, QVariant());
        writePassage(QStringLiteral("N"), 3);
        return openScreen(GetParam());
    }
};

TEST_P(NextTest, RefusedPressLeavesTheTimingAloneAndWritesNothing)
{
    QuestionScreen &screen = openQuestion5();
    Public::SecondsLeft = 4400;
    clickNext(screen);

    ASSERT_EQ(boxes.calls.size(), 1);
    EXPECT_EQ(boxes.calls[0].text, QStringLiteral("选项不能留空"));
    EXPECT_EQ(boxes.calls[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(boxes.calls[0].title, platform::applicationTitle());
    EXPECT_EQ(Public::QuestionNo, 5);
    EXPECT_EQ(cell(5, Letter).toString(), QString());
    EXPECT_EQ(cell(5, Time).toString(), QString());
    const int form = GetParam() == QLatin1String("SC")   ? 3
                     : GetParam() == QLatin1String("CR") ? 4
                                                         : 5;
    EXPECT_EQ(frontScreen(), QStringLiteral("Form%1").arg(form));

    // The seconds are taken before the check, but the timing still counts from the showing.
    EXPECT_EQ(Public::QuestionSeconds, 100);
    EXPECT_EQ(Public::QuestionStartLeft, 4500);

    // All 170 seconds since the question was shown count, not only those since the refusal.
    Public::SecondsLeft = 4330;
    choose(screen, 2);
    clickNext(screen);
    EXPECT_EQ(cell(5, Letter).toString(), QStringLiteral("B"));
    EXPECT_EQ(cell(5, Time).toString(), QStringLiteral("02:50"));
    EXPECT_EQ(Public::QuestionNo, 6);
    EXPECT_EQ(Public::QuestionStartLeft, 4330);
    EXPECT_EQ(Public::ChosenLetter, QStringLiteral("B"));
}

TEST_P(NextTest, AnswerOfTheLastQuestionEndsThePractice)
{
    startAt(41, 1000);
    setType(41, GetParam());
    setKey(41, QStringLiteral("N"));
    writePassage(QStringLiteral("N"), 2);
    QuestionScreen &screen = openScreen(GetParam());
    choose(screen, 5);
    clickNext(screen);

    EXPECT_TRUE(boxes.calls.isEmpty()) << boxes.texts().join(u'|').toStdString();
    EXPECT_EQ(frontScreen(), QStringLiteral("Form6"));
    EXPECT_EQ(loadedQuestionScreen(), nullptr);
    EXPECT_EQ(Public::QuestionNo, 41);
    EXPECT_FALSE(platform::programEnded());
    EXPECT_EQ(cell(41, Letter).toString(), QStringLiteral("E"));
}

INSTANTIATE_TEST_SUITE_P(EveryQuestionScreen, NextTest,
                         ::testing::Values(QStringLiteral("SC"), QStringLiteral("CR"),
                                           QStringLiteral("RC")),
                         TypeName);

// --- the time spent ------------------------------------------------------------------------

struct TimeRow
{
    int seconds;
    const char *stored;
};

void PrintTo(const TimeRow &row, std::ostream *os)
{
    *os << "seconds " << row.seconds;
}

class TimeSpentTest : public PracticeTest, public ::testing::WithParamInterface<TimeRow>
{
};

TEST_P(TimeSpentTest, IsStoredAsTwoDigitMinutesAndSeconds)
{
    startAt(5);
    setType(6, QStringLiteral("SC"));
    QuestionScreen &screen = openScreen(QStringLiteral("SC"));
    Public::SecondsLeft = 4500 - GetParam().seconds;
    choose(screen, 1);
    clickNext(screen);
    EXPECT_EQ(cell(5, Time).toString(), QString::fromLatin1(GetParam().stored));
}

INSTANTIATE_TEST_SUITE_P(Rows, TimeSpentTest,
                         ::testing::Values(TimeRow{0, "00:00"}, TimeRow{59, "00:59"},
                                           TimeRow{60, "01:00"}, TimeRow{605, "10:05"},
                                           TimeRow{4500, "75:00"}));

TEST(TimeSpentText, KeepsEveryDigitOfLongTimes)
{
    EXPECT_EQ(TimeSpentText(6000), QStringLiteral("100:00"));
    EXPECT_EQ(TimeSpentText(9), QStringLiteral("00:09"));
}

// --- the mark ------------------------------------------------------------------------------

struct MarkRow
{
    const char *name;
    QVariant key;
    QString mark;
};

void PrintTo(const MarkRow &row, std::ostream *os)
{
    *os << row.name;
}

class MarkTest : public PracticeTest, public ::testing::WithParamInterface<MarkRow>
{
};

TEST_P(MarkTest, ComparesTheGivenLetterWithTheKeyExactly)
{
    startAt(5);
    setType(6, QStringLiteral("SC"));
    setCell(5, QStringLiteral("答案"), GetParam().key);
    QuestionScreen &screen = openScreen(QStringLiteral("SC"));
    choose(screen, 1); // A
    clickNext(screen);
    EXPECT_EQ(cell(5, Letter).toString(), QStringLiteral("A"));
    EXPECT_EQ(cell(5, Mark).toString(), GetParam().mark);
}

INSTANTIATE_TEST_SUITE_P(Keys, MarkTest,
                         ::testing::Values(MarkRow{"Same", QStringLiteral("A"), Right},
                                           MarkRow{"Other", QStringLiteral("B"), Wrong},
                                           MarkRow{"LowerCase", QStringLiteral("a"), Wrong},
                                           MarkRow{"BlankBefore", QStringLiteral(" A"), Wrong},
                                           MarkRow{"BlankAfter", QStringLiteral("A "), Wrong},
                                           MarkRow{"Null", QVariant(), Wrong}),
                         RowName<MarkRow>);

// --- the counter ---------------------------------------------------------------------------

TEST_F(PracticeTest, AnsweringQuestion40ShowsTheLastQuestion)
{
    startAt(40);
    setType(40, QStringLiteral("SC"));
    setType(41, QStringLiteral("CR"));
    QuestionScreen &screen = openScreen(QStringLiteral("SC"));
    choose(screen, 3);
    clickNext(screen);
    ASSERT_EQ(frontScreen(), QStringLiteral("Form4"));
    EXPECT_EQ(loadedQuestionScreen()->control<platform::Label>(QStringLiteral("Label7"))->caption(),
              QStringLiteral("41 of 41"));
    EXPECT_EQ(Public::QuestionNo, 41);
}
