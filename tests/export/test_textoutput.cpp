// The text writer: exact bytes, replacement in one piece, and failures that name the path and
// leave the target as it was.
#include "filesizelimit.h"
#include "runtimeerror.h"
#include "textoutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using platform::RuntimeError;
using platform::TextOutput;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Every entry of a folder, hidden ones included, and those of the writer's temporary folder in it
// as ".qor-partial/<name>": a temporary file left behind shows up here.
QStringList entries(const QString &folder)
{
    const QString temporary = TextOutput::temporaryFolderName();
    QStringList all = entriesOf(folder);
    all.removeAll(temporary);
    for (const QString &entry : entriesOf(folder + QLatin1Char('/') + temporary))
        all << temporary + QLatin1Char('/') + entry;
    return all;
}

} // namespace

struct EncodeCase
{
    const char *name;
    QStringList lines;
    QByteArray bytes;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const EncodeCase &row, std::ostream *out)
{
    *out << row.name;
}

class TextOutputEncoding : public ::testing::TestWithParam<EncodeCase>
{
};

TEST_P(TextOutputEncoding, WritesUtf8WithoutBomAndCrLfAfterEveryLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    TextOutput::writeFile(path, GetParam().lines);
    EXPECT_EQ(readAll(path), GetParam().bytes);
    EXPECT_EQ(TextOutput::encode(GetParam().lines), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TextOutputEncoding,
    ::testing::Values(
        EncodeCase{"NoLines", {}, QByteArray()},
        EncodeCase{"OneEmptyLine", {QString()}, QByteArrayLiteral("\r\n")},
        EncodeCase{"LastLineEndsToo",
                   {QStringLiteral("a"), QStringLiteral("b")},
                   QByteArrayLiteral("a\r\nb\r\n")},
        EncodeCase{"TrailingBlanksKept", {QStringLiteral(" x  ")}, QByteArrayLiteral(" x  \r\n")},
        // 题 is E9 A2 98, √ is E2 88 9A, × is C3 97, the full-width colon EF BC 9A
        EncodeCase{"ChineseAndMarks",
                   {QStringLiteral("题√×："), QStringLiteral("ok")},
                   QByteArray("\xE9\xA2\x98\xE2\x88\x9A\xC3\x97\xEF\xBC\x9A\r\nok\r\n")}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(TextOutput, ReplacesAnExistingFileWholeAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.txt"));
    writeBytes(path,
               QByteArrayLiteral("an older and much longer content that must not survive\r\n"));

    TextOutput::writeFile(path, {QStringLiteral("new")});

    EXPECT_EQ(readAll(path), QByteArrayLiteral("new\r\n"));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("record.txt")});
}

TEST(TextOutput, TargetKeepsItsOldContentUntilCommitAndIsReplacedNotRewritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.txt"));
    const QByteArray old = QByteArrayLiteral("old\r\n");
    writeBytes(path, old);
    QFile reader(path); // holds the old file open across the replacement
    ASSERT_TRUE(reader.open(QIODevice::ReadOnly));

    {
        TextOutput output(path);
        output.writeLine(QStringLiteral("first"));
        output.writeLine(QStringLiteral("second"));
        EXPECT_EQ(readAll(path), old) << "the target changed before the file was complete";
        output.commit();
    }

    EXPECT_EQ(readAll(path), QByteArrayLiteral("first\r\nsecond\r\n"));
    // A file rewritten in place would show the new bytes through the old handle too.
    EXPECT_EQ(reader.readAll(), old);
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("record.txt")});
}

TEST(TextOutput, AbandonedWithoutCommitLeavesTheTargetAndNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.txt"));
    const QString absent = dir.filePath(QStringLiteral("absent.txt"));
    writeBytes(path, QByteArrayLiteral("old\r\n"));

    {
        TextOutput replaced(path);
        replaced.writeLine(QStringLiteral("half"));
        TextOutput created(absent);
        created.writeLine(QStringLiteral("half"));
    }

    EXPECT_EQ(readAll(path), QByteArrayLiteral("old\r\n"));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("record.txt")});
}

TEST(TextOutput, FailedWriteThrowsNamingThePathAndKeepsTheTarget)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.txt"));
    writeBytes(path, QByteArrayLiteral("old\r\n"));

    try {
        const FileSizeLimit limit(64);
        TextOutput::writeFile(path, QStringList(20, QString(40, QLatin1Char('x'))));
        FAIL() << "a write beyond the file size limit succeeded";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FileIo);
        EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
    }

    EXPECT_EQ(readAll(path), QByteArrayLiteral("old\r\n"));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("record.txt")});
}

TEST(TextOutput, MissingFolderThrowsUnlessAskedToCreateIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a/b/record.txt"));

    try {
        TextOutput::writeFile(path, {QStringLiteral("x")});
        FAIL() << "wrote into a missing folder";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FileNotFound);
        EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
    }
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("a"))).exists());

    TextOutput::writeFile(path, {QStringLiteral("x")}, TextOutput::Folder::CreateMissing);
    EXPECT_EQ(readAll(path), QByteArrayLiteral("x\r\n"));
}

TEST(TextOutput, TargetThatIsAFolderThrowsNamingThePath)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("taken"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken")));

    try {
        TextOutput::writeFile(path, {QStringLiteral("x")});
        FAIL() << "replaced a folder by a file";
    } catch (const RuntimeError &error) {
        EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
    }
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("taken")});
}

// A write killed while its temporary file had a name leaves ".qor-partial/<name>.XXXXXX"; the
// next write of that file removes it, and nothing else: not the leftover of another file, not
// what else lies in that folder, and never a user's file beside the target, whatever its name.
TEST(TextOutput, ClearsOnlyItsOwnLeftoversOfTheSameFile)
{
    QTemporaryDir dir;
    const QString name = QStringLiteral("做题记录7-12-26 05：05.txt");
    const QString target = dir.filePath(name);
    writeBytes(target, QByteArrayLiteral("first\r\n"));
    const QString otherName = QStringLiteral("做题记录7-12-26 05：06.txt");
    writeBytes(dir.filePath(otherName), QByteArrayLiteral("other\r\n"));
    const QString temporary = TextOutput::temporaryFolderName() + QLatin1Char('/');
    ASSERT_TRUE(QDir(dir.path()).mkdir(TextOutput::temporaryFolderName()));
    const QStringList kept{
        name + QStringLiteral(".AbC123"), // six letters and digits, as Qt's own temporary names
        name + QStringLiteral(".backup"),
        QStringLiteral(".") + name + QStringLiteral(".qor-partial-MFRXbv"),
        QStringLiteral(".my diary.txt.qor-partial-Secret"),
        temporary + name + QStringLiteral(".AbC12"),   // one short
        temporary + name + QStringLiteral(".AbC1234"), // one long
        temporary + name + QStringLiteral(".AbC-12"),
        temporary + otherName + QStringLiteral(".Qw12Er"),
    };
    for (const QString &entry : kept)
        writeBytes(dir.filePath(entry), entry.toUtf8());
    writeBytes(dir.filePath(temporary + name + QStringLiteral(".MFRXbv")),
               QByteArrayLiteral("half"));

    for (const char *content : {"second", "third"})
        TextOutput::writeFile(target, {QString::fromLatin1(content)},
                              TextOutput::Folder::MustExist);

    EXPECT_EQ(readAll(target), QByteArrayLiteral("third\r\n"));
    QStringList expected = kept + QStringList{name, otherName};
    expected.sort();
    QStringList left = entries(dir.path());
    left.sort();
    EXPECT_EQ(left, expected);
    for (const QString &entry : kept)
        EXPECT_EQ(readAll(dir.filePath(entry)), entry.toUtf8()) << entry.toStdString();
}

// The temporary folder's name taken by something else than a folder of its own: the write says
// so and leaves everything as it was.
TEST(TextOutput, TemporaryFolderNameTakenByAFileOrLinkIsAnError)
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString target = dir.filePath(QStringLiteral("out.txt"));
    const QString temporary = dir.filePath(TextOutput::temporaryFolderName());
    for (const bool link : {false, true}) {
        QFile::remove(temporary);
        if (link)
            ASSERT_TRUE(QFile::link(elsewhere.path(), temporary));
        else
            writeBytes(temporary, QByteArrayLiteral("mine"));
        try {
            TextOutput::writeFile(target, {QStringLiteral("x")});
            FAIL() << "wrote through " << (link ? "a link" : "a file");
        } catch (const RuntimeError &error) {
            EXPECT_TRUE(error.message().contains(link ? QStringLiteral("a link")
                                                      : QStringLiteral("by a file")))
                << error.message().toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(target));
        EXPECT_TRUE(entriesOf(elsewhere.path()).isEmpty());
    }
}

// The temporary folder is made as open as the folder of the exports, whatever the umask: in a
// folder shared by several users, each of them writes there.
TEST(TextOutput, TheTemporaryFolderIsAsOpenAsItsFolder)
{
    QTemporaryDir dir;
    const QByteArray shared = QFile::encodeName(dir.path());
    ASSERT_EQ(::chmod(shared.constData(), 0777), 0);
    const mode_t mask = ::umask(077);
    TextOutput::writeFile(dir.filePath(QStringLiteral("out.txt")), {QStringLiteral("x")});
    ::umask(mask);
    struct stat info = {};
    ASSERT_EQ(::stat(QFile::encodeName(dir.filePath(TextOutput::temporaryFolderName())).constData(),
                     &info),
              0);
    EXPECT_EQ(info.st_mode & 07777, 0777u);
}
