// The scripted practice's clock: the time a question records is the time the script reported,
// even when the wall clock's tick of the screen's timer arrives between two presses (a press that
// took over a second on a loaded machine).
#include "crashfolder.h"
#include "practicesteps.h"

#include "public.h"
#include "questionscreen.h"

#include "forms.h"
#include "timer.h"
#include "programfolder.h"
#include "scriptedmessageboxes.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(ScriptedClockTest, AWallClockTickBetweenPressesAddsNoSecond)
{
    CrashFolder folder(true);
    platform::setProgramFolder(folder.path());
    ScriptedMessageBoxes boxes;
    practicesteps::ScriptedTicksOnly scriptedTicks;
    QCoreApplication::instance()->installEventFilter(&scriptedTicks);
    Public::ResetState();
    practicesteps::startPracticeFromStartScreen(3);
    practicesteps::enterQuestions();
    practicesteps::processPendingEvents();

    std::mt19937 random(5);
    for (int question = 1; question <= 3; ++question) {
        QuestionScreen *screen = practicesteps::loadedQuestionScreen();
        ASSERT_NE(screen, nullptr);
        auto *timer = screen->findChild<platform::Timer *>();
        QTimer *wallClock = timer ? timer->findChild<QTimer *>() : nullptr;
        ASSERT_NE(wallClock, nullptr) << "the screen's timer runs on no QTimer of its own";
        ASSERT_TRUE(wallClock->isActive());
        // A second of real time passed: the timer's event is due.
        QCoreApplication::postEvent(wallClock, new QTimerEvent(wallClock->timerId()));
        practicesteps::processPendingEvents();

        const practicesteps::Choice choice = practicesteps::thinkAndChoose(*screen, random, 100);
        screen->Image1_Click();
        practicesteps::processPendingEvents();
        const QString stored = folder.text(
            QStringLiteral("SELECT 用时 FROM QOR3 WHERE 题号 = %1").arg(question));
        EXPECT_EQ(stored.toStdString(), choice.timeText.toStdString()) << "question " << question;
    }
    platform::Forms::closeAll();
    Public::ResetState();
}

} // namespace
