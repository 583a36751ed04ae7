// What the user meets with the mouse on a question screen: the button looks on real mouse
// events, the option texts that tick their buttons, Help, the focus, and the clock label's
// geometry text on the RC screen.
#include "practicefixture.h"

#include "form5.h"
#include "public.h"

#include "forms.h"
#include "image.h"
#include "label.h"
#include "optionbutton.h"
#include "userevents.h"

#include <QApplication>
#include <QMouseEvent>

namespace {
platform::Image *image(QuestionScreen &screen, const char *name)
{
    return screen.control<platform::Image>(QString::fromLatin1(name));
}

// A mouse move without buttons, delivered to the widget as the window system delivers it.
void moveOver(QWidget *widget, QPoint pos = {})
{
    if (pos.isNull())
        pos = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
} // namespace

class LooksTest : public PracticeTest, public ::testing::WithParamInterface<QString>
{
protected:
    QuestionScreen &open()
    {
        startAt(4);
        setType(4, GetParam());
        setKey(4, QStringLiteral("M"));
        writePassage(QStringLiteral("M"), 2);
        return openScreen(GetParam());
    }
};

TEST_P(LooksTest, EndExamPressAndReleaseSwapThePicturesOfEndExamAndNext)
{
    QuestionScreen &screen = open();
    platform::Image *next = image(screen, "Image1");
    platform::Image *endExam = image(screen, "Image3");
    platform::Image *help = image(screen, "Image4");
    EXPECT_EQ(next->picture(), Public::PicNext0);
    EXPECT_EQ(endExam->picture(), Public::PicEndExam0);
    EXPECT_EQ(help->picture(), Public::PicHelp0);

    moveOver(next);
    EXPECT_EQ(next->picture(), Public::PicNext2);
    moveOver(endExam);
    EXPECT_EQ(endExam->picture(), Public::PicEndExam1);

    userevents::press(endExam);
    EXPECT_EQ(endExam->picture(), Public::PicEndExam2);
    EXPECT_EQ(next->picture(), Public::PicNext1);

    boxes.queue(platform::MessageAnswer::Cancel); // the click that follows asks to end
    userevents::release(endExam);
    EXPECT_EQ(endExam->picture(), Public::PicEndExam1);
    EXPECT_EQ(next->picture(), Public::PicNext0);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("确定退出吗？")});

    moveOver(help);
    EXPECT_EQ(help->picture(), Public::PicHelp1);

    // Over the window's own surface (the header strip between title and counter) every button
    // goes back to its normal look.
    moveOver(&screen, QPoint(600, 60));
    EXPECT_EQ(next->picture(), Public::PicNext0);
    EXPECT_EQ(endExam->picture(), Public::PicEndExam0);
    EXPECT_EQ(help->picture(), Public::PicHelp0);
    EXPECT_TRUE(screen.isLoaded());
}

TEST_P(LooksTest, HelpShowsItsMessageAndChangesNothing)
{
    QuestionScreen &screen = open();
    choose(screen, 3);
    const QString clock = screen.control<platform::Label>(QStringLiteral("Label6"))->caption();
    platform::Image *help = image(screen, "Image4");
    platform::Image *next = image(screen, "Image1");

    userevents::press(help);
    // Only the RC screen has a pressed look for Help.
    const bool rc = GetParam() == QLatin1String("RC");
    EXPECT_EQ(help->picture(), rc ? Public::PicHelp2 : Public::PicHelp0);
    EXPECT_EQ(next->picture(), rc ? Public::PicNext1 : Public::PicNext0);
    userevents::release(help);
    EXPECT_EQ(help->picture(), rc ? Public::PicHelp1 : Public::PicHelp0);
    EXPECT_EQ(next->picture(), Public::PicNext0);

    ASSERT_EQ(boxes.calls.size(), 1);
    EXPECT_EQ(boxes.calls[0].text, QStringLiteral("这个不用了吧？"));
    EXPECT_EQ(boxes.calls[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(boxes.calls[0].title, platform::applicationTitle());
    EXPECT_EQ(tickedElement(screen), 3);
    EXPECT_EQ(screen.control<platform::Label>(QStringLiteral("Label6"))->caption(), clock);
}

TEST_P(LooksTest, ClickOnAnOptionTextTicksItsButtonOnly)
{
    QuestionScreen &screen = open();
    choose(screen, 1);
    for (int element : {3, 3, 5, 2, 4, 1}) {
        userevents::click(screen.optionTexts()[element - 1], QPoint(5, 5));
        EXPECT_EQ(tickedElement(screen), element);
    }
    EXPECT_EQ(Public::QuestionNo, 4);
    EXPECT_TRUE(boxes.calls.isEmpty());
}

TEST_P(LooksTest, OpensWithNoOptionTickedAndItsHeader)
{
    QuestionScreen &screen = open();
    EXPECT_EQ(tickedElement(screen), 0);
    EXPECT_EQ(screen.caption(), QStringLiteral("Form1(1280*800)"));
    EXPECT_EQ(screen.control<platform::Label>(QStringLiteral("Label8"))->caption(),
              QStringLiteral("Practice QOR-ZQ-24 No.3"));
    EXPECT_EQ(screen.control<platform::Label>(QStringLiteral("Label7"))->caption(),
              QStringLiteral("4 of 41"));
    EXPECT_FALSE(Public::ExitRequested);
}

INSTANTIATE_TEST_SUITE_P(EveryQuestionScreen, LooksTest,
                         ::testing::Values(QStringLiteral("SC"), QStringLiteral("CR"),
                                           QStringLiteral("RC")),
                         TypeName);

TEST_F(PracticeTest, SCScreenOpensWithTheFocusOnItsHiddenPictureBox)
{
    startAt(4);
    setType(4, QStringLiteral("SC"));
    QuestionScreen &screen = openScreen(QStringLiteral("SC"));
    EXPECT_EQ(screen.focusWidget(), screen.control<QWidget>(QStringLiteral("Picture1")));
}

TEST_F(PracticeTest, ClockLabelClickOnTheRCScreenShowsTheThirdOptionsGeometry)
{
    startAt(4);
    setType(4, QStringLiteral("RC"));
    setKey(4, QStringLiteral("M"));
    writePassage(QStringLiteral("M"), 2);
    auto &screen = static_cast<Form5 &>(openScreen(QStringLiteral("RC")));
    platform::Label *label3 = screen.optionTexts()[2];
    platform::Label *clock = screen.control<platform::Label>(QStringLiteral("Label6"));

    userevents::click(clock, QPoint(3, 3));
    EXPECT_EQ(clock->caption(), QStringLiteral("Label3  Top=%1 Width=6440 Height=%2")
                                    .arg(SingleText(label3->topTwips()))
                                    .arg(SingleText(label3->heightTwips())));
    userevents::tick(screen);
    EXPECT_EQ(clock->caption(), QStringLiteral("74:59"));
}

TEST(SingleText, WritesTwipsAsASinglePrecisionNumber)
{
    EXPECT_EQ(SingleText(615), QStringLiteral("615"));
    EXPECT_EQ(SingleText(1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(SingleText(0), QStringLiteral("0"));
    EXPECT_EQ(SingleText(6440.25), QStringLiteral("6440.25"));
    EXPECT_EQ(SingleText(1.0 / 3.0), QStringLiteral("0.3333333"));
}
