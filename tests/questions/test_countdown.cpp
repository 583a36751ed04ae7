// The practice clock: one countdown through every question screen, the clock text, and the
// time-out that hides the screen in front and shows the end screen once.
#include "practicefixture.h"

#include "form6.h"
#include "public.h"

#include "forms.h"
#include "label.h"
#include "timer.h"
#include "userevents.h"

namespace {
QString clockOf(QuestionScreen &screen)
{
    return screen.control<platform::Label>(QStringLiteral("Label6"))->caption();
}
} // namespace

struct ClockRow
{
    const char *type;
    int secondsLeft;
    const char *atSetUp;
    const char *afterTick;
};

void PrintTo(const ClockRow &row, std::ostream *os)
{
    *os << row.type << " at " << row.secondsLeft;
}

class ClockTest : public PracticeTest, public ::testing::WithParamInterface<ClockRow>
{
};

TEST_P(ClockTest, SetUpShowsTheTimeLeftAndEachTickOneSecondLess)
{
    const ClockRow &row = GetParam();
    startAt(5, row.secondsLeft);
    setType(5, QString::fromLatin1(row.type));
    setKey(5, QStringLiteral("C"));
    writePassage(QStringLiteral("C"), 1);
    QuestionScreen &screen = openScreen(QString::fromLatin1(row.type));
    EXPECT_TRUE(screen.control<platform::Timer>(QStringLiteral("Timer1"))->isRunning());
    EXPECT_EQ(Public::QuestionStartLeft, row.secondsLeft);
    EXPECT_EQ(clockOf(screen), QString::fromLatin1(row.atSetUp));
    userevents::tick(screen);
    EXPECT_EQ(clockOf(screen), QString::fromLatin1(row.afterTick));
    EXPECT_EQ(Public::SecondsLeft, row.secondsLeft - 1);
    EXPECT_EQ(frontScreen(), screen.metaObject()->className());
}

INSTANTIATE_TEST_SUITE_P(Rows, ClockTest,
                         ::testing::Values(ClockRow{"SC", 4500, "75:00", "74:59"},
                                           ClockRow{"SC", 4445, "74:05", "74:04"},
                                           ClockRow{"CR", 600, "10:00", "9:59"},
                                           ClockRow{"RC", 4445, "74:05", "74:04"},
                                           ClockRow{"RC", 60, "1:00", "0:59"}));

class TimeOutTest : public PracticeTest, public ::testing::WithParamInterface<QString>
{
};

TEST_P(TimeOutTest, HidesTheScreenAndShowsTheEndScreenOnceWithoutRecording)
{
    startAt(7, 1);
    setType(7, GetParam());
    setKey(7, QStringLiteral("T"));
    writePassage(QStringLiteral("T"), 1);
    QuestionScreen &screen = openScreen(GetParam());
    choose(screen, 2); // selected, but never recorded

    userevents::tick(screen);
    EXPECT_EQ(clockOf(screen), QStringLiteral("0:00"));
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(platform::Forms::find<Form6>(), nullptr);

    userevents::tick(screen);
    EXPECT_EQ(Public::SecondsLeft, -1);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(screen.isLoaded());
    EXPECT_EQ(frontScreen(), QStringLiteral("Form6"));
    EXPECT_EQ(cell(7, QStringLiteral("做题记录")).toString(), QString());
    EXPECT_EQ(cell(7, QStringLiteral("正误")).toString(), QStringLiteral("  "));
    EXPECT_EQ(cell(7, QStringLiteral("用时")).toString(), QString());
    EXPECT_FALSE(Public::ExitRequested);
    EXPECT_TRUE(boxes.calls.isEmpty());

    // The end screen goes (its link was followed); the hidden screen's later ticks bring back
    // nothing.
    platform::Forms::get<Form6>().unload();
    userevents::tick(screen, 3);
    EXPECT_EQ(Public::SecondsLeft, -4);
    EXPECT_EQ(platform::Forms::find<Form6>(), nullptr);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(Public::QuestionNo, 7);
}

INSTANTIATE_TEST_SUITE_P(EveryQuestionScreen, TimeOutTest,
                         ::testing::Values(QStringLiteral("SC"), QStringLiteral("CR"),
                                           QStringLiteral("RC")),
                         TypeName);

TEST_F(PracticeTest, ChangingScreensKeepsOneCountdown)
{
    startAt(5);
    setType(5, QStringLiteral("SC"));
    setType(6, QStringLiteral("CR"));
    setType(7, QStringLiteral("RC"));
    setKey(7, QStringLiteral("K"));
    writePassage(QStringLiteral("K"), 2);

    QuestionScreen &sc = openScreen(QStringLiteral("SC"));
    userevents::tick(sc, 3);
    choose(sc, 1);
    clickNext(sc);

    QuestionScreen *cr = loadedQuestionScreen();
    ASSERT_EQ(frontScreen(), QStringLiteral("Form4"));
    EXPECT_EQ(clockOf(*cr), QStringLiteral("74:57"));
    EXPECT_EQ(Public::QuestionStartLeft, 4497);
    userevents::tick(*cr, 62);
    choose(*cr, 1);
    clickNext(*cr);

    QuestionScreen *rc = loadedQuestionScreen();
    ASSERT_EQ(frontScreen(), QStringLiteral("Form5"));
    EXPECT_EQ(clockOf(*rc), QStringLiteral("73:55"));
    EXPECT_EQ(cell(5, QStringLiteral("用时")).toString(), QStringLiteral("00:03"));
    EXPECT_EQ(cell(6, QStringLiteral("用时")).toString(), QStringLiteral("01:02"));
}

TEST_F(PracticeTest, StayingOnTheScreenLeavesTheClockRunning)
{
    startAt(5, 3000);
    setType(6, QStringLiteral("SC"));
    QuestionScreen &sc = openScreen(QStringLiteral("SC"));
    userevents::tick(sc);
    choose(sc, 1);
    clickNext(sc);
    EXPECT_EQ(clockOf(sc), QStringLiteral("49:59"));
    EXPECT_TRUE(sc.control<platform::Timer>(QStringLiteral("Timer1"))->isRunning());
    userevents::tick(sc);
    EXPECT_EQ(clockOf(sc), QStringLiteral("49:58"));
}
