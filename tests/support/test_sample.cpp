// The generated question database: its shape, the reading-question runs and the fixed pairs the
// screens rely on.
#include "tempprogramfolder.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

using testsupport::TempProgramFolder;

namespace {

constexpr int kSets = 24;
constexpr int kQuestions = 41;

QString table(int set)
{
    return QStringLiteral("QOR%1").arg(set);
}

struct Row
{
    QString type;
    QVariant attribute;
};

class SampleDatabase : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<TempProgramFolder>(sample::Options{.rtfSets = {1}});
    }
    static void TearDownTestSuite() { folder.reset(); }

    static QList<Row> questions(int set)
    {
        QList<Row> result;
        for (const QVariantList &row : folder->rows(
                 QStringLiteral("SELECT 题型, 属性 FROM %1 ORDER BY rowid").arg(table(set))))
            result.append({row.at(0).toString(), row.at(1)});
        return result;
    }

    static std::unique_ptr<TempProgramFolder> folder;
};

std::unique_ptr<TempProgramFolder> SampleDatabase::folder;

TEST_F(SampleDatabase, tablesHaveTheProgramsColumnsInOrder)
{
    const QStringList expected = {"题型", "题号", "编号",     "A",    "B",    "C",   "D",
                                  "E",    "答案", "做题记录", "正误", "用时", "属性"};
    for (int set = 1; set <= kSets; ++set) {
        QStringList columns;
        for (const QVariantList &row :
             folder->rows(QStringLiteral("PRAGMA table_info(%1)").arg(table(set))))
            columns.append(row.at(1).toString());
        EXPECT_EQ(columns, expected) << "table " << set;
    }
}

TEST_F(SampleDatabase, everyTableHoldsFortyOneFreshQuestionsInOrder)
{
    static const QRegularExpression answer(QStringLiteral("^[A-E]$"));
    QSet<QString> ids;
    for (int set = 1; set <= kSets; ++set) {
        const auto rows = folder->rows(
            QStringLiteral("SELECT 题号, 编号, 答案, 做题记录, 正误, 用时, A, B, C, D, E FROM %1 "
                           "ORDER BY rowid")
                .arg(table(set)));
        ASSERT_EQ(rows.size(), kQuestions) << "table " << set;
        for (int n = 1; n <= kQuestions; ++n) {
            const QVariantList &row = rows.at(n - 1);
            SCOPED_TRACE(QStringLiteral("QOR%1-Q%2").arg(set).arg(n).toStdString());
            EXPECT_EQ(row.at(0).toLongLong(), n);
            EXPECT_EQ(row.at(1).toString(), QStringLiteral("QOR%1-Q%2").arg(set).arg(n));
            EXPECT_TRUE(answer.match(row.at(2).toString()).hasMatch());
            EXPECT_EQ(row.at(3), QVariant(QString()));
            EXPECT_EQ(row.at(4), QVariant(QStringLiteral("  ")));
            EXPECT_EQ(row.at(5), QVariant(QString()));
            for (int option = 6; option <= 10; ++option) {
                EXPECT_FALSE(row.at(option).isNull());
                EXPECT_FALSE(row.at(option).toString().isEmpty());
            }
            ids.insert(row.at(1).toString());
        }
    }
    EXPECT_EQ(ids.size(), kSets * kQuestions);
}

TEST_F(SampleDatabase, readingQuestionsComeInRunsThatShareAPassage)
{
    for (int set = 1; set <= kSets; ++set) {
        SCOPED_TRACE("set " + std::to_string(set));
        const QList<Row> rows = questions(set);
        bool nullRunSeen = false;
        int counts[3] = {0, 0, 0};
        for (int i = 0; i < rows.size();) {
            const QString type = rows.at(i).type;
            counts[type == "SC" ? 0 : type == "CR" ? 1 : 2]++;
            if (type != "RC") {
                EXPECT_EQ(rows.at(i).attribute, QVariant(QString())) << "question " << i + 1;
                ++i;
                continue;
            }
            const QString key = rows.at(i).attribute.toString();
            EXPECT_FALSE(key.isEmpty()) << "first question of a run, " << i + 1;
            int end = i + 1;
            while (end < rows.size() && rows.at(end).type == "RC") {
                const QVariant later = rows.at(end).attribute;
                nullRunSeen = nullRunSeen || later.isNull();
                EXPECT_TRUE(later.isNull() || later.toString().isEmpty() || later.toString() == key)
                    << "question " << end + 1;
                ++end;
            }
            counts[2] += end - i - 1;
            EXPECT_GE(end - i, 2) << "run at " << i + 1;
            EXPECT_LE(end - i, 5) << "run at " << i + 1;
            i = end;
        }
        EXPECT_TRUE(nullRunSeen);
        EXPECT_GE(counts[0], 10);
        EXPECT_GE(counts[1], 8);
        EXPECT_GE(counts[2], 10);
    }
}

TEST_F(SampleDatabase, setsStartAndEndWithTheTypesTheScreensAreTriedOn)
{
    EXPECT_EQ(questions(1).first().type, "SC");
    EXPECT_EQ(questions(2).first().type, "CR");
    EXPECT_EQ(questions(3).first().type, "RC");
    EXPECT_FALSE(questions(3).first().attribute.toString().isEmpty());
    QSet<QString> lastTypes;
    for (int set = 1; set <= kSets; ++set)
        lastTypes.insert(questions(set).last().type);
    EXPECT_TRUE(lastTypes.contains("RC"));
    EXPECT_TRUE(lastTypes.contains("SC"));
}

class SmallFontQuestion : public SampleDatabase,
                          public ::testing::WithParamInterface<std::pair<int, int>>
{
};

TEST_P(SmallFontQuestion, isAReadingQuestion)
{
    const auto [set, number] = GetParam();
    EXPECT_EQ(folder->cell(table(set), QStringLiteral("QOR%1-Q%2").arg(set).arg(number), "题型"),
              QVariant(QStringLiteral("RC")));
}

INSTANTIATE_TEST_SUITE_P(Pairs, SmallFontQuestion,
                         ::testing::Values(std::pair{24, 24}, std::pair{8, 12}, std::pair{13, 12},
                                           std::pair{16, 13}, std::pair{18, 24}, std::pair{19, 26},
                                           std::pair{20, 23}, std::pair{24, 23}, std::pair{24, 25},
                                           std::pair{8, 11}, std::pair{8, 13}));

TEST_F(SampleDatabase, optionsIncludeTextsLongEnoughToWrap)
{
    int longOptions = 0;
    int chineseOptions = 0;
    for (int set = 1; set <= kSets; ++set) {
        for (const QVariantList &row :
             folder->rows(QStringLiteral("SELECT A, B, C, D, E FROM %1").arg(table(set)))) {
            for (const QVariant &option : row) {
                const QString text = option.toString();
                longOptions += text.size() > 130;
                chineseOptions += text.contains(
                    QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]")));
            }
        }
    }
    EXPECT_GT(longOptions, kSets);
    EXPECT_GT(chineseOptions, kSets * 5);
}

TEST_F(SampleDatabase, isLeftCompleteInRollbackJournalMode)
{
    EXPECT_FALSE(QFile::exists(folder->databasePath() + "-wal"));
    EXPECT_FALSE(QFile::exists(folder->databasePath() + "-journal"));
    EXPECT_EQ(folder->rows("PRAGMA journal_mode").first().first(),
              QVariant(QStringLiteral("delete")));
}

TEST(TempProgramFolderCells, readWriteAndDeleteByQuestionId)
{
    TempProgramFolder folder({.rtfSets = {1}});
    folder.setCell("QOR5", "QOR5-Q3", "做题记录", "B");
    folder.setCell("QOR5", "QOR5-Q3", "属性", QVariant());
    folder.setCell("QOR5", "QOR5-Q3", "题号", 99);
    EXPECT_EQ(folder.cell("QOR5", "QOR5-Q3", "做题记录"), QVariant(QStringLiteral("B")));
    EXPECT_TRUE(folder.cell("QOR5", "QOR5-Q3", "属性").isNull());
    EXPECT_EQ(folder.cell("QOR5", "QOR5-Q3", "题号"), QVariant(qlonglong(99)));
    EXPECT_EQ(folder.cell("QOR5", "QOR5-Q4", "做题记录"), QVariant(QString()));

    folder.deleteRow("QOR5", "QOR5-Q3");
    EXPECT_EQ(folder.rows("SELECT count(*) FROM QOR5").first().first(), QVariant(qlonglong(40)));
    EXPECT_THROW(folder.cell("QOR5", "QOR5-Q3", "题型"), std::runtime_error);
    EXPECT_THROW(folder.cell("QOR5", "QOR5-Q4", "NoSuchColumn"), std::runtime_error);
}

} // namespace
