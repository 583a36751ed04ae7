// The attempt-record export against a real program folder: the file's bytes, its name, the single
// blanks it stores into the table, and the file replaced only when complete.
#include "filesizelimit.h"
#include "fixedclock.h"
#include "public.h"
#include "recordexport.h"
#include "runtimeerror.h"
#include "scriptedmessageboxes.h"
#include "tempprogramfolder.h"
#include "textoutput.h"

#include "support/namedpipe.h"

#include "messagebox.h"
#include "programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString Table = QStringLiteral("QOR3");
const QString Letter = QStringLiteral("做题记录");

const QByteArray Heading = QByteArrayLiteral(
    " 题号       做题记录     正误             参考答案       用时 \r\n");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return file.readAll();
}

QDateTime at(int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 12, 7), QTime(hour, minute, second));
}

} // namespace

class RecordExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Public::ResetState();
        platform::setProgramFolder(folder.path());
        Public::SetNo = 3;
    }
    void TearDown() override { Public::ResetState(); }

    QString recordFolder() const { return folder.filePath(QStringLiteral("做题记录")); }
    QString recordFile(const QString &name) const { return recordFolder() + u'/' + name; }
    // Every entry of the record folder, hidden ones included, and those of the exports'
    // temporary folder in it as ".qor-partial/<name>": a temporary file shows up here.
    QStringList records() const
    {
        const auto entries = [](const QString &path) {
            return QDir(path).entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        };
        const QString temporary = platform::TextOutput::temporaryFolderName();
        QStringList all = entries(recordFolder());
        all.removeAll(temporary);
        for (const QString &entry : entries(recordFile(temporary)))
            all << temporary + u'/' + entry;
        return all;
    }
    qlonglong count(const QString &condition) const
    {
        return folder.rows(QStringLiteral("SELECT count(*) FROM QOR3 WHERE ") + condition)
            .first()
            .first()
            .toLongLong();
    }
    // Every column but 做题记录, in the order the table holds its rows.
    QList<QVariantList> otherColumns() const
    {
        return folder.rows(
            QStringLiteral("SELECT rowid, 题型, 题号, 编号, A, B, C, D, E, 答案, 正误, 用时, 属性 "
                           "FROM QOR3 ORDER BY rowid"));
    }
    void setAttempt(const QString &id, const QVariant &letter, const QVariant &mark,
                    const QVariant &answer, const QVariant &time)
    {
        folder.setCell(Table, id, Letter, letter);
        folder.setCell(Table, id, QStringLiteral("正误"), mark);
        folder.setCell(Table, id, QStringLiteral("答案"), answer);
        folder.setCell(Table, id, QStringLiteral("用时"), time);
    }

    testsupport::TempProgramFolder folder{sample::Options{{3}}};
    ScriptedMessageBoxes boxes;
    FixedClock clock{at(9, 5, 42), QStringLiteral("yyyy/M/d")};
};

TEST_F(RecordExportTest, WritesTheRecordOfAKnownTableByteForByte)
{
    // Five rows kept, in an order a sort by 编号 text would change (Q10 after Q9).
    for (int question = 1; question <= Public::QuestionsPerSet; ++question) {
        if (question != 1 && question != 2 && question != 9 && question != 10 && question != 11)
            folder.deleteRow(Table, QStringLiteral("QOR3-Q%1").arg(question));
    }
    setAttempt(QStringLiteral("QOR3-Q1"), QStringLiteral("B"), QStringLiteral("√"),
               QStringLiteral("B"), QStringLiteral("01:03"));
    setAttempt(QStringLiteral("QOR3-Q2"), QString(""), QStringLiteral("  "), QStringLiteral("D"),
               QString(""));
    setAttempt(QStringLiteral("QOR3-Q9"), QStringLiteral("A"), QStringLiteral("×"),
               QStringLiteral("C"), QStringLiteral("12:40"));
    setAttempt(QStringLiteral("QOR3-Q10"), QVariant(), QVariant(), QStringLiteral("E"), QVariant());
    setAttempt(QStringLiteral("QOR3-Q11"), QString(""), QStringLiteral("  "), QStringLiteral("A"),
               QString(""));
    const QList<QVariantList> untouched = otherColumns();

    RecordExport();

    const QString name = QStringLiteral("做题记录2026-12-7 09：05.txt");
    EXPECT_EQ(records(), QStringList{name});
    EXPECT_EQ(
        readAll(recordFile(name)),
        QByteArrayLiteral("QOR-ZQ-24 No.3\r\n") + Heading +
            QByteArrayLiteral("QOR3-Q1          B        √                 B           01:03\r\n"
                              "QOR3-Q2                                      D           \r\n"
                              "QOR3-Q9          A        ×                 C           12:40\r\n"
                              "QOR3-Q10                                   E           \r\n"
                              "QOR3-Q11                                      A           \r\n"));

    ASSERT_EQ(boxes.calls.size(), 1);
    EXPECT_EQ(boxes.calls[0].text, QStringLiteral("记录已保存至 ") + recordFile(name));
    EXPECT_EQ(boxes.calls[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(boxes.calls[0].title, platform::applicationTitle());

    // Empty letters became a single blank (the last row's too), Null stayed Null, the rest as it
    // was.
    EXPECT_EQ(folder.cell(Table, QStringLiteral("QOR3-Q1"), Letter), QVariant(QStringLiteral("B")));
    EXPECT_EQ(folder.cell(Table, QStringLiteral("QOR3-Q2"), Letter), QVariant(QStringLiteral(" ")));
    EXPECT_EQ(folder.cell(Table, QStringLiteral("QOR3-Q9"), Letter), QVariant(QStringLiteral("A")));
    EXPECT_TRUE(folder.cell(Table, QStringLiteral("QOR3-Q10"), Letter).isNull());
    EXPECT_EQ(folder.cell(Table, QStringLiteral("QOR3-Q11"), Letter),
              QVariant(QStringLiteral(" ")));
    EXPECT_EQ(otherColumns(), untouched);

    // The recordset is dropped; the connection OpenDb made stays open.
    EXPECT_EQ(Public::Rs, nullptr);
    ASSERT_NE(Public::Conn, nullptr);
    EXPECT_TRUE(Public::Conn->isOpen());
}

TEST_F(RecordExportTest, ASecondExportFindsNoEmptyLetterAndWritesTheSameLines)
{
    ASSERT_EQ(count(QStringLiteral("做题记录 = ''")),
              Public::QuestionsPerSet); // as the reset leaves it

    RecordExport();
    EXPECT_EQ(count(QStringLiteral("做题记录 = ''")), 0);
    EXPECT_EQ(count(QStringLiteral("做题记录 = ' '")), Public::QuestionsPerSet);

    clock.setMoment(at(9, 6));
    RecordExport();

    const QStringList names{QStringLiteral("做题记录2026-12-7 09：05.txt"),
                            QStringLiteral("做题记录2026-12-7 09：06.txt")};
    ASSERT_EQ(records(), names);
    const QByteArray first = readAll(recordFile(names[0]));
    EXPECT_EQ(readAll(recordFile(names[1])), first);

    const QList<QByteArray> lines = first.split('\n');
    ASSERT_EQ(lines.size(), 2 + Public::QuestionsPerSet + 1); // the last CR LF ends the file
    EXPECT_EQ(lines[0], QByteArrayLiteral("QOR-ZQ-24 No.3\r"));
    EXPECT_EQ(lines[1] + '\n', Heading);
    // An unanswered row: the stored blank, the two blanks of the reset, no time.
    const QByteArray answer =
        folder.cell(Table, QStringLiteral("QOR3-Q1"), QStringLiteral("答案")).toString().toUtf8();
    EXPECT_EQ(lines[2], "QOR3-Q1" + QByteArray(38, ' ') + answer + QByteArray(11, ' ') + '\r');
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_EQ(count(QStringLiteral("做题记录 = ' '")), Public::QuestionsPerSet);
}

TEST_F(RecordExportTest, TwoExportsInOneMinuteLeaveOneFileHoldingTheSecond)
{
    clock.setMoment(at(14, 30, 1));
    RecordExport();
    const QString path = recordFile(QStringLiteral("做题记录2026-12-7 14：30.txt"));
    const QByteArray first = readAll(path);
    QFile earlier(path); // keeps the first file open across the second export
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));

    setAttempt(QStringLiteral("QOR3-Q1"), QStringLiteral("E"), QStringLiteral("×"),
               QStringLiteral("A"), QStringLiteral("02:10"));
    clock.setMoment(at(14, 30, 59));
    RecordExport();

    EXPECT_EQ(records(), QStringList{QStringLiteral("做题记录2026-12-7 14：30.txt")});
    // The second file is the first with the changed row.
    QList<QByteArray> lines = first.split('\n');
    ASSERT_TRUE(lines[2].startsWith("QOR3-Q1 "));
    lines[2] = "QOR3-Q1          E        ×                 A           02:10\r";
    EXPECT_EQ(readAll(path), lines.join('\n'));
    // The second file took the place of the first instead of overwriting it in place.
    EXPECT_EQ(earlier.readAll(), first);
}

// A user's copies beside an export, whatever their suffix, are theirs: two exports in that
// minute replace the export and leave every copy as it was.
TEST_F(RecordExportTest, CopiesBesideAnExportSurviveTwoExportsInItsMinute)
{
    clock.setMoment(at(6, 20, 1));
    RecordExport();
    ASSERT_EQ(records().size(), 1);
    const QString name = records().first();
    const QStringList copies{name + QStringLiteral(".backup"), name + QStringLiteral(".orig01"),
                             name + QStringLiteral(".AbC123")};
    for (const QString &copy : copies) {
        QFile file(recordFile(copy));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(copy.toUtf8());
    }

    clock.setMoment(at(6, 20, 30));
    RecordExport();
    clock.setMoment(at(6, 20, 59));
    RecordExport();

    QStringList expected = copies + QStringList{name};
    expected.sort();
    EXPECT_EQ(records(), expected);
    for (const QString &copy : copies)
        EXPECT_EQ(readAll(recordFile(copy)), copy.toUtf8()) << copy.toStdString();
}

TEST_F(RecordExportTest, ExportsOfOtherSetsInOneMinuteTakeTheNextFreeNames)
{
    const QString minute = QStringLiteral("做题记录2026-12-7 14：30");
    const auto exportSet = [this](int set, int second) {
        Public::SetNo = set;
        clock.setMoment(at(14, 30, second));
        RecordExport();
        return boxes.calls.last().text;
    };
    const auto titleOf = [this](const QString &name) {
        return readAll(recordFile(name)).split('\r').first();
    };

    exportSet(3, 1);
    EXPECT_EQ(exportSet(8, 20), QStringLiteral("记录已保存至 ") + recordFile(minute + " (2).txt"));
    // An earlier export of the same set is replaced; the other set's record stays.
    EXPECT_EQ(exportSet(3, 30), QStringLiteral("记录已保存至 ") + recordFile(minute + ".txt"));
    EXPECT_EQ(exportSet(8, 40), QStringLiteral("记录已保存至 ") + recordFile(minute + " (2).txt"));
    EXPECT_EQ(exportSet(9, 50), QStringLiteral("记录已保存至 ") + recordFile(minute + " (3).txt"));

    EXPECT_EQ(records(), (QStringList{minute + " (2).txt", minute + " (3).txt", minute + ".txt"}));
    EXPECT_EQ(titleOf(minute + ".txt"), "QOR-ZQ-24 No.3");
    EXPECT_EQ(titleOf(minute + " (2).txt"), "QOR-ZQ-24 No.8");
    EXPECT_EQ(titleOf(minute + " (3).txt"), "QOR-ZQ-24 No.9");
}

TEST_F(RecordExportTest, LeftoversOfKilledExportsGoAtTheNextExportWhateverTheirName)
{
    // Killed between naming their temporary files and the rename: an export of another set
    // (" (2)") in this minute and one of an earlier minute. Neither name is written again.
    const QString minute = QStringLiteral("做题记录2026-12-7 14：30");
    // Only the exports' own temporary folder is cleared: a user's file beside the records stays,
    // however much its name looks like a temporary one.
    const QString temporary = platform::TextOutput::temporaryFolderName() + u'/';
    const QStringList leftovers{temporary + minute + " (2).txt.Ab12Cd",
                                temporary + QStringLiteral("做题记录2026-12-7 14：29.txt.x9Y8z7")};
    const QStringList usersFiles{minute + " (2).txt.backup", QStringLiteral(".qor-partial-Ab12Cd"),
                                 QStringLiteral(".my diary.txt.qor-partial-Secret"),
                                 QStringLiteral(".") + minute + " (2).txt.qor-partial-Ab12Cd"};
    QDir().mkpath(recordFile(temporary));
    for (const QString &name : leftovers + usersFiles) {
        QFile file(recordFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    clock.setMoment(at(14, 30, 40));
    RecordExport();

    QStringList expected = usersFiles + QStringList{minute + ".txt"};
    expected.sort();
    EXPECT_EQ(records(), expected);
}

TEST_F(RecordExportTest, AFileOfTheSameNameThatIsNoRecordOfTheSetIsKept)
{
    const QString name = QStringLiteral("做题记录2026-12-7 09：05.txt");
    const QByteArray notes = QByteArrayLiteral("QOR-ZQ-24 No.30\r\nmy notes\r\n");
    {
        QFile file(recordFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(notes);
    }

    RecordExport();

    EXPECT_EQ(readAll(recordFile(name)), notes);
    const QString written = recordFile(QStringLiteral("做题记录2026-12-7 09：05 (2).txt"));
    EXPECT_TRUE(readAll(written).startsWith("QOR-ZQ-24 No.3\r\n"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("记录已保存至 ") + written});
}

// A pipe or a folder under the minute's name is no record of the set: the export takes the next
// free name at once, never opening the pipe, and leaves both in place.
TEST_F(RecordExportTest, APipeOrAFolderUnderTheNameIsPassedOver)
{
    const QString pipe = recordFile(QStringLiteral("做题记录2026-12-7 09：05.txt"));
    const QString folderName = recordFile(QStringLiteral("做题记录2026-12-7 09：05 (2).txt"));
    // Were the pipe read, it would tell of a record of this very set.
    const testsupport::NamedPipe fifo(pipe, QByteArrayLiteral("QOR-ZQ-24 No.3\r\n"));
    ASSERT_TRUE(fifo.made());
    ASSERT_TRUE(QDir().mkpath(folderName));

    RecordExport();

    const QString written = recordFile(QStringLiteral("做题记录2026-12-7 09：05 (3).txt"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("记录已保存至 ") + written});
    EXPECT_TRUE(readAll(written).startsWith("QOR-ZQ-24 No.3\r\n"));
    EXPECT_TRUE(fifo.inPlace());
    EXPECT_TRUE(QFileInfo(folderName).isDir());
}

TEST_F(RecordExportTest, AFailedWriteLeavesTheEarlierFileOfTheMinuteIntact)
{
    RecordExport();
    const QString path = recordFile(QStringLiteral("做题记录2026-12-7 09：05.txt"));
    const QByteArray first = readAll(path);
    ASSERT_GT(first.size(), 512);

    // The second export stores nothing (no empty letter is left), so only the file write fails.
    clock.setMoment(at(9, 5, 59));
    try {
        const FileSizeLimit limit(512);
        RecordExport();
        FAIL() << "the export wrote beyond the file size limit";
    } catch (const platform::RuntimeError &error) {
        EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
    }

    EXPECT_EQ(readAll(path), first);
    EXPECT_EQ(records(), QStringList{QStringLiteral("做题记录2026-12-7 09：05.txt")});
    EXPECT_EQ(boxes.calls.size(), 1); // no closing message for the failed export
}

TEST_F(RecordExportTest, EmptyTableWritesNoFileAndShowsTheBareMessage)
{
    folder.execute(QStringLiteral("DELETE FROM QOR3"));

    RecordExport();

    EXPECT_TRUE(records().isEmpty());
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("记录已保存至 ")});
    EXPECT_EQ(Public::Rs, nullptr);
}

TEST_F(RecordExportTest, MissingRecordFolderIsCreated)
{
    ASSERT_TRUE(QDir(recordFolder()).removeRecursively());

    RecordExport();

    EXPECT_EQ(records(), QStringList{QStringLiteral("做题记录2026-12-7 09：05.txt")});
}

TEST_F(RecordExportTest, NamesTheFileByTheDateAndTimeOfOneMoment)
{
    // An export just before midnight: a second reading of the clock would already be tomorrow.
    FixedClock midnight(
        {QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59, 900)), at(0, 0).addDays(1)});

    RecordExport();

    EXPECT_EQ(records(), QStringList{QStringLiteral("做题记录2026-12-7 23：59.txt")});
}

TEST_F(RecordExportTest, MissingTableFailsNamingItAndWritesNothing)
{
    Public::SetNo = 25;

    try {
        RecordExport();
        FAIL() << "exported a table that does not exist";
    } catch (const platform::RuntimeError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("QOR25")))
            << error.message().toStdString();
    }
    EXPECT_TRUE(records().isEmpty());
    EXPECT_TRUE(boxes.calls.isEmpty());
}
