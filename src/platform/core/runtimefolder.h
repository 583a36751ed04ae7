#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace platform {

// Qt keeps a user's run-time files in the folder XDG_RUNTIME_DIR names and warns on every start
// ("XDG_RUNTIME_DIR not set") where none is set, as in a root shell or an ssh session without a
// login manager. Made before the application object, this sets the variable, for as long as it
// lives, to a folder of the program's own: "qor-practice-runtime-<user id>" under `base` (the
// temporary folder), made when missing, kept for the next start (a killed program leaves nothing
// new behind). A folder of that name that is not the user's own with mode 0700 is not used: a
// fresh private folder is, removed again at the end. Where the variable is set, it does nothing.
class PrivateRuntimeFolder
{
public:
    explicit PrivateRuntimeFolder(const QString &base = QDir::tempPath());
    ~PrivateRuntimeFolder(); // unsets the variable again

    PrivateRuntimeFolder(const PrivateRuntimeFolder &) = delete;
    PrivateRuntimeFolder &operator=(const PrivateRuntimeFolder &) = delete;

    // The folder given to the program, empty when XDG_RUNTIME_DIR was set already (or no folder
    // could be made).
    QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QTemporaryDir> m_fallback;
};

} // namespace platform
