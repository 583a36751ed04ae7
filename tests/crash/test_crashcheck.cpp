// The crash checks themselves: each row is a folder state with the driver's reports, and the
// finding the checker must (or must not) make. A checker that passes everything would make the
// killed-practice tests worthless.
#include "crashcheck.h"
#include "crashfolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <string>

namespace {

const QString AnswerB1 = QStringLiteral(
    "UPDATE QOR3 SET 做题记录 = 'B', 用时 = '00:07', 正误 = CASE WHEN 答案 = 'B' "
    "THEN '√' ELSE '×' END WHERE 题号 = 1");
const std::string Reported = "PRACTICE 3\nRESET 3\nNEXT 3 1 B 00:07\nANSWERED 3 1 B 00:07\n";

QByteArray exportFile(int lines, bool finalLineEnd = true)
{
    QByteArray bytes = "QOR-ZQ-24 No.3\r\n 题号  做题记录\r\n";
    for (int q = 1; q <= lines - 2; ++q)
        bytes += "QOR3-Q" + QByteArray::number(q) + "          A        √\r\n";
    return finalLineEnd ? bytes : bytes.chopped(2);
}

// An edit that damages the database file instead of running a statement.
const QString Corrupt = QStringLiteral("corrupt");

void damage(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), 3 * 4096);
    file.seek(file.size() / 2 / 4096 * 4096);
    file.write(QByteArray(4096, '\x5a'));
}

struct Case
{
    std::string name;
    QStringList edits;     // statements run on the database
    std::string log;       // the driver's reports
    QByteArray recordFile; // written into 做题记录 when not empty
    QString recordName;    // its name; empty: an export's own name
    std::string finding;   // a violation containing this; empty: none at all
    int answers = 0;       // reported answers found (checked when there is no finding)
};

void PrintTo(const Case &row, std::ostream *out)
{
    *out << row.name;
}

std::string caseName(const ::testing::TestParamInfo<Case> &row)
{
    return row.param.name;
}

class CrashCheckTest : public ::testing::TestWithParam<Case>
{
};

TEST_P(CrashCheckTest, FindsWhatIsWrong)
{
    const Case &row = GetParam();
    CrashFolder folder(false);
    for (const QString &sql : row.edits) {
        if (sql == Corrupt)
            damage(folder.databasePath());
        else
            folder.execute(sql);
    }
    if (!row.recordFile.isEmpty())
        folder.writeRecord(row.recordName.isEmpty() ? QStringLiteral("做题记录26-1-2 10：15.txt")
                                                    : row.recordName,
                           row.recordFile);

    const crashcheck::Findings findings = crashcheck::checkFolder(folder.path(), row.log);
    std::string all;
    for (const std::string &violation : findings.violations)
        all += violation + "\n";
    if (row.finding.empty()) {
        EXPECT_TRUE(findings.violations.empty()) << all;
        EXPECT_EQ(findings.answersChecked, row.answers);
    } else {
        EXPECT_NE(all.find(row.finding), std::string::npos) << "found instead:\n" << all;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CrashCheckTest,
    ::testing::Values(
        Case{"UntouchedFolderIsClean", {}, "", {}, {}, ""},
        Case{"ReportedAnswerInItsRow", {AnswerB1}, Reported, {}, {}, "", 1},
        Case{"AnswerOfTheKilledNextMayBeMissing",
             {},
             "PRACTICE 3\nRESET 3\nNEXT 3 1 B 00:07\n",
             {},
             {},
             ""},
        Case{"AnswerOfTheKilledNextMayBeThere",
             {AnswerB1},
             "PRACTICE 3\nRESET 3\nNEXT 3 1 B 00:07\n",
             {},
             {},
             "",
             1},
        Case{"ReportedAnswerLost", {}, Reported, {}, {}, "reported answer lost"},
        Case{"LetterWithoutMarkAndTime",
             {QStringLiteral("UPDATE QOR3 SET 做题记录 = 'B' WHERE 题号 = 1")},
             "",
             {},
             {},
             "partial or malformed"},
        Case{"MarkContradictsTheKey",
             {QStringLiteral("UPDATE QOR3 SET 做题记录 = 答案, 正误 = '×', 用时 = '00:07' "
                             "WHERE 题号 = 1")},
             "",
             {},
             {},
             "partial or malformed"},
        Case{"TimeDiffersFromTheReport",
             {AnswerB1, QStringLiteral("UPDATE QOR3 SET 用时 = '00:08' WHERE 题号 = 1")},
             Reported,
             {},
             {},
             "answer differs"},
        Case{"AnswerNobodyGave",
             {QStringLiteral("UPDATE QOR5 SET 做题记录 = 答案, 正误 = '√', 用时 = '01:00' "
                             "WHERE 题号 = 9")},
             "",
             {},
             {},
             "none reported"},
        Case{"UnfinishedResetMayKeepTheOldAnswer",
             {AnswerB1},
             Reported + "PRACTICE 3\n",
             {},
             {},
             "",
             1},
        Case{"UnfinishedResetMayHaveClearedIt", {}, Reported + "PRACTICE 3\n", {}, {}, ""},
        Case{"FinishedResetClearsOldAnswers",
             {AnswerB1},
             Reported + "PRACTICE 3\nRESET 3\n",
             {},
             {},
             "none reported"},
        Case{"ExportBlankIsNoAnswer",
             {QStringLiteral("UPDATE QOR3 SET 做题记录 = ' ' WHERE 题号 = 4")},
             "",
             {},
             {},
             ""},
        Case{"CompleteExport", {}, "", exportFile(43), {}, ""},
        Case{"ExportCutShort", {}, "", exportFile(42), {}, "42 lines"},
        Case{"ExportWithoutItsLastLineEnd", {}, "", exportFile(43, false), {}, "CR LF"},
        Case{"TemporaryFileLeftBehind",
             {},
             "",
             exportFile(20),
             QStringLiteral("做题记录26-1-2 10：15.txt.kL2x9A"),
             "stray file"},
        Case{"OwnLeftoverOfAKilledRename",
             {},
             "",
             exportFile(20),
             QStringLiteral(".qor-partial/做题记录26-1-2 10：15 (2).txt.kL2x9A"),
             ""},
        Case{"OtherFileInTheTemporaryFolder",
             {},
             "",
             exportFile(43),
             QStringLiteral(".qor-partial/notes.txt"),
             "stray entry in the exports' temporary folder"},
        Case{"UsersFileNamedLikeAnOldTemporaryFile",
             {},
             "",
             exportFile(43),
             QStringLiteral(".my diary.txt.qor-partial-Secret"),
             "stray file"},
        Case{"DamagedDatabase", {Corrupt}, "", {}, {}, "integrity_check"}),
    caseName);

} // namespace
