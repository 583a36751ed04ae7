// qor-make-sample <folder>: writes a complete program folder of made-up practice content.
#include "runtimefolder.h"
#include "samplecontent.h"

#include <QGuiApplication>
#include <QTextStream>

#include <exception>

int main(int argc, char *argv[])
{
    // The pictures are drawn off screen; no display is needed at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Built as root or over ssh, XDG_RUNTIME_DIR is often unset, and Qt would warn about it.
    const platform::PrivateRuntimeFolder runtimeFolder;
    QGuiApplication app(argc, argv);

    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: qor-make-sample <program folder>\n";
        return 2;
    }
    try {
        sample::writeProgramFolder(arguments.at(1));
    } catch (const std::exception &e) {
        err << "qor-make-sample: " << QString::fromUtf8(e.what()) << '\n';
        return 1;
    }
    return 0;
}
