#pragma once

#include <QTemporaryDir>

#include <memory>

namespace platform {

// Qt keeps a user's run-time files in the folder XDG_RUNTIME_DIR names and warns on every start
// ("XDG_RUNTIME_DIR not set") where none is set, as in a root shell or an ssh session without a
// login manager. Made before the application object, this gives the program a folder of its own
// (mode 0700, under the temporary folder) for as long as it lives; where the variable is set,
// it does nothing.
class PrivateRuntimeFolder
{
public:
    PrivateRuntimeFolder();
    ~PrivateRuntimeFolder(); // removes the folder and unsets the variable again

    PrivateRuntimeFolder(const PrivateRuntimeFolder &) = delete;
    PrivateRuntimeFolder &operator=(const PrivateRuntimeFolder &) = delete;

    // The folder made, empty when XDG_RUNTIME_DIR was set already (or none could be made).
    QString path() const;

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

} // namespace platform
