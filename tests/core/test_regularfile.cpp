// Reading only regular files: what is not one is refused by name before it is opened, so a pipe,
// a device or a folder never blocks a read.
#include "regularfile.h"
#include "runtimeerror.h"

#include "support/namedpipe.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using platform::RegularFile;
using platform::RuntimeError;

RuntimeError openError(const QString &path)
{
    try {
        RegularFile file(path);
    } catch (const RuntimeError &error) {
        return error;
    }
    return RuntimeError(RuntimeError::Kind::Database, QStringLiteral("<opened>"));
}

TEST(RegularFile, WhatIsNoRegularFileIsRefusedByNameAndKind)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("q1.rtf"));
    const testsupport::NamedPipe fifo(pipe, QByteArrayLiteral("{\\rtf1 read from a pipe}"));
    ASSERT_TRUE(fifo.made());
    const QString folder = dir.filePath(QStringLiteral("题目"));
    ASSERT_TRUE(QDir().mkdir(folder));

    const struct
    {
        QString path;
        const char *kind;
    } rows[] = {{pipe, "a named pipe"},
                {folder, "a folder"},
                {QStringLiteral("/dev/zero"), "a character device"}};
    for (const auto &row : rows) {
        const RuntimeError error = openError(row.path);
        EXPECT_EQ(error.kind(), RuntimeError::Kind::FileIo) << row.kind;
        EXPECT_EQ(error.message(), row.path + QStringLiteral(" is ") + row.kind +
                                       QStringLiteral(", not a regular file"));
        EXPECT_FALSE(platform::isRegularFile(row.path));
    }
    EXPECT_TRUE(fifo.inPlace());
}

TEST(RegularFile, NothingThereIsNotFoundAndARegularFileIsRead)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.rtf"));
    EXPECT_EQ(openError(missing).kind(), RuntimeError::Kind::FileNotFound);
    EXPECT_EQ(openError(missing).message(), QStringLiteral("File not found: ") + missing);

    const QString path = dir.filePath(QStringLiteral("q.rtf"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("{\\rtf1 hello}");
    out.close();
    const QString link = dir.filePath(QStringLiteral("link.rtf"));
    ASSERT_TRUE(QFile::link(path, link));

    RegularFile file(link);
    EXPECT_EQ(file.size(), 13);
    EXPECT_EQ(file.read(5), QByteArrayLiteral("{\\rtf"));
    EXPECT_TRUE(file.sameFileAs(path));
    EXPECT_TRUE(platform::isRegularFile(link));
}

} // namespace
