#include "toolkittranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <cstdio>

namespace platform {

bool installToolkitTranslation(const QString &folder)
{
    const QString name = QStringLiteral("qtbase_zh_CN");
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator)) {
        std::fprintf(stderr,
                     "Warning: cannot load Qt's Chinese texts from %s; standard buttons and menus "
                     "show English texts (the package qt6-translations-l10n provides the file)\n",
                     qPrintable(QDir(folder).filePath(name + QStringLiteral(".qm"))));
        delete translator;
        return false;
    }
    return true;
}

} // namespace platform
