// The review screens: the stored answer ticked, option-text clicks that tick without saving,
// "【Hide】" back to the results screen, the layout and, for "RC", the passage and the font rule.
#include "resultsfixture.h"

#include "colors.h"
#include "label.h"
#include "optionbutton.h"
#include "richtextbox.h"
#include "form10.h"
#include "form8.h"
#include "form9.h"

namespace {

using platform::Forms;

// Which option buttons are ticked, as "00100".
QString ticks(const ReviewScreen &review)
{
    QString text;
    for (const platform::OptionButton *button : review.OptionButtons())
        text += button->value() ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

enum class Screen { SC, CR, RC };

class ReviewTest : public ResultsTest
{
protected:
    // Opens the review of the first question of that type, as the results screen does.
    ReviewScreen &openReview(Screen screen)
    {
        switch (screen) {
        case Screen::SC: return open<Form8>(QStringLiteral("SC"));
        case Screen::CR: return open<Form9>(QStringLiteral("CR"));
        case Screen::RC: break;
        }
        return open<Form10>(QStringLiteral("RC"));
    }
    template<class T> T &open(const QString &type)
    {
        Public::QuestionNo = firstOfType(type);
        T &review = Forms::get<T>();
        review.Load();
        review.Show();
        return review;
    }
};

struct TickCase
{
    const char *name;
    QVariant stored; // a null QVariant is Null
    const char *ticked;
};

std::string caseName(const ::testing::TestParamInfo<std::tuple<Screen, TickCase>> &row)
{
    static const char *const screenNames[] = {"SC", "CR", "RC"};
    return std::string(screenNames[int(std::get<0>(row.param))]) + std::get<1>(row.param).name;
}

class ReviewTicks : public ReviewTest,
                    public ::testing::WithParamInterface<std::tuple<Screen, TickCase>>
{
};

TEST_P(ReviewTicks, TickOnlyAnUpperCaseLetterStoredAlone)
{
    const auto &[screen, tick] = GetParam();
    const QString type = screen == Screen::SC   ? QStringLiteral("SC")
                         : screen == Screen::CR ? QStringLiteral("CR")
                                                : QStringLiteral("RC");
    setCell(firstOfType(type), QStringLiteral("做题记录"), tick.stored);
    EXPECT_EQ(ticks(openReview(screen)), QString::fromLatin1(tick.ticked));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReviewTicks,
    ::testing::Combine(::testing::Values(Screen::SC, Screen::CR, Screen::RC),
                       ::testing::Values(TickCase{"Letter", QStringLiteral("C"), "00100"},
                                         TickCase{"Empty", QStringLiteral(""), "00000"},
                                         TickCase{"Blank", QStringLiteral(" "), "00000"},
                                         TickCase{"Null", QVariant(), "00000"},
                                         TickCase{"LowerCase", QStringLiteral("c"), "00000"},
                                         TickCase{"WithBlank", QStringLiteral("E "), "00000"})),
    caseName);

TEST_F(ReviewTest, HeaderOptionsAndLayoutFollowTheQuestion)
{
    for (const Screen screen : {Screen::SC, Screen::RC}) {
        ReviewScreen &review = openReview(screen);
        SCOPED_TRACE(review.caption().toStdString());
        EXPECT_EQ(review.Label8->caption(), QStringLiteral("Practice QOR-ZQ-24 No.3"));
        EXPECT_EQ(review.Label7->caption(), QStringLiteral("%1 of 41").arg(Public::QuestionNo));
        const auto labels = review.OptionLabels();
        const auto buttons = review.OptionButtons();
        const QString letters = QStringLiteral("ABCDE");
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(labels[k]->caption(), cell(Public::QuestionNo, letters.at(k)).toString());

        const platform::RichTextBox *box = screen == Screen::RC
                                               ? static_cast<Form10 &>(review).RichTextBox2
                                               : static_cast<Form8 &>(review).RichTextBox1;
        EXPECT_EQ(box->heightTwips(), box->LineCount() * 345.0);
        EXPECT_EQ(labels[0]->topTwips(), box->heightTwips() + 270);
        for (int k = 1; k < 5; ++k)
            EXPECT_EQ(labels[k]->topTwips(),
                      labels[k - 1]->topTwips() + labels[k - 1]->heightTwips() + 270);
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(buttons[k]->topTwips(), labels[k]->topTwips() + 50);
    }
    EXPECT_EQ(Forms::find<Form8>()->caption(), QStringLiteral("SC Review"));
}

TEST_F(ReviewTest, ClickingAnOptionTextTicksItWithoutSaving)
{
    for (Screen screen : {Screen::SC, Screen::CR, Screen::RC}) {
        ReviewScreen &review = openReview(screen);
        setCell(Public::QuestionNo, QStringLiteral("做题记录"), QStringLiteral("A"));
        for (int element : {4, 1, 5, 2, 3}) {
            userevents::click(review.OptionLabels()[size_t(element - 1)]);
            QString expected(5, QLatin1Char('0'));
            expected[element - 1] = QLatin1Char('1');
            EXPECT_EQ(ticks(review), expected) << review.metaObject()->className();
        }
        EXPECT_EQ(cell(Public::QuestionNo, QStringLiteral("做题记录")).toString(),
                  QStringLiteral("A"));
        review.unload();
    }
}

TEST_F(ReviewTest, HideTurnsYellowWhenPressedAndReturnsToTheResults)
{
    const int question = firstOfType(QStringLiteral("RC"));
    setAttempt(question, QStringLiteral("B"), QStringLiteral("√"));
    Form7 &results = openResults();
    doubleClickRow(results, question);
    Form10 *review = Forms::find<Form10>();
    ASSERT_NE(review, nullptr);
    userevents::click(review->OptionLabels()[4]);

    userevents::press(review->Label6);
    EXPECT_EQ(review->Label6->foreColor(), platform::colorFromBgr(0xFFFF));
    QTest::mouseMove(review, QPoint(20, 700));
    EXPECT_EQ(review->Label6->foreColor(), platform::colorFromBgr(0xFFFFFF));

    userevents::click(review->Label6);
    EXPECT_EQ(Forms::find<Form10>(), nullptr);
    EXPECT_TRUE(results.isVisible());

    doubleClickRow(results, question); // a fresh set-up shows the stored answer again
    ASSERT_NE(Forms::find<Form10>(), nullptr);
    EXPECT_EQ(ticks(*Forms::find<Form10>()), QStringLiteral("01000"));
}

TEST_F(ReviewTest, RcReviewShowsThePassageOfItsKeyAndTheOptionFontRule)
{
    Form10 &plain = static_cast<Form10 &>(openReview(Screen::RC));
    const QString key = cell(Public::QuestionNo, QStringLiteral("属性")).toString();
    EXPECT_EQ(plain.RichTextBox1->loadedPath(), Public::PassageFilePath(Set, key));
    EXPECT_EQ(plain.OptionLabels()[0]->fontSize(), 13);
    Forms::closeAll();

    // A listed (set, question) pair: set 24, question 24.
    testsupport::TempProgramFolder listed{sample::Options{{24}}};
    platform::setProgramFolder(listed.path());
    Public::SetNo = 24;
    Public::QuestionNo = 24;
    Form10 &small = Forms::get<Form10>();
    small.Load();
    for (const platform::Label *label : small.OptionLabels())
        EXPECT_EQ(label->fontSize(), 11);
}

TEST_F(ReviewTest, AnEmptyPassageKeyLoadsTheFileWithNothingAfterTheHyphen)
{
    const int question = firstOfType(QStringLiteral("RC"));
    setCell(question, QStringLiteral("属性"), QVariant());
    Public::QuestionNo = question;
    Form10 &review = Forms::get<Form10>();
    review.Load();
    EXPECT_TRUE(review.RichTextBox1->loadedPath().endsWith(QStringLiteral("/QOR-ZQ-3-.rtf")));
}

class RcRunPassage : public ReviewTest
{
protected:
    // The passage file the review of `question` loads.
    QString reviewedPassage(int question)
    {
        Public::QuestionNo = question;
        Form10 &review = Forms::get<Form10>();
        review.Load();
        const QString path = review.RichTextBox1->loadedPath();
        Forms::closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return path;
    }
    void setQuestion(int question, const QString &type, const QVariant &key)
    {
        setCell(question, QStringLiteral("题型"), type);
        setCell(question, QStringLiteral("属性"), key);
    }
};

TEST_F(RcRunPassage, AQuestionWithoutAKeyInsideARunShowsTheRunsPassage)
{
    const int first = firstOfType(QStringLiteral("RC"));
    const QString key = cell(first, QStringLiteral("属性")).toString();
    setQuestion(first + 1, QStringLiteral("RC"), QString());
    setQuestion(first + 2, QStringLiteral("RC"), QVariant());

    EXPECT_EQ(reviewedPassage(first + 1), Public::PassageFilePath(Set, key));
    EXPECT_EQ(reviewedPassage(first + 2), Public::PassageFilePath(Set, key));
}

TEST_F(RcRunPassage, AQuestionWithoutAKeyAfterAnotherTypeStillShowsTheEmptyKeysFile)
{
    // A key on a question of another type starts no run.
    const int first = firstOfType(QStringLiteral("RC"));
    const QString key = cell(first, QStringLiteral("属性")).toString();
    setQuestion(first + 1, QStringLiteral("SC"), key);
    setQuestion(first + 2, QStringLiteral("RC"), QString());
    setQuestion(first + 3, QStringLiteral("RC"), QVariant());

    EXPECT_EQ(reviewedPassage(first + 2), Public::PassageFilePath(Set, QString()));
    EXPECT_EQ(reviewedPassage(first + 3), Public::PassageFilePath(Set, QString()));
}

} // namespace
