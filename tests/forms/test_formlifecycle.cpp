// The life of a screen: one instance, Load once per opening, unload() destroying it, the close
// command, the end of the program, timers running only while loaded.
#include "testform.h"

#include "forms.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

using platform::Forms;

namespace {

class FormLifecycle : public ::testing::Test
{
protected:
    void SetUp() override { platform::resetProgramEnd(); }
    void TearDown() override
    {
        Forms::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::resetProgramEnd();
    }
};

TEST_F(FormLifecycle, ShowLoadsOnceAndKeepsOneInstance)
{
    TestForm &form = Forms::get<TestForm>();
    form.Show();
    form.Show();
    Forms::get<TestForm>().Load();
    EXPECT_EQ(&form, &Forms::get<TestForm>());
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.size(), QSize(400, 300)); // 6000 x 4500 twips
}

TEST_F(FormLifecycle, UnloadRunsItsHandlerAndTheNextUseLoadsAfresh)
{
    TestForm *first = &Forms::get<TestForm>();
    first->Show();
    first->unload();
    EXPECT_EQ(first->unloads, 1);
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(Forms::find<TestForm>(), nullptr);

    QPointer<TestForm> gone(first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());

    TestForm &second = Forms::get<TestForm>();
    second.Show();
    EXPECT_EQ(second.loads, 1);
}

TEST_F(FormLifecycle, UnloadOfAFormNeverLoadedRunsNothing)
{
    TestForm &form = Forms::get<TestForm>();
    form.unload();
    EXPECT_EQ(form.unloads, 0);
}

TEST_F(FormLifecycle, TheWindowCloseCommandUnloads)
{
    TestForm &form = Forms::get<TestForm>();
    form.Show();
    form.close();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_EQ(Forms::find<TestForm>(), nullptr);
}

TEST_F(FormLifecycle, EndClosesEveryScreenWithoutHandlers)
{
    TestForm &a = Forms::get<TestForm>();
    OtherForm &b = Forms::get<OtherForm>();
    a.Show();
    b.Show();
    platform::endProgram(0);
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(platform::programExitStatus(), 0);
    EXPECT_EQ(a.unloads, 0);
    EXPECT_EQ(b.unloads, 0);
    EXPECT_FALSE(a.isVisible());
    EXPECT_FALSE(b.isVisible());
    EXPECT_TRUE(Forms::all().isEmpty());
}

TEST_F(FormLifecycle, EndInsideAnUnloadHandlerStopsTheUnload)
{
    TestForm &a = Forms::get<TestForm>();
    OtherForm &b = Forms::get<OtherForm>();
    a.Show();
    b.Show();
    a.onUnload = [] { platform::endProgram(0); };
    a.unload();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(b.unloads, 0);
    EXPECT_TRUE(Forms::all().isEmpty());
}

TEST_F(FormLifecycle, TimersRunOnlyWhileTheFormIsLoaded)
{
    TestForm &form = Forms::get<TestForm>();
    auto *timer = form.control<platform::Timer>(QStringLiteral("Timer1"));
    EXPECT_FALSE(timer->isRunning());
    form.Load();
    EXPECT_TRUE(timer->isRunning());
    EXPECT_EQ(timer->interval(), 1000);
    form.hide();
    EXPECT_TRUE(timer->isRunning()); // a hidden screen keeps ticking
    form.unload();
    EXPECT_FALSE(timer->isRunning());
}

TEST_F(FormLifecycle, MouseMovesOverTheSurfaceReachTheFormButNotOverControls)
{
    TestForm &form = Forms::get<TestForm>();
    form.Show();
    QTest::mouseMove(&form, QPoint(390, 5));
    const int overSurface = form.mouseMoves;
    EXPECT_GE(overSurface, 1);
    auto *label = form.control<platform::Label>(QStringLiteral("Label3"));
    QTest::mouseMove(label, QPoint(2, 2));
    EXPECT_EQ(form.mouseMoves, overSurface);
}

TEST_F(FormLifecycle, KeysReachTheFormAsCharacterCodesAndFocusGoesToTheFirstTabStop)
{
    TestForm &form = Forms::get<TestForm>();
    form.Show();
    EXPECT_EQ(form.focusWidget(), form.control<QWidget>(QStringLiteral("Picture1")));
    QTest::keyClick(&form, Qt::Key_N);
    QTest::keyClick(&form, 'N', Qt::ShiftModifier);
    EXPECT_EQ(form.keys, (QList<int>{110, 78}));
}

TEST_F(FormLifecycle, PrintWritesOneLinePerCall)
{
    TestForm &form = Forms::get<TestForm>();
    form.print(QStringLiteral("97"));
    form.print(QStringLiteral("13"));
    EXPECT_EQ(form.printedLines(), (QStringList{QStringLiteral("97"), QStringLiteral("13")}));
}

} // namespace
