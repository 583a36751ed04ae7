#pragma once

#include <QString>

namespace platform {

// The folder of the program's executable, without a trailing separator. Everything the program
// reads and writes lies under it. Tests point it at a temporary folder.
QString programFolder();
void setProgramFolder(const QString &folder);

} // namespace platform
