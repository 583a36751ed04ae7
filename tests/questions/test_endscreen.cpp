// The end screen: its title, the look of its link, and the way on to the results screen.
#include "practicefixture.h"

#include "form6.h"
#include "public.h"
#include "form7.h"

#include "colors.h"
#include "forms.h"
#include "label.h"
#include "userevents.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {
Form6 &openEndScreen()
{
    auto &screen = platform::Forms::get<Form6>();
    screen.Load();
    screen.Show();
    return screen;
}

void moveOver(QWidget *widget, QPoint pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

const QColor Normal = platform::colorFromBgr(0x400000);
const QColor Pressed = platform::colorFromBgr(0x7259);
} // namespace

class EndScreenTest : public PracticeTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(EndScreenTest, TitleNamesTheSet)
{
    startAt(41, 10, GetParam());
    Form6 &screen = openEndScreen();
    EXPECT_EQ(screen.caption(), QStringLiteral("Form6"));
    EXPECT_EQ(screen.Label3->caption(),
              QStringLiteral("Practice QOR-ZQ-24 No.") + QString::number(GetParam()));
    EXPECT_EQ(screen.control<platform::Label>(QStringLiteral("Label1"))->caption(),
              QStringLiteral("考试结束"));
}

INSTANTIATE_TEST_SUITE_P(Sets, EndScreenTest, ::testing::Values(3, 12));

TEST_F(PracticeTest, EndScreenLinkKeepsItsPressedLookUntilThePointerCrossesTheScreen)
{
    startAt(41, 10);
    Form6 &screen = openEndScreen();
    EXPECT_EQ(screen.Label2->foreColor(), Normal);

    // Pressed on the link, released elsewhere: no click, the pressed look stays.
    userevents::press(screen.Label2);
    EXPECT_EQ(screen.Label2->foreColor(), Pressed);
    QTest::mouseRelease(screen.Label2, Qt::LeftButton, {}, QPoint(-40, -40));
    EXPECT_EQ(screen.Label2->foreColor(), Pressed);
    moveOver(screen.Label2, QPoint(5, 5));
    EXPECT_EQ(screen.Label2->foreColor(), Pressed);

    // Clicks on the title and the notice do nothing.
    userevents::click(screen.Label3);
    userevents::click(screen.control<platform::Label>(QStringLiteral("Label1")));
    EXPECT_EQ(screen.Label2->foreColor(), Pressed);
    EXPECT_TRUE(screen.isVisible());

    moveOver(&screen, QPoint(60, 300));
    EXPECT_EQ(screen.Label2->foreColor(), Normal);
    EXPECT_TRUE(boxes.calls.isEmpty());
}

TEST_F(PracticeTest, EndScreenLinkOpensTheResultsAndCloses)
{
    startAt(41, 10);
    Form6 &screen = openEndScreen();
    userevents::click(screen.Label2);
    Form7 *results = platform::Forms::find<Form7>();
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->isLoaded());
    EXPECT_TRUE(results->isVisible());
    EXPECT_EQ(platform::Forms::find<Form6>(), nullptr);
    EXPECT_FALSE(platform::programEnded());
}
