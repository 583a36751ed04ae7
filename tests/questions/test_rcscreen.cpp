// The RC screen over a run of questions: the passage that stays until a question names one,
// the option font rule, and the options restored from the next question's stored letter.
#include "practicefixture.h"

#include "form5.h"
#include "public.h"

#include "label.h"
#include "richtextbox.h"

#include <QScrollBar>

class RcScreenTest : public PracticeTest
{
protected:
    // Questions first..last of `chosenSet` are RC questions; the one after them is too.
    Form5 &openRun(int first, int last, int chosenSet = DefaultSet)
    {
        startAt(first, 4500, chosenSet);
        for (int q = first; q <= last + 1 && q <= 41; ++q) {
            setType(q, QStringLiteral("RC"));
            setKey(q, QStringLiteral(""));
        }
        setKey(first, QStringLiteral("P"));
        writePassage(QStringLiteral("P"), 60);
        return static_cast<Form5 &>(openScreen(QStringLiteral("RC")));
    }

    void answer(Form5 &screen, int element = 1)
    {
        choose(screen, element);
        clickNext(screen);
        ASSERT_EQ(loadedQuestionScreen(), &screen);
    }

    double optionFontSize(const Form5 &screen) const
    {
        const double size = screen.optionTexts()[0]->fontSize();
        for (const platform::Label *label : screen.optionTexts())
            EXPECT_EQ(label->fontSize(), size);
        return size;
    }
};

TEST_F(RcScreenTest, PassageStaysScrolledThroughQuestionsWithoutAKey)
{
    Form5 &screen = openRun(11, 13);
    setKey(13, QVariant()); // Null behaves as empty
    const QString passage = Public::PassageFilePath(set, QStringLiteral("P"));
    EXPECT_EQ(screen.RichTextBox1->loadedPath(), passage);
    QScrollBar *scroll = screen.RichTextBox1->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0) << "the passage should need scrolling";
    scroll->setValue(scroll->maximum() / 2);
    const int position = scroll->value();
    QTextDocument *document = screen.RichTextBox1->document();

    answer(screen);
    EXPECT_EQ(screen.RichTextBox2->loadedPath(), Public::QuestionFilePath(set, 12));
    answer(screen);
    EXPECT_EQ(screen.RichTextBox2->loadedPath(), Public::QuestionFilePath(set, 13));

    EXPECT_EQ(screen.RichTextBox1->loadedPath(), passage);
    EXPECT_EQ(screen.RichTextBox1->document(), document);
    EXPECT_EQ(scroll->value(), position);
}

TEST_F(RcScreenTest, RepeatedKeyReloadsThePassage)
{
    Form5 &screen = openRun(11, 13);
    setKey(12, QStringLiteral("P"));
    QScrollBar *scroll = screen.RichTextBox1->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    writePassage(QStringLiteral("P"), 61); // the file changed on disk since the set-up

    answer(screen);
    EXPECT_EQ(screen.RichTextBox1->loadedPath(), Public::PassageFilePath(set, QStringLiteral("P")));
    EXPECT_TRUE(screen.RichTextBox1->toPlainText().contains(QStringLiteral("paragraph 61")));
}

TEST_F(RcScreenTest, NewKeyLoadsItsPassage)
{
    Form5 &screen = openRun(11, 13);
    setKey(12, QStringLiteral("Q"));
    writePassage(QStringLiteral("Q"), 3);
    answer(screen);
    EXPECT_EQ(screen.RichTextBox1->loadedPath(), Public::PassageFilePath(set, QStringLiteral("Q")));
}

struct FontRow
{
    int set;
    int first; // the question opened; the ones after it follow by Next
    std::vector<double> sizes;
};

void PrintTo(const FontRow &row, std::ostream *os)
{
    *os << "set " << row.set << " from question " << row.first;
}

class OptionFontTest : public RcScreenTest, public ::testing::WithParamInterface<FontRow>
{
};

TEST_P(OptionFontTest, ListedQuestionsUseSmallOptionTexts)
{
    const FontRow &row = GetParam();
    Form5 &screen = openRun(row.first, row.first + int(row.sizes.size()) - 1, row.set);
    EXPECT_EQ(optionFontSize(screen), row.sizes[0]) << "question " << row.first;
    for (std::size_t k = 1; k < row.sizes.size(); ++k) {
        answer(screen);
        EXPECT_EQ(optionFontSize(screen), row.sizes[k]) << "question " << row.first + int(k);
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, OptionFontTest,
                         ::testing::Values(FontRow{8, 11, {13, 11, 13}}, FontRow{12, 8, {13}},
                                           FontRow{24, 23, {13, 11, 13}}, FontRow{8, 12, {11}}));

struct StoredRow
{
    const char *name;
    QVariant stored; // 做题记录 of the next question
    int ticked;      // the option ticked when it opens
};

void PrintTo(const StoredRow &row, std::ostream *os)
{
    *os << row.name;
}

class StoredLetterTest : public RcScreenTest, public ::testing::WithParamInterface<StoredRow>
{
};

TEST_P(StoredLetterTest, NextQuestionOpensWithItsStoredLetter)
{
    Form5 &screen = openRun(20, 21);
    setCell(21, QStringLiteral("做题记录"), GetParam().stored);
    choose(screen, 2);
    clickNext(screen);
    EXPECT_EQ(Public::QuestionNo, 21);
    EXPECT_EQ(tickedElement(screen), GetParam().ticked);
}

INSTANTIATE_TEST_SUITE_P(Rows, StoredLetterTest,
                         ::testing::Values(StoredRow{"Empty", QStringLiteral(""), 0},
                                           StoredRow{"LetterD", QStringLiteral("D"), 4},
                                           StoredRow{"LetterB", QStringLiteral("B"), 2},
                                           StoredRow{"Blank", QStringLiteral(" "), 2},
                                           StoredRow{"Null", QVariant(), 2},
                                           StoredRow{"LowerCase", QStringLiteral("d"), 2}),
                         RowName<StoredRow>);

TEST_F(RcScreenTest, SetUpLoadsThePassageOfAnEmptyKeyByItsBareName)
{
    startAt(15);
    setType(15, QStringLiteral("RC"));
    setKey(15, QVariant());
    writePassage(QString(), 2);
    Form5 &screen = static_cast<Form5 &>(openScreen(QStringLiteral("RC")));
    EXPECT_TRUE(screen.RichTextBox1->loadedPath().endsWith(QStringLiteral("QOR-ZQ-3-.rtf")));
}
