// The results screen's double-click, which opens the review of the row's question, and its end
// button, which ends the program over open review screens.
#include "resultsfixture.h"

#include "image.h"
#include "label.h"
#include "optionbutton.h"
#include "form3.h"
#include "form10.h"
#include "form8.h"
#include "form9.h"

namespace {

using platform::Forms;

class Form7ReviewTest : public ResultsTest
{
protected:
    // Question numbers that differ from the row numbers but sort the same way.
    void renumber()
    {
        folder.execute(QStringLiteral("update %1 set 题号 = 题号 + 100").arg(table()));
    }
};

TEST_F(Form7ReviewTest, DoubleClickReviewsTheQuestionOfTheRowNumberNotOfTheNumberCell)
{
    renumber();
    const int sc = firstOfType(QStringLiteral("SC"));
    setAttempt(sc, QStringLiteral("B"), QStringLiteral("×"));
    Form7 &results = openResults();
    ASSERT_EQ(results.MSHFlexGrid1->textMatrix(sc, 1), QString::number(sc + 100));

    doubleClickRow(results, sc);
    EXPECT_EQ(Public::QuestionNo, sc);
    Form8 *review = Forms::find<Form8>();
    ASSERT_NE(review, nullptr);
    EXPECT_TRUE(review->isVisible());
    EXPECT_EQ(review->Label7->caption(), QStringLiteral("%1 of 41").arg(sc));
    EXPECT_EQ(review->OptionLabels()[0]->caption(), cell(sc, QStringLiteral("A")).toString());
    EXPECT_TRUE(review->OptionButtons()[1]->value());
    EXPECT_TRUE(results.isVisible()); // stays open beneath
}

TEST_F(Form7ReviewTest, EachTypeOpensItsOwnReviewScreen)
{
    Form7 &results = openResults();
    doubleClickRow(results, firstOfType(QStringLiteral("CR")));
    doubleClickRow(results, firstOfType(QStringLiteral("RC")));
    EXPECT_EQ(Forms::find<Form8>(), nullptr);
    ASSERT_NE(Forms::find<Form9>(), nullptr);
    ASSERT_NE(Forms::find<Form10>(), nullptr);
    EXPECT_EQ(Forms::find<Form9>()->caption(), QStringLiteral("CR Review"));
    EXPECT_TRUE(Forms::find<Form9>()->isVisible());
    EXPECT_TRUE(Forms::find<Form10>()->isVisible());
}

TEST_F(Form7ReviewTest, AReviewScreenAlreadyOpenIsOnlyRaisedAndKeepsItsQuestion)
{
    // Two "SC" questions; the first is answered, the second not.
    folder.execute(QStringLiteral("update %1 set 题型 = 'SC' where 题号 in (1, 2)").arg(table()));
    setAttempt(1, QStringLiteral("D"), QStringLiteral("√"));
    Form7 &results = openResults();

    doubleClickRow(results, 1);
    Form8 *review = Forms::find<Form8>();
    ASSERT_NE(review, nullptr);
    userevents::click(review->OptionLabels()[2]); // a tick made by the user
    doubleClickRow(results, 2);

    EXPECT_EQ(Public::QuestionNo, 2);
    EXPECT_EQ(Forms::find<Form8>(), review);
    EXPECT_EQ(review->Label7->caption(), QStringLiteral("1 of 41"));
    EXPECT_TRUE(review->OptionButtons()[2]->value());
}

TEST_F(Form7ReviewTest, HeaderRowEmptyGridAndUnknownTypeOpenNothing)
{
    setCell(2, QStringLiteral("题型"), QStringLiteral("XX"));
    Form7 &results = openResults();
    platform::Grid *grid = results.MSHFlexGrid1;

    realDoubleClick(grid->horizontalHeader()->viewport(), QPoint(20, 8));
    results.MSHFlexGrid1_DblClick(); // current row 0 after the load step
    EXPECT_EQ(Public::QuestionNo, 0);

    doubleClickRow(results, 2);
    EXPECT_EQ(Public::QuestionNo, 2);
    EXPECT_TRUE(Forms::find<Form8>() == nullptr && Forms::find<Form9>() == nullptr &&
                Forms::find<Form10>() == nullptr);
    Forms::closeAll();

    folder.execute(QStringLiteral("delete from %1").arg(table()));
    Public::QuestionNo = 0;
    Form7 &empty = openResults();
    EXPECT_EQ(empty.MSHFlexGrid1->rows(), 1);
    EXPECT_EQ(empty.Label5->caption(), QStringLiteral("SC 正确率: 0.00%  ( 0/0 )"));
    realDoubleClick(empty.MSHFlexGrid1->viewport(), QPoint(20, 20));
    empty.MSHFlexGrid1_DblClick();
    EXPECT_EQ(Public::QuestionNo, 0);
    EXPECT_FALSE(platform::programEnded());
}

TEST_F(Form7ReviewTest, EndButtonEndsTheProgramWithReviewScreensOpen)
{
    // A question screen left hidden by the time-out.
    Public::QuestionNo = firstOfType(QStringLiteral("SC"));
    QPointer<Form3> question = &Forms::get<Form3>();
    question->Load();
    question->hide();
    Form7 &results = openResults();
    doubleClickRow(results, firstOfType(QStringLiteral("SC")));
    doubleClickRow(results, firstOfType(QStringLiteral("RC")));
    QPointer<Form8> sc = Forms::find<Form8>();
    QPointer<Form10> rc = Forms::find<Form10>();
    ASSERT_TRUE(sc && rc);

    userevents::click(results.Image3);

    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(platform::programExitStatus(), 0);
    EXPECT_TRUE(Forms::all().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sc.isNull());
    EXPECT_TRUE(rc.isNull());
    EXPECT_TRUE(question.isNull());
    EXPECT_TRUE(boxes.calls.isEmpty()); // nothing asked, nothing exported
}

} // namespace
