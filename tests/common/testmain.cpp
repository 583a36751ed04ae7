// The test main of every test that needs an application object: the program's own (which turns a
// run-time error escaping a handler into the error box) on the offscreen platform, also when the
// test is listed at build time. The screens' tests (QOR_SCREEN_FONTS) run with the font mapping
// the program installs at start; the others with the first installed family of the mapping's
// order.
#ifdef QOR_SCREEN_FONTS
#include "screenfonts.h"
#else
#include "fonts.h"
#endif

#include "application.h"
#include "runtimefolder.h"

#include <QDir>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <cstdio>

namespace {
// The offscreen platform cannot raise windows and says so at every Show; keep the output readable.
void filterMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!message.contains(QLatin1String("does not support raise()")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The offscreen platform's default screen (800 x 600) is smaller than the 1024 x 768 screens, and
// events outside a screen are dropped: give it the size of a real desktop at 96 dpi.
void useDesktopSizedOffscreenScreen()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return;
    static QTemporaryFile config(QDir::tempPath() + QStringLiteral("/qor-offscreen-XXXXXX.json"));
    if (!config.open())
        return;
    config.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1280,
                   "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
}
} // namespace

int main(int argc, char **argv)
{
    useDesktopSizedOffscreenScreen();
    qInstallMessageHandler(filterMessages);
    const platform::PrivateRuntimeFolder runtimeFolder; // no "XDG_RUNTIME_DIR not set" lines
    platform::Application app(argc, argv);
#ifdef QOR_SCREEN_FONTS
    ScreenFonts::Install();
#else
    platform::installFontSubstitutions(platform::LineFit{});
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
