// A whole practice of one set, from the intro page's hand-over to the end screen, answered
// through Next on whichever screen each question's type opens.
#include "practicefixture.h"

#include "form2.h"
#include "public.h"

#include "marks.h"

#include "forms.h"
#include "image.h"
#include "label.h"
#include "richtextbox.h"
#include "userevents.h"

namespace {
struct Expected
{
    QString letter;
    QString mark;
    QString time;
};
} // namespace

class WholePracticeTest : public PracticeTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(WholePracticeTest, EveryQuestionIsRecordedOnItsScreen)
{
    set = GetParam();
    Public::SetNo = set;
    // An earlier attempt the intro page clears.
    setCell(7, QStringLiteral("做题记录"), QStringLiteral("E"));
    auto &intro = platform::Forms::get<Form2>();
    intro.Load();
    intro.Show();
    userevents::click(intro.Image1);

    QList<Expected> expected;
    int seconds = 4500;
    const QString letters = QStringLiteral("ABCDE");
    for (int question = 1; question <= 41; ++question) {
        QuestionScreen *screen = loadedQuestionScreen();
        ASSERT_NE(screen, nullptr) << "question " << question;
        const QString type = cell(question, QStringLiteral("题型")).toString();
        const QString shouldBe = type == QLatin1String("CR")   ? QStringLiteral("Form4")
                                 : type == QLatin1String("RC") ? QStringLiteral("Form5")
                                                               : QStringLiteral("Form3");
        ASSERT_EQ(frontScreen(), shouldBe)
            << "question " << question << " of type " << type.toStdString();
        EXPECT_EQ(Public::QuestionNo, question);
        EXPECT_EQ(screen->questionBox()->loadedPath(), Public::QuestionFilePath(set, question));
        EXPECT_EQ(screen->control<platform::Label>(QStringLiteral("Label7"))->caption(),
                  QStringLiteral("%1 of 41").arg(question));
        EXPECT_EQ(tickedElement(*screen), 0) << "question " << question;

        const int spent = (question * 37) % 150;
        userevents::tick(*screen, spent);
        seconds -= spent;
        // Every third answer wrong.
        const QString key = cell(question, QStringLiteral("答案")).toString();
        int element = letters.indexOf(key) + 1;
        if (question % 3 == 0)
            element = element % 5 + 1;
        choose(*screen, element);
        expected.append({letters.mid(element - 1, 1),
                         question % 3 == 0 ? QStringLiteral("\u00D7") : QStringLiteral("\u221A"),
                         TimeSpentText(spent)});
        clickNext(*screen);
    }

    EXPECT_EQ(frontScreen(), QStringLiteral("Form6"));
    EXPECT_EQ(loadedQuestionScreen(), nullptr);
    EXPECT_EQ(Public::QuestionNo, 41);
    EXPECT_EQ(Public::SecondsLeft, seconds);
    EXPECT_TRUE(boxes.calls.isEmpty()) << boxes.texts().join(u'|').toStdString();
    const QList<QVariantList> rows = folder.rows(
        QStringLiteral("SELECT 做题记录, 正误, 用时 FROM QOR%1 ORDER BY 题号").arg(set));
    ASSERT_EQ(rows.size(), 41);
    for (int q = 0; q < 41; ++q) {
        EXPECT_EQ(rows[q][0].toString(), expected[q].letter) << "question " << q + 1;
        EXPECT_EQ(rows[q][1].toString(), expected[q].mark) << "question " << q + 1;
        EXPECT_EQ(rows[q][2].toString(), expected[q].time) << "question " << q + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, WholePracticeTest, ::testing::Values(3, 24));
