// The answer block under the question: the question box as high as its lines, and the option
// texts and buttons placed below it by the option layout rule, at set-up and on Next.
#include "practicefixture.h"

#include "public.h"

#include "label.h"
#include "optionbutton.h"
#include "richtextbox.h"

namespace {
// Label k+1 stands 270 twips below label k; each button 50 twips below its label's top.
void expectRuleHolds(const QuestionScreen &screen)
{
    const auto &labels = screen.optionTexts();
    const auto &buttons = screen.optionButtons();
    EXPECT_DOUBLE_EQ(labels[0]->topTwips(), screen.questionBox()->heightTwips() + 270);
    for (int k = 0; k < 4; ++k)
        EXPECT_DOUBLE_EQ(labels[k + 1]->topTwips(),
                         labels[k]->topTwips() + labels[k]->heightTwips() + 270)
            << "label " << k + 2;
    for (int k = 0; k < 5; ++k)
        EXPECT_DOUBLE_EQ(buttons[k]->topTwips(), labels[k]->topTwips() + 50) << "button " << k + 1;
}

const QString LongOption = QStringLiteral(
    "An option text long enough to need a second line in the answer block of every question "
    "screen, since it runs on and on past the right edge of its label, which keeps its width "
    "and grows in height instead, so that the options below it move down the screen.");
} // namespace

class LayoutTest : public PracticeTest, public ::testing::WithParamInterface<QString>
{
protected:
    QuestionScreen &openWithQuestionLines(int lines)
    {
        startAt(9);
        setType(9, GetParam());
        setType(10, GetParam());
        setKey(9, QStringLiteral("L"));
        setKey(10, QVariant());
        writePassage(QStringLiteral("L"), 12);
        writeQuestion(9, lines);
        for (int k = 0; k < 5; ++k)
            setCell(9, QString(QChar(u'A' + k)), QStringLiteral("Option %1").arg(k + 1));
        return openScreen(GetParam());
    }
};

TEST_P(LayoutTest, OneLineQuestionPutsTheFirstOptionAt615)
{
    QuestionScreen &screen = openWithQuestionLines(1);
    EXPECT_DOUBLE_EQ(screen.questionBox()->heightTwips(), 345);
    EXPECT_DOUBLE_EQ(screen.optionTexts()[0]->topTwips(), 615);
    EXPECT_DOUBLE_EQ(screen.optionButtons()[0]->topTwips(), 665);
    expectRuleHolds(screen);
    EXPECT_EQ(tickedElement(screen), 0);
}

TEST_P(LayoutTest, FourLineQuestionPutsTheFirstOptionAt1650)
{
    QuestionScreen &screen = openWithQuestionLines(4);
    EXPECT_DOUBLE_EQ(screen.questionBox()->heightTwips(), 1380);
    EXPECT_DOUBLE_EQ(screen.optionTexts()[0]->topTwips(), 1650);
    expectRuleHolds(screen);
}

TEST_P(LayoutTest, WrappedOptionPushesTheOthersDownByItsExtraHeight)
{
    QuestionScreen &plain = openWithQuestionLines(1);
    const double oneLine = plain.optionTexts()[1]->heightTwips();
    const double thirdTop = plain.optionTexts()[2]->topTwips();
    const double fifthButton = plain.optionButtons()[4]->topTwips();
    plain.unload();

    setCell(9, QStringLiteral("B"), LongOption);
    QuestionScreen &wrapped = openScreen(GetParam());
    const double extra = wrapped.optionTexts()[1]->heightTwips() - oneLine;
    EXPECT_GE(extra, oneLine); // at least one more text line
    EXPECT_DOUBLE_EQ(wrapped.optionTexts()[2]->topTwips(), thirdTop + extra);
    EXPECT_DOUBLE_EQ(wrapped.optionButtons()[4]->topTwips(), fifthButton + extra);
    expectRuleHolds(wrapped);
}

TEST_P(LayoutTest, NextLaysOutTheNextQuestionOnTheSameScreen)
{
    QuestionScreen &screen = openWithQuestionLines(1);
    writeQuestion(10, 3);
    setCell(10, QStringLiteral("A"), LongOption);
    choose(screen, 1);
    clickNext(screen);
    ASSERT_EQ(loadedQuestionScreen(), &screen);
    EXPECT_DOUBLE_EQ(screen.questionBox()->heightTwips(), 3 * 345);
    EXPECT_DOUBLE_EQ(screen.optionTexts()[0]->topTwips(), 3 * 345 + 270);
    EXPECT_EQ(screen.optionTexts()[0]->caption(), LongOption);
    expectRuleHolds(screen);
    EXPECT_EQ(tickedElement(screen), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryQuestionScreen, LayoutTest,
                         ::testing::Values(QStringLiteral("SC"), QStringLiteral("CR"),
                                           QStringLiteral("RC")),
                         TypeName);
