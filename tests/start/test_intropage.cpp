// The intro page: the reset of the set's attempt, the clock, and Next's routing by the exact
// type of question 1.
#include "startfixture.h"

#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"

#include "image.h"
#include "label.h"
#include "runtimeerror.h"
#include "userevents.h"

#include <QFile>
#include <QTest>

using platform::Forms;

namespace {

class IntroPage : public StartFixture
{
protected:
    Form2 &open(int set)
    {
        Public::SetNo = set;
        Form2 &form = Forms::get<Form2>();
        form.Show();
        return form;
    }
    // An attempt left over from an earlier practice.
    void dirty(int set, int question)
    {
        setCell(set, question, "做题记录", QStringLiteral("B"));
        setCell(set, question, "正误", QStringLiteral("√"));
        setCell(set, question, "用时", QStringLiteral("01:05"));
    }
    bool isReset(int set, int question) const
    {
        return cell(set, question, "做题记录") == QVariant(QString()) &&
               cell(set, question, "正误") == QVariant(QStringLiteral("  ")) &&
               cell(set, question, "用时") == QVariant(QString());
    }
};

TEST_F(IntroPage, LoadingClearsTheSetsAttemptAndSetsTheClock)
{
    for (int q = 1; q <= 41; ++q)
        dirty(3, q);
    setCell(3, 7, "做题记录", QVariant()); // Null too
    dirty(8, 1);
    folder->execute(QStringLiteral("insert into QOR3 (题型, 题号, 编号, 做题记录, 正误, 用时) "
                                   "values ('SC', 42, 'QOR3-Q42', 'C', '×', '00:10')"));

    Form2 &form = open(3);
    EXPECT_EQ(form.Label1->caption(), QStringLiteral("Practice QOR-ZQ-24 No.3"));
    for (int q = 1; q <= 41; ++q)
        EXPECT_TRUE(isReset(3, q)) << "question " << q;
    EXPECT_EQ(cell(3, 42, "做题记录"), QVariant(QStringLiteral("C"))); // not a question of the set
    EXPECT_EQ(cell(8, 1, "正误"), QVariant(QStringLiteral("√")));      // another set
    EXPECT_EQ(Public::QuestionNo, 1);
    EXPECT_EQ(Public::SecondsLeft, 4500);
    EXPECT_FALSE(Public::PicNext2.isNull());
}

TEST_F(IntroPage, TheTitleJoinsTheSetNumberWithoutBlankOrZero)
{
    EXPECT_EQ(open(8).Label1->caption(), QStringLiteral("Practice QOR-ZQ-24 No.8"));
    EXPECT_EQ(Public::TitleText(24), QStringLiteral("Practice QOR-ZQ-24 No.24"));
}

TEST_F(IntroPage, NextOpensTheScreenOfTheExactTypeOfQuestionOne)
{
    const struct
    {
        QVariant type;
        const char *opens;
    } rows[] = {
        {QStringLiteral("SC"), "Form3"},
        {QStringLiteral("CR"), "Form4"},
        {QStringLiteral("RC"), "Form5"},
    };
    for (const auto &row : rows) {
        setCell(3, 1, "题型", row.type);
        userevents::click(open(3).Image1);
        const QString opened = Forms::find<Form3>()   ? QStringLiteral("Form3")
                               : Forms::find<Form4>() ? QStringLiteral("Form4")
                               : Forms::find<Form5>() ? QStringLiteral("Form5")
                                                      : QString();
        EXPECT_EQ(opened, QString::fromLatin1(row.opens)) << row.type.toString().toStdString();
        EXPECT_EQ(Forms::find<Form2>(), nullptr);
        platform::Forms::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// No screen shows a question 1 of another type: the click on Next ends in a run-time error that
// names the question and its type, instead of the bare backdrop; the reset attempt stays as it is.
TEST_F(IntroPage, NextOnAFirstQuestionOfNoKnownTypeIsARunTimeErrorNamingIt)
{
    const struct
    {
        QVariant type;
        const char *named;
    } rows[] = {
        {QStringLiteral("XX"), "'XX'"},
        {QStringLiteral("sc"), "'sc'"},
        {QStringLiteral(" SC"), "' SC'"},
        {QString(), "''"},
        {QVariant(), "Null"},
    };
    for (const auto &row : rows) {
        setCell(3, 1, "题型", row.type);
        boxes.calls.clear();
        QTest::mouseClick(open(3).Image1, Qt::LeftButton);

        ASSERT_EQ(boxes.calls.size(), 1) << row.named;
        EXPECT_EQ(boxes.calls[0].text,
                  QStringLiteral("Run-time error:\n\nQOR3-Q1: 题型 %1 is none of SC, CR, RC (the "
                                 "first question has no screen to show it on)")
                      .arg(QString::fromUtf8(row.named)));
        EXPECT_TRUE(platform::programEnded());
        EXPECT_EQ(platform::programExitStatus(), 1);
        EXPECT_EQ(Forms::find<Form3>(), nullptr);
        EXPECT_TRUE(isReset(3, 1));
        EXPECT_EQ(cell(3, 1, "题型"), row.type);
        platform::Forms::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::resetProgramEnd();
    }
}

TEST_F(IntroPage, OnlyTheLowerCaseKeyNActsAsNext)
{
    setCell(3, 1, "题型", QStringLiteral("SC"));
    Form2 &form = open(3);
    QCoreApplication::processEvents(); // the page becomes the active window
    userevents::typeKey(&form, 'N', Qt::ShiftModifier);
    userevents::typeKey(&form, Qt::Key_M);
    EXPECT_EQ(Forms::find<Form3>(), nullptr);
    userevents::typeKey(&form, Qt::Key_N);
    EXPECT_NE(Forms::find<Form3>(), nullptr);
}

TEST_F(IntroPage, TheNextButtonShowsItsPointerLookAndNormalLook)
{
    Form2 &form = open(3);
    const platform::Picture design = form.Image1->picture();
    EXPECT_FALSE(design == Public::PicNext0);
    QTest::mouseMove(form.Image1, QPoint(3, 3));
    EXPECT_EQ(form.Image1->picture(), Public::PicNext2);
    userevents::press(form.Image1);
    EXPECT_EQ(form.Image1->picture(), Public::PicNext2); // no pressed look
    QTest::mouseMove(&form, QPoint(500, 400));
    EXPECT_EQ(form.Image1->picture(), Public::PicNext0);
}

TEST_F(IntroPage, AMissingDatabaseFailsNamingTheFile)
{
    const QString database = folder->databasePath();
    ASSERT_TRUE(QFile::remove(database));
    Public::SetNo = 3;
    try {
        Forms::get<Form2>().Load();
        FAIL() << "loaded without a database";
    } catch (const platform::RuntimeError &error) {
        EXPECT_TRUE(error.message().contains(database)) << error.message().toStdString();
    }
}

TEST_F(IntroPage, AMissingTableFailsBeforeAnyRowIsWritten)
{
    folder->execute(QStringLiteral("drop table QOR8"));
    Public::SetNo = 8;
    try {
        Forms::get<Form2>().Load();
        FAIL() << "loaded without the set's table";
    } catch (const platform::RuntimeError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("QOR8")))
            << error.message().toStdString();
    }
}

TEST_F(IntroPage, AMissingRowStopsTheResetWithTheEarlierRowsCleared)
{
    for (int q = 1; q <= 41; ++q)
        dirty(3, q);
    folder->deleteRow(QStringLiteral("QOR3"), id(3, 7));
    Public::SetNo = 3;
    try {
        Forms::get<Form2>().Load();
        FAIL() << "the reset passed a missing row";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.kind(), platform::RuntimeError::Kind::NoCurrentRow);
        EXPECT_TRUE(error.message().contains(QStringLiteral("QOR3-Q7")))
            << error.message().toStdString();
    }
    EXPECT_TRUE(isReset(3, 6));
    EXPECT_FALSE(isReset(3, 8));
}

} // namespace
