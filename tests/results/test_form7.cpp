// The results screen's load step (grid, mark colours, counts, captions, end button), its looks
// and the export on demand.
#include "resultsfixture.h"

#include "clock.h"
#include "colors.h"
#include "image.h"
#include "label.h"
#include "recordexport.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

const QColor Green = platform::colorFromBgr(0xFF00);
const QColor Red = platform::colorFromBgr(0xFF);
constexpr int LetterColumn = 4;
constexpr int MarkColumn = 5;

class Form7Test : public ResultsTest
{
protected:
    // Every row of a type that counts for none and unanswered; the cases then set what they need.
    void clearTypes()
    {
        folder.execute(QStringLiteral("update %1 set 题型 = 'X', 正误 = '  '").arg(table()));
    }
};

TEST_F(Form7Test, GridShowsTheSetInQuestionOrderWithSevenCentredColumns)
{
    setCell(1, QStringLiteral("题号"), 1000); // sorts last
    Form7 &results = openResults();
    platform::Grid *grid = results.MSHFlexGrid1;

    EXPECT_EQ(results.Label1->caption(), QStringLiteral("Practice QOR-ZQ-24 No.3"));
    ASSERT_EQ(grid->rows(), 42);
    ASSERT_EQ(grid->cols(), 7);
    const QStringList headings = {"题型", "题号", "编号", "答案", "做题记录", "正误", "用时"};
    const QList<double> widths = {1250, 1250, 1600, 1250, 1250, 1800, 1250};
    for (int col = 0; col < 7; ++col) {
        EXPECT_EQ(grid->textMatrix(0, col), headings.at(col));
        EXPECT_EQ(grid->colWidth(col), widths.at(col));
        EXPECT_EQ(grid->item(3, col)->textAlignment(), int(Qt::AlignCenter));
    }
    EXPECT_EQ(grid->textMatrix(1, 2), id(2));
    EXPECT_EQ(grid->textMatrix(41, 2), id(1));
    EXPECT_EQ(grid->row(), 0);
    EXPECT_EQ(grid->col(), 0);
}

TEST_F(Form7Test, MarksAreColouredOnBothCellsAndCountedPerType)
{
    clearTypes();
    const struct
    {
        int question;
        const char *type, *letter, *mark;
    } rows[] = {
        {1, "SC", "A", "√"}, {2, "SC", "B", "×"}, {3, "SC", "", "  "},  {4, "SC", "C", "v"},
        {5, "CR", "D", "√"}, {6, "RC", "E", "×"}, {7, "RC", " ", "  "},
    };
    for (const auto &row : rows) {
        setCell(row.question, QStringLiteral("题型"), QString::fromUtf8(row.type));
        setAttempt(row.question, QString::fromUtf8(row.letter), QString::fromUtf8(row.mark));
    }
    Form7 &results = openResults();
    platform::Grid *grid = results.MSHFlexGrid1;

    const QColor none;
    const QColor expected[] = {Green, Red, none, none, Green, Red, none};
    for (int question = 1; question <= 7; ++question) {
        SCOPED_TRACE(question);
        const QColor colour = expected[question - 1];
        EXPECT_EQ(grid->cellForeColor(question, MarkColumn), colour);
        EXPECT_EQ(grid->cellForeColor(question, LetterColumn), colour);
        EXPECT_FALSE(grid->cellForeColor(question, 2).isValid());
    }
    EXPECT_FALSE(grid->cellForeColor(0, MarkColumn).isValid());
    EXPECT_EQ(results.Label5->caption(), QStringLiteral("SC 正确率: 25.00%  ( 1/4 )"));
    EXPECT_EQ(results.Label6->caption(), QStringLiteral("CR 正确率: 100.00%  ( 1/1 )"));
    EXPECT_EQ(results.Label7->caption(), QStringLiteral("RC 正确率: 0.00%  ( 0/2 )"));
}

struct CaptionCase
{
    const char *name;
    int count;
    int right;
    const char *caption;
};

class Form7Caption : public Form7Test, public ::testing::WithParamInterface<CaptionCase>
{
};

TEST_P(Form7Caption, ShowsThePercentageAndTheCounts)
{
    clearTypes();
    const CaptionCase &c = GetParam();
    for (int question = 1; question <= c.count; ++question) {
        setCell(question, QStringLiteral("题型"), QStringLiteral("CR"));
        setAttempt(question, QStringLiteral("A"),
                   question <= c.right ? QStringLiteral("√") : QStringLiteral("×"));
    }
    Form7 &results = openResults();
    EXPECT_EQ(results.Label6->caption(), QString::fromUtf8(c.caption));
    EXPECT_EQ(results.Label5->caption(), QStringLiteral("SC 正确率: 0.00%  ( 0/0 )"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Form7Caption,
    ::testing::Values(CaptionCase{"TwoOfThree", 3, 2, "CR 正确率: 66.67%  ( 2/3 )"},
                      CaptionCase{"AllOfThree", 3, 3, "CR 正确率: 100.00%  ( 3/3 )"},
                      CaptionCase{"NoneOfThree", 3, 0, "CR 正确率: 0.00%  ( 0/3 )"},
                      CaptionCase{"OneOf32TieGoesDown", 32, 1, "CR 正确率: 3.12%  ( 1/32 )"},
                      CaptionCase{"ThreeOf32TieGoesUp", 32, 3, "CR 正确率: 9.38%  ( 3/32 )"},
                      CaptionCase{"NoQuestion", 0, 0, "CR 正确率: 0.00%  ( 0/0 )"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(Form7Test, ReachesTheDatabaseWhenStartedFromAnotherDirectory)
{
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    Form7 &results = openResults();
    doubleClickRow(results, 2);
    QDir::setCurrent(previous);
    EXPECT_EQ(results.MSHFlexGrid1->rows(), 42);
    EXPECT_EQ(Public::QuestionNo, 2);
}

TEST_F(Form7Test, EndButtonAndExportLabelChangeTheirLooks)
{
    const platform::Picture before = Public::PicEndExam0;
    Form7 &results = openResults();
    EXPECT_FALSE(Public::PicEndExam0 == before); // reloaded by the load step
    EXPECT_EQ(results.Image3->picture(), Public::PicEndExam0);

    QTest::mouseMove(results.Image3, QPoint(5, 5));
    EXPECT_EQ(results.Image3->picture(), Public::PicEndExam1);
    userevents::press(results.Image3, QPoint(5, 5));
    EXPECT_EQ(results.Image3->picture(), Public::PicEndExam2);
    QTest::mouseRelease(results.Image3, Qt::LeftButton, {}, QPoint(300, 5)); // released outside
    EXPECT_EQ(results.Image3->picture(), Public::PicEndExam1);
    EXPECT_FALSE(platform::programEnded());

    userevents::press(results.Label2, QPoint(5, 5));
    EXPECT_EQ(results.Label2->foreColor(), platform::colorFromBgr(0x7259));
    QTest::mouseMove(&results, QPoint(20, 700));
    EXPECT_EQ(results.Label2->foreColor(), platform::colorFromBgr(0x400000));
    EXPECT_EQ(results.Image3->picture(), Public::PicEndExam0);
}

TEST_F(Form7Test, ExportWritesTheRecordAndLeavesTheScreenAsItWas)
{
    const QDateTime moment(QDate(2026, 3, 7), QTime(9, 41));
    platform::setClock([moment] { return moment; });
    platform::setShortDateFormat(QStringLiteral("yyyy/M/d"));
    setAttempt(1, QString(), QStringLiteral("  "));
    Form7 &results = openResults();

    userevents::click(results.Label2);
    const QString path = RecordExportText::FilePath(folder.path(), moment.date(), moment.time());
    platform::setClock({});
    platform::setShortDateFormat({});

    EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    ASSERT_EQ(boxes.calls.size(), 1);
    EXPECT_EQ(boxes.calls.first().text, RecordExportText::SavedMessage(path));
    EXPECT_EQ(cell(1, QStringLiteral("做题记录")).toString(), QStringLiteral(" "));
    EXPECT_EQ(results.MSHFlexGrid1->textMatrix(1, LetterColumn), QString()); // not refreshed
    EXPECT_FALSE(platform::programEnded());
    EXPECT_TRUE(results.isLoaded());
    EXPECT_TRUE(results.isVisible());
}

} // namespace
