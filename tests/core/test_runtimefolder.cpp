// The program's own run-time folder where the session names none.
#include "runtimefolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Sets or unsets XDG_RUNTIME_DIR for one test and restores it afterwards.
class RuntimeVariable
{
public:
    explicit RuntimeVariable(const QByteArray &value)
        : m_wasSet(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")),
          m_saved(qgetenv("XDG_RUNTIME_DIR"))
    {
        if (value.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", value);
    }
    ~RuntimeVariable()
    {
        if (m_wasSet)
            qputenv("XDG_RUNTIME_DIR", m_saved);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

private:
    bool m_wasSet;
    QByteArray m_saved;
};

// Qt takes the folder only when it is the user's and no one else may enter it.
void expectPrivate(const QString &path)
{
    const QFileInfo info(path);
    EXPECT_TRUE(info.isDir() && !info.isSymLink()) << path.toStdString();
    EXPECT_EQ(info.ownerId(), ::getuid());
    EXPECT_EQ(info.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(PrivateRuntimeFolderTest, WithoutOneEveryStartGetsTheSamePrivateFolder)
{
    const RuntimeVariable unset{QByteArray()};
    QTemporaryDir base;
    QString first;
    {
        const platform::PrivateRuntimeFolder folder(base.path());
        first = folder.path();
        ASSERT_FALSE(first.isEmpty());
        EXPECT_EQ(qEnvironmentVariable("XDG_RUNTIME_DIR"), first);
        expectPrivate(first);
    }
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"));
    // Kept for the next start: a program killed before its end leaves no folder of its own.
    const platform::PrivateRuntimeFolder again(base.path());
    EXPECT_EQ(again.path(), first);
}

TEST(PrivateRuntimeFolderTest, AFolderOpenToOthersIsNotUsed)
{
    const RuntimeVariable unset{QByteArray()};
    QTemporaryDir base;
    const QString own = base.filePath(QStringLiteral("qor-practice-runtime-%1").arg(::getuid()));
    ASSERT_TRUE(QDir().mkdir(own));
    ASSERT_TRUE(QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ReadOther | QFile::ExeOther));
    QString used;
    {
        const platform::PrivateRuntimeFolder folder(base.path());
        used = folder.path();
        ASSERT_FALSE(used.isEmpty());
        EXPECT_NE(used, own);
        EXPECT_EQ(qEnvironmentVariable("XDG_RUNTIME_DIR"), used);
        expectPrivate(used);
    }
    EXPECT_FALSE(QFileInfo::exists(used)); // the fresh one goes at the end
}

TEST(PrivateRuntimeFolderTest, TheSessionsFolderIsKept)
{
    const RuntimeVariable session{QByteArrayLiteral("/run/user/4242")};
    {
        const platform::PrivateRuntimeFolder folder;
        EXPECT_TRUE(folder.path().isEmpty());
        EXPECT_EQ(qgetenv("XDG_RUNTIME_DIR"), QByteArrayLiteral("/run/user/4242"));
    }
    EXPECT_EQ(qgetenv("XDG_RUNTIME_DIR"), QByteArrayLiteral("/run/user/4242"));
}

} // namespace
