// qor-make-backgrounds <folder>: draws the screens' background pictures into folder (normally
// resources/backgrounds). Run by hand when a picture's design changes; the output is kept in the
// source tree.
#include "backgroundart.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <functional>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: qor-make-backgrounds <folder>\n";
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!QDir().mkpath(folder.path())) {
        err << "qor-make-backgrounds: cannot create " << folder.path() << '\n';
        return 1;
    }

    using namespace sample::art;
    const QList<std::pair<QString, std::function<QImage()>>> pictures = {
        {"start_splash.jpg", startSplash},
        {"intro_page.png", introPage},
        {"question_one_pane.png", questionOnePane},
        {"question_two_pane.png", questionTwoPane},
        {"review_two_pane.png", reviewTwoPane},
        {"frame_bg.png", frame},
        {"question_icon.png", questionIcon},
        {"app_icon.png", appIcon},
        {"next_design.png", nextDesign},
        {"help_design.png", helpDesign},
        {"end_exam_design.png", endExamDesign},
    };
    for (const auto &[name, draw] : pictures) {
        const QString path = folder.filePath(name);
        if (!draw().save(path, nullptr, name.endsWith(".jpg") ? 88 : -1)) {
            err << "qor-make-backgrounds: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
