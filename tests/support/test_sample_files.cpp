// The generated files: determinism, the RTF question and passage files, the pictures, rewriting.
#include "tempprogramfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>

#include <gtest/gtest.h>

using testsupport::TempProgramFolder;

namespace {

constexpr int kSets = 24;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesUnder(const QString &root)
{
    QStringList files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// The visible text of an RTF file, decoding \'hh bytes as GBK and \uN as UTF-16; control words
// and braces are dropped. Sets ok to false when the GBK bytes do not decode cleanly.
QString visibleText(const QByteArray &rtf, bool &ok)
{
    QStringDecoder gbk("GBK");
    QString text;
    QByteArray pending;
    auto flush = [&] {
        text += gbk.decode(pending);
        pending.clear();
    };
    ok = true;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        if (c == '\\' && i + 3 < rtf.size() && rtf.at(i + 1) == '\'') {
            pending += char(rtf.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
            continue;
        }
        flush();
        if (c == '\\' && i + 1 < rtf.size() && QChar::isLetter(rtf.at(i + 1))) {
            qsizetype end = i + 1;
            while (end < rtf.size() && QChar::isLetter(rtf.at(end)))
                ++end;
            const QByteArray word = rtf.mid(i + 1, end - i - 1);
            const qsizetype digits = end;
            while (end < rtf.size() && (rtf.at(end) == '-' || QChar::isDigit(rtf.at(end))))
                ++end;
            const int number = rtf.mid(digits, end - digits).toInt();
            if (end < rtf.size() && rtf.at(end) == ' ')
                ++end;
            if (word == "u") {
                text += QChar(char16_t(number));
                ++end; // the one fallback character (\uc1)
            } else if (word == "par") {
                text += u'\n';
            }
            i = end - 1;
        } else if (c == '\\' && i + 1 < rtf.size()) {
            text += QLatin1Char(rtf.at(++i));
        } else if (c != '{' && c != '}' && c != '\r' && c != '\n') {
            text += QLatin1Char(c);
        }
    }
    flush();
    ok = !gbk.hasError();
    return text;
}

class SampleFiles : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { folder = std::make_unique<TempProgramFolder>(); }
    static void TearDownTestSuite() { folder.reset(); }
    static std::unique_ptr<TempProgramFolder> folder;
};

std::unique_ptr<TempProgramFolder> SampleFiles::folder;

TEST_F(SampleFiles, twoWritesGiveTheSameBytesAndRows)
{
    const TempProgramFolder again;
    const QStringList files = filesUnder(folder->path());
    ASSERT_EQ(files, filesUnder(again.path()));
    for (const QString &file : files) {
        if (file != sample::databaseRelativePath()) {
            EXPECT_EQ(readAll(folder->filePath(file)), readAll(again.filePath(file)))
                << file.toStdString();
        }
    }
    for (int set = 1; set <= kSets; ++set) {
        const QString sql = QStringLiteral("SELECT * FROM QOR%1 ORDER BY rowid").arg(set);
        EXPECT_EQ(folder->rows(sql), again.rows(sql)) << "table " << set;
    }
}

TEST_F(SampleFiles, everyQuestionAndEveryReadingKeyHasItsFile)
{
    for (int set = 1; set <= kSets; ++set) {
        for (const QVariantList &row :
             folder->rows(QStringLiteral("SELECT 题号, 题型, 属性 FROM QOR%1").arg(set))) {
            const int number = row.at(0).toInt();
            EXPECT_TRUE(QFile::exists(folder->filePath(sample::questionRelativePath(set, number))))
                << set << "-" << number;
            if (row.at(1).toString() == "RC") {
                // An empty or Null key loads the file with nothing between the hyphen and ".rtf".
                const QString key = row.at(2).toString();
                EXPECT_TRUE(QFile::exists(folder->filePath(sample::passageRelativePath(set, key))))
                    << set << "-" << number << " key " << key.toStdString();
            }
        }
    }
}

TEST_F(SampleFiles, rtfFilesAreBalancedCp936DocumentsThatDecodeBack)
{
    const QByteArray header =
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052"
        "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}";
    int files = 0;
    int withChinese = 0;
    for (QDirIterator it(folder->filePath("Load"), {"*.rtf"}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        const QByteArray rtf = readAll(path);
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(rtf.startsWith(header));
        int depth = 0;
        for (qsizetype i = 0; i < rtf.size(); ++i) {
            if (rtf.at(i) == '\\')
                ++i; // an escaped brace or backslash does not count
            else if (rtf.at(i) == '{')
                ++depth;
            else if (rtf.at(i) == '}' && --depth < 0)
                FAIL() << "unbalanced closing brace at " << i;
        }
        EXPECT_EQ(depth, 0);
        bool ok = false;
        const QString text = visibleText(rtf, ok);
        EXPECT_TRUE(ok);
        EXPECT_TRUE(text.startsWith(QStringLiteral("宋体;Calibri;")));
        withChinese += text.contains(
            QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]{4}")));
        ++files;
    }
    EXPECT_GT(files, kSets * 41);
    EXPECT_GT(withChinese, kSets * 3);

    bool ok = false;
    const QString note = visibleText(readAll(folder->filePath(sample::passageRelativePath(7, ""))),
                                     ok);
    EXPECT_TRUE(note.contains(
        QStringLiteral("阅读提示 Reading note\n本题与同组上一题使用同一篇阅读文章（第7套）")))
        << note.toStdString();
}

TEST_F(SampleFiles, emptyKeyNoteNamesNoButtonTheScreensLack)
{
    // The screens offer Next, Help and End Exam; there is no way back to an earlier question.
    for (int set = 1; set <= kSets; ++set) {
        bool ok = false;
        const QString note = visibleText(
            readAll(folder->filePath(sample::passageRelativePath(set, ""))), ok);
        for (const char *word : {"Previous", "Back", "上一页", "返回"})
            EXPECT_FALSE(note.contains(QString::fromUtf8(word), Qt::CaseInsensitive))
                << word << " in " << note.toStdString();
    }
}

TEST_F(SampleFiles, buttonPicturesHaveTheirSizes)
{
    const QList<std::pair<QString, QSize>> pictures = {
        {"next", {69, 29}}, {"previous", {69, 29}}, {"help", {77, 31}}, {"end exam", {120, 32}}};
    for (const auto &[stem, size] : pictures) {
        for (int look = 0; look <= 2; ++look) {
            const QString path = folder->filePath(
                QStringLiteral("images/%1%2.jpg").arg(stem).arg(look));
            QImage image(path);
            EXPECT_EQ(image.size(), size) << path.toStdString();
        }
    }
    EXPECT_TRUE(QDir(folder->filePath("做题记录")).isEmpty());
}

TEST(SampleRewrite, writingAgainRecreatesTheDatabaseAndFiles)
{
    TempProgramFolder folder({.rtfSets = {2}});
    folder.setCell("QOR2", "QOR2-Q1", "做题记录", "C");
    folder.execute("DROP TABLE QOR9");
    const QString question = folder.filePath(sample::questionRelativePath(2, 1));
    const QByteArray original = readAll(question);
    {
        QFile file(question);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("changed");
    }

    sample::writeProgramFolder(folder.path(), {.rtfSets = {2}});

    EXPECT_EQ(folder.cell("QOR2", "QOR2-Q1", "做题记录"), QVariant(QString()));
    EXPECT_EQ(folder.rows("SELECT count(*) FROM QOR9").first().first(), QVariant(qlonglong(41)));
    EXPECT_EQ(readAll(question), original);
}

TEST(SampleRewrite, rtfSetsLimitsTheFilesButNotTheTables)
{
    const TempProgramFolder folder({.rtfSets = {3}});
    EXPECT_TRUE(QFile::exists(folder.filePath(sample::questionRelativePath(3, 41))));
    EXPECT_TRUE(QFile::exists(folder.filePath(sample::passageRelativePath(3, "P1"))));
    EXPECT_FALSE(QDir(folder.filePath("Load/QOR-ZQ-4")).exists());
    EXPECT_EQ(
        folder.rows("SELECT count(*) FROM sqlite_master WHERE type = 'table'").first().first(),
        QVariant(qlonglong(kSets)));
}

} // namespace
