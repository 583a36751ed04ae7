// Where Next takes the next question: the screen of its type when that is another of the three
// types, exactly written; the screen in front for its own type and for anything else.
#include "practicefixture.h"

#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "public.h"
#include "userevents.h"

#include "forms.h"

#include "label.h"
#include "timer.h"
#include "richtextbox.h"

struct RouteRow
{
    const char *name;
    const char *from;   // type of the screen in front
    QVariant nextType;  // 题型 of the next question
    const char *target; // the screen that shows the next question
};

void PrintTo(const RouteRow &row, std::ostream *os)
{
    *os << row.name;
}

class RoutingTest : public PracticeTest, public ::testing::WithParamInterface<RouteRow>
{
};

TEST_P(RoutingTest, NextQuestionOpensOnTheScreenOfItsType)
{
    const RouteRow &row = GetParam();
    startAt(5, 4000);
    setType(5, QString::fromLatin1(row.from));
    setType(6, row.nextType);
    setKey(5, QStringLiteral("R5"));
    setKey(6, QStringLiteral("R6"));
    writePassage(QStringLiteral("R5"), 2);
    writePassage(QStringLiteral("R6"), 2);
    QuestionScreen &screen = openScreen(QString::fromLatin1(row.from));
    choose(screen, 4);
    clickNext(screen);

    EXPECT_TRUE(boxes.calls.isEmpty());
    EXPECT_EQ(frontScreen(), QString::fromLatin1(row.target));
    QuestionScreen *shown = loadedQuestionScreen();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(Public::QuestionNo, 6);
    EXPECT_EQ(shown->control<platform::Label>(QStringLiteral("Label7"))->caption(),
              QStringLiteral("6 of 41"));
    EXPECT_EQ(shown->questionBox()->loadedPath(), Public::QuestionFilePath(set, 6));
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(shown->optionTexts()[k]->caption(), cell(6, QString(QChar(u'A' + k))).toString());
    EXPECT_EQ(tickedElement(*shown), 0);
    EXPECT_FALSE(Public::ExitRequested);
    EXPECT_FALSE(platform::programEnded());
    EXPECT_EQ(cell(5, QStringLiteral("做题记录")).toString(), QStringLiteral("D"));
}

INSTANTIATE_TEST_SUITE_P(
    Types, RoutingTest,
    ::testing::Values(RouteRow{"ScToSc", "SC", QStringLiteral("SC"), "Form3"},
                      RouteRow{"ScToCr", "SC", QStringLiteral("CR"), "Form4"},
                      RouteRow{"ScToRc", "SC", QStringLiteral("RC"), "Form5"},
                      RouteRow{"ScLowerCrStays", "SC", QStringLiteral("cr"), "Form3"},
                      RouteRow{"ScPaddedRcStays", "SC", QStringLiteral(" RC"), "Form3"},
                      RouteRow{"ScEmptyStays", "SC", QStringLiteral(""), "Form3"},
                      RouteRow{"ScNullStays", "SC", QVariant(), "Form3"},
                      RouteRow{"CrToCr", "CR", QStringLiteral("CR"), "Form4"},
                      RouteRow{"CrToSc", "CR", QStringLiteral("SC"), "Form3"},
                      RouteRow{"CrToRc", "CR", QStringLiteral("RC"), "Form5"},
                      RouteRow{"CrLowerScStays", "CR", QStringLiteral("sc"), "Form4"},
                      RouteRow{"CrPaddedScStays", "CR", QStringLiteral("SC "), "Form4"},
                      RouteRow{"CrEmptyStays", "CR", QStringLiteral(""), "Form4"},
                      RouteRow{"CrNullStays", "CR", QVariant(), "Form4"},
                      RouteRow{"RcToRc", "RC", QStringLiteral("RC"), "Form5"},
                      RouteRow{"RcToSc", "RC", QStringLiteral("SC"), "Form3"},
                      RouteRow{"RcToCr", "RC", QStringLiteral("CR"), "Form4"},
                      RouteRow{"RcLowerScStays", "RC", QStringLiteral("sc"), "Form5"},
                      RouteRow{"RcOtherStays", "RC", QStringLiteral("XX"), "Form5"},
                      RouteRow{"RcEmptyStays", "RC", QStringLiteral(""), "Form5"},
                      RouteRow{"RcNullStays", "RC", QVariant(), "Form5"}),
    RowName<RouteRow>);

// The screens a switch may go to are built while the user reads the question in front: hidden,
// not loaded, their clocks stopped, so the practice clock still loses one second per tick. The
// next switch shows that very screen, set up for its question.
TEST_F(PracticeTest, ASwitchShowsTheScreenBuiltWhileTheQuestionInFrontWasRead)
{
    startAt(5, 4000);
    setType(5, QStringLiteral("SC"));
    setType(6, QStringLiteral("CR"));
    setType(7, QStringLiteral("SC"));
    QuestionScreen &first = openScreen(QStringLiteral("SC"));
    choose(first, 2);
    clickNext(first);
    ASSERT_EQ(frontScreen(), QStringLiteral("Form4"));
    QCoreApplication::processEvents();

    Form3 *builtSc = platform::Forms::find<Form3>();
    Form5 *builtRc = platform::Forms::find<Form5>();
    ASSERT_NE(builtSc, nullptr);
    ASSERT_NE(builtRc, nullptr);
    EXPECT_NE(static_cast<QuestionScreen *>(builtSc), &first);
    for (const QuestionScreen *built :
         {static_cast<QuestionScreen *>(builtSc), static_cast<QuestionScreen *>(builtRc)}) {
        EXPECT_FALSE(built->isLoaded());
        EXPECT_FALSE(built->isVisible());
        EXPECT_FALSE(built->control<platform::Timer>(QStringLiteral("Timer1"))->isRunning());
    }
    QuestionScreen &cr = *loadedQuestionScreen();
    userevents::tick(cr, 3);
    EXPECT_EQ(Public::SecondsLeft, 3997);

    choose(cr, 1);
    clickNext(cr);
    EXPECT_EQ(frontScreen(), QStringLiteral("Form3"));
    EXPECT_EQ(loadedQuestionScreen(), builtSc);
    EXPECT_EQ(builtSc->control<platform::Label>(QStringLiteral("Label7"))->caption(),
              QStringLiteral("7 of 41"));
    EXPECT_EQ(builtSc->questionBox()->loadedPath(), Public::QuestionFilePath(set, 7));
    EXPECT_EQ(cell(6, QStringLiteral("做题记录")).toString(), QStringLiteral("A"));
    EXPECT_TRUE(boxes.calls.isEmpty());
}

// The question after the one in front is read ahead into the screens a switch may go to, after
// a Next that stays as after a switch. A switch shows it; a file changed since is read again.
TEST_F(PracticeTest, ASwitchShowsTheNextQuestionReadAheadOrItsFileAsChangedSince)
{
    startAt(5, 4000);
    setType(5, QStringLiteral("SC"));
    setType(6, QStringLiteral("SC"));
    setType(7, QStringLiteral("CR"));
    setType(8, QStringLiteral("SC"));
    for (int question = 6; question <= 8; ++question)
        writeQuestion(question);
    QuestionScreen &sc = openScreen(QStringLiteral("SC"));
    choose(sc, 1);
    clickNext(sc);
    ASSERT_EQ(frontScreen(), QStringLiteral("Form3"));
    QCoreApplication::processEvents();
    Form4 *builtCr = platform::Forms::find<Form4>();
    ASSERT_NE(builtCr, nullptr);
    EXPECT_FALSE(builtCr->isLoaded());
    EXPECT_EQ(builtCr->questionBox()->toPlainText(), QStringLiteral("Question 7, line 1."));

    choose(sc, 2);
    clickNext(sc);
    ASSERT_EQ(loadedQuestionScreen(), builtCr);
    EXPECT_EQ(builtCr->questionBox()->toPlainText(), QStringLiteral("Question 7, line 1."));
    QCoreApplication::processEvents();
    Form3 *builtSc = platform::Forms::find<Form3>();
    ASSERT_NE(builtSc, nullptr);
    EXPECT_EQ(builtSc->questionBox()->toPlainText(), QStringLiteral("Question 8, line 1."));

    writeQuestion(8, 2);
    choose(*builtCr, 3);
    clickNext(*builtCr);
    ASSERT_EQ(loadedQuestionScreen(), builtSc);
    EXPECT_EQ(builtSc->questionBox()->toPlainText(),
              QStringLiteral("Question 8, line 1.\nQuestion 8, line 2."));
    EXPECT_EQ(builtSc->control<platform::Label>(QStringLiteral("Label7"))->caption(),
              QStringLiteral("8 of 41"));
    EXPECT_TRUE(boxes.calls.isEmpty());
}
