// End Exam on the question screens: the confirmation, the export question, and the end of the
// program; and the plain unload of a screen that asks nothing.
#include "practicefixture.h"

#include "public.h"

#include "forms.h"

#include <QDir>
#include <QFile>

class EndExamTest : public PracticeTest, public ::testing::WithParamInterface<QString>
{
protected:
    QuestionScreen &open()
    {
        startAt(2);
        setType(1, QStringLiteral("SC"));
        setType(2, GetParam());
        setKey(2, QStringLiteral("E"));
        writePassage(QStringLiteral("E"), 2);
        // Question 1 answered before the practice is ended on question 2.
        setCell(1, QStringLiteral("做题记录"), QStringLiteral("C"));
        setCell(1, QStringLiteral("正误"), QStringLiteral("\u00D7"));
        setCell(1, QStringLiteral("用时"), QStringLiteral("00:42"));
        return openScreen(GetParam());
    }

    QStringList recordFiles() const
    {
        return QDir(folder.filePath(QStringLiteral("做题记录"))).entryList(QDir::Files);
    }

    QList<QVariantList> attempts() const
    {
        return folder.rows(
            QStringLiteral("SELECT 编号, 做题记录, 正误, 用时 FROM QOR%1 ORDER BY 题号").arg(set));
    }
};

TEST_P(EndExamTest, CancelKeepsThePracticeGoing)
{
    QuestionScreen &screen = open();
    choose(screen, 4);
    boxes.queue(platform::MessageAnswer::Cancel);
    clickEndExam(screen);

    ASSERT_EQ(boxes.calls.size(), 1);
    EXPECT_EQ(boxes.calls[0].text, QStringLiteral("确定退出吗？"));
    EXPECT_EQ(boxes.calls[0].buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(boxes.calls[0].title, QStringLiteral("退出练习"));
    EXPECT_FALSE(Public::ExitRequested);
    EXPECT_FALSE(platform::programEnded());
    EXPECT_TRUE(screen.isLoaded());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(tickedElement(screen), 4);
}

TEST_P(EndExamTest, OkThenNoEndsTheProgramWithoutExporting)
{
    QuestionScreen &screen = open();
    choose(screen, 4);
    const QList<QVariantList> before = attempts();
    boxes.queue(platform::MessageAnswer::Ok);
    boxes.queue(platform::MessageAnswer::No);
    clickEndExam(screen);

    ASSERT_EQ(boxes.calls.size(), 2);
    EXPECT_EQ(boxes.calls[1].text, QStringLiteral("是否导出做题记录？"));
    EXPECT_EQ(boxes.calls[1].buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(boxes.calls[1].title, QStringLiteral("保存做题记录"));
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(platform::programExitStatus(), 0);
    EXPECT_TRUE(platform::Forms::all().isEmpty());
    EXPECT_EQ(attempts(), before);
    EXPECT_TRUE(recordFiles().isEmpty());
}

TEST_P(EndExamTest, OkThenYesExportsTheRecordAndEndsTheProgram)
{
    QuestionScreen &screen = open();
    choose(screen, 4); // ticked, never recorded
    boxes.queue(platform::MessageAnswer::Ok);
    boxes.queue(platform::MessageAnswer::Yes);
    clickEndExam(screen);

    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(platform::programExitStatus(), 0);
    const QStringList files = recordFiles();
    ASSERT_EQ(files.size(), 1);
    const QString path = folder.filePath(QStringLiteral("做题记录/") + files[0]);
    ASSERT_EQ(boxes.calls.size(), 3);
    EXPECT_TRUE(boxes.calls[2].text.startsWith(QStringLiteral("记录已保存至 ")));
    EXPECT_TRUE(boxes.calls[2].text.endsWith(files[0]));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 2 + 41);
    EXPECT_EQ(cell(1, QStringLiteral("做题记录")).toString(), QStringLiteral("C"));
    EXPECT_EQ(cell(2, QStringLiteral("做题记录")).toString(), QStringLiteral(" "));
    EXPECT_EQ(cell(2, QStringLiteral("正误")).toString(), QStringLiteral("  "));
    EXPECT_EQ(cell(2, QStringLiteral("用时")).toString(), QString());
}

TEST_P(EndExamTest, PlainUnloadAsksNothing)
{
    QuestionScreen &screen = open();
    screen.unload();
    EXPECT_TRUE(boxes.calls.isEmpty());
    EXPECT_FALSE(platform::programEnded());
    EXPECT_EQ(loadedQuestionScreen(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryQuestionScreen, EndExamTest,
                         ::testing::Values(QStringLiteral("SC"), QStringLiteral("CR"),
                                           QStringLiteral("RC")),
                         TypeName);
