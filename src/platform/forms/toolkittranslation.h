#pragma once

#include <QLibraryInfo>
#include <QString>

namespace platform {

// Qt draws a few texts of its own: the buttons of the message boxes (OK, Cancel, Yes, No) and
// the context menus of the text boxes. Installs Qt's Chinese translation of them, the file
// qtbase_zh_CN.qm of the Qt translations package, so they read like every other text of the
// screens. Call once, after the application object exists. When the file cannot be loaded it
// warns on stderr naming the file and returns false; the program runs on with Qt's English texts.
bool installToolkitTranslation(
    const QString &folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

} // namespace platform
