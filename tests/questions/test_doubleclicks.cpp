// Double-clicks as people make them during a practice: a double-click on Next is one press of
// Next, and the second press of a double-click that opened a screen reaches nothing on it.
#include "practicefixture.h"

#include "mousegestures.h"
#include "userevents.h"

#include "form6.h"
#include "public.h"
#include "form10.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"

#include "forms.h"
#include "grid.h"
#include "image.h"
#include "label.h"
#include "optionbutton.h"

#include <QCoreApplication>
#include <QTest>

namespace {
const QString Letter = QStringLiteral("做题记录");

// The second half of a double-click as the toolkit delivers it to the control under the pointer.
void secondPress(QWidget *target, QPoint pos = QPoint())
{
    QTest::mouseDClick(target, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(target, Qt::LeftButton, {}, pos);
}

platform::Image *nextButton(const QuestionScreen &screen)
{
    return screen.control<platform::Image>(QStringLiteral("Image1"));
}

struct NextRow
{
    const char *name;
    const char *type;
    const char *nextType;
};

void PrintTo(const NextRow &row, std::ostream *os)
{
    *os << row.name;
}
} // namespace

class DoubleClickOnNextTest : public PracticeTest, public ::testing::WithParamInterface<NextRow>
{
};

TEST_P(DoubleClickOnNextTest, RecordsOneAnswerAndShowsTheNextQuestionUntouched)
{
    startAt(5);
    setType(5, QString::fromLatin1(GetParam().type));
    setType(6, QString::fromLatin1(GetParam().nextType));
    setKey(5, QStringLiteral("N"));
    setKey(6, QStringLiteral("N"));
    writePassage(QStringLiteral("N"), 3);
    QuestionScreen &screen = openScreen(QString::fromLatin1(GetParam().type));
    userevents::click(screen.optionButtons()[1]);
    Public::SecondsLeft = 4400;

    clickNext(screen);
    QuestionScreen *front = loadedQuestionScreen();
    ASSERT_NE(front, nullptr);
    Public::SecondsLeft = 4399; // the second press comes a moment later
    secondPress(nextButton(*front));

    EXPECT_TRUE(boxes.calls.isEmpty()) << boxes.texts().join(u'|').toStdString();
    EXPECT_EQ(Public::QuestionNo, 6);
    EXPECT_EQ(Public::QuestionStartLeft, 4400);
    EXPECT_EQ(cell(5, Letter).toString(), QStringLiteral("B"));
    EXPECT_EQ(cell(6, Letter).toString(), QString());
}

INSTANTIATE_TEST_SUITE_P(Rows, DoubleClickOnNextTest,
                         ::testing::Values(NextRow{"StaysOnSC", "SC", "SC"},
                                           NextRow{"StaysOnRC", "RC", "RC"},
                                           NextRow{"MovesFromRCToCR", "RC", "CR"}),
                         RowName<NextRow>);

TEST_F(PracticeTest, DoubleClickOnTheEndScreenLinkOpensTheResultsAndNoReview)
{
    startAt(41, 10);
    auto &end = platform::Forms::get<Form6>();
    end.Show();
    userevents::click(end.Label2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the end screen is gone
    Form7 *results = platform::Forms::find<Form7>();
    ASSERT_NE(results, nullptr);
    platform::Grid *grid = results->MSHFlexGrid1;
    const QPoint row2 = grid->visualItemRect(grid->item(1, 0)).center();

    secondPress(grid->viewport(), row2);
    EXPECT_TRUE(platform::Forms::find<Form8>() == nullptr &&
                platform::Forms::find<Form9>() == nullptr &&
                platform::Forms::find<Form10>() == nullptr);
    EXPECT_EQ(Public::QuestionNo, 41);

    // A double-click of the grid's own opens the review.
    realDoubleClick(grid->viewport(), row2);
    EXPECT_EQ(Public::QuestionNo, 2);
}
