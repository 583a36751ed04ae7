// The program's own run-time folder where the session names none.
#include "runtimefolder.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Sets or unsets XDG_RUNTIME_DIR for one test and restores it afterwards.
class RuntimeVariable
{
public:
    explicit RuntimeVariable(const QByteArray &value)
        : m_wasSet(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")), m_saved(qgetenv("XDG_RUNTIME_DIR"))
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

TEST(PrivateRuntimeFolderTest, WithoutOneTheProgramGetsAPrivateFolderForItsLifetime)
{
    const RuntimeVariable unset{QByteArray()};
    QString path;
    {
        const platform::PrivateRuntimeFolder folder;
        path = folder.path();
        ASSERT_FALSE(path.isEmpty());
        EXPECT_EQ(qEnvironmentVariable("XDG_RUNTIME_DIR"), path);
        const QFileInfo info(path);
        EXPECT_TRUE(info.isDir());
        EXPECT_EQ(info.ownerId(), ::getuid());
        // Qt takes the folder only when no one but its owner may enter it.
        EXPECT_EQ(info.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"));
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
