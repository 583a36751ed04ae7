// Files and databases that would freeze a practice for good: a named pipe in place of a question
// file, a trigger whose statement never ends. Next ends in a run-time error that names them, and
// every answer given before stays.
#include "practicefixture.h"

#include "form2.h"
#include "public.h"

#include "forms.h"
#include "image.h"

#include "support/namedpipe.h"

#include <QFile>
#include <QTest>

namespace {

const QString Letter = QStringLiteral("做题记录");

class HostileFiles : public PracticeTest
{
protected:
    QString questionPath(int question) const
    {
        return folder.filePath(sample::questionRelativePath(set, question));
    }
    // Question `question`'s file replaced by a pipe that would hand over a question if read.
    std::unique_ptr<testsupport::NamedPipe> pipeAsQuestion(int question)
    {
        QFile::remove(questionPath(question));
        return std::make_unique<testsupport::NamedPipe>(questionPath(question),
                                                        QByteArrayLiteral("{\\rtf1 from a pipe}"));
    }
    QString onlyBox() const
    {
        return boxes.calls.size() == 1 ? boxes.calls[0].text : boxes.texts().join(u'|');
    }
    static void pressNext(QuestionScreen &screen)
    {
        QTest::mouseClick(screen.control<platform::Image>(QStringLiteral("Image1")),
                          Qt::LeftButton);
    }
    QString integrity() const
    {
        return folder.rows(QStringLiteral("PRAGMA integrity_check")).first().first().toString();
    }
};

TEST_F(HostileFiles, APipeAsTheFirstQuestionStopsTheIntroPagesNextWithItsName)
{
    startAt(1);
    setType(1, QStringLiteral("SC"));
    const auto pipe = pipeAsQuestion(1);
    Public::SetNo = set;
    Form2 &intro = platform::Forms::get<Form2>();
    intro.Show();

    QTest::mouseClick(intro.Image1, Qt::LeftButton);

    EXPECT_EQ(onlyBox(), QStringLiteral("Run-time error:\n\n") + questionPath(1) +
                             QStringLiteral(" is a named pipe, not a regular file"));
    EXPECT_TRUE(platform::programEnded());
    EXPECT_TRUE(pipe->inPlace());
}

TEST_F(HostileFiles, APipeAsTheNextQuestionStopsNextAfterTheAnswerIsSaved)
{
    startAt(1);
    setType(1, QStringLiteral("SC"));
    setType(2, QStringLiteral("SC")); // Next stays on the screen and loads the file itself
    QuestionScreen &screen = openScreen(QStringLiteral("SC"));
    const auto pipe = pipeAsQuestion(2);
    choose(screen, 3);

    pressNext(screen);

    EXPECT_EQ(onlyBox(), QStringLiteral("Run-time error:\n\n") + questionPath(2) +
                             QStringLiteral(" is a named pipe, not a regular file"));
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(cell(1, Letter), QVariant(QStringLiteral("C")));
}

// A trigger that never ends, fired by the answer of question 2: Next stops after the statement
// limit with the table named; question 2 holds nothing, question 1 its answer, and the file is
// sound.
TEST_F(HostileFiles, AnEndlessTriggerStopsNextWithTheTableNamedAndWritesNothing)
{
    startAt(1);
    setType(1, QStringLiteral("SC"));
    setType(2, QStringLiteral("SC"));
    setType(3, QStringLiteral("SC"));
    folder.execute(QStringLiteral(
        "CREATE TRIGGER endless AFTER UPDATE ON QOR3 WHEN NEW.编号 = 'QOR3-Q2' BEGIN "
        "SELECT (WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) "
        "SELECT count(*) FROM c); END"));
    QuestionScreen &screen = openScreen(QStringLiteral("SC"));
    choose(screen, 2);
    pressNext(screen);
    ASSERT_EQ(Public::QuestionNo, 2);
    choose(screen, 4);

    pressNext(screen);

    const QString text = onlyBox();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Run-time error:\n\nUpdate of column")) &&
                text.contains(QStringLiteral("in table QOR3 was stopped after 5 seconds")) &&
                text.contains(folder.databasePath()))
        << text.toStdString();
    EXPECT_TRUE(platform::programEnded());
    EXPECT_EQ(cell(1, Letter), QVariant(QStringLiteral("B")));
    EXPECT_EQ(cell(2, Letter), QVariant(QString()));
    EXPECT_EQ(cell(2, QStringLiteral("正误")), QVariant(QStringLiteral("  ")));
    EXPECT_EQ(integrity(), QStringLiteral("ok"));
}

} // namespace
