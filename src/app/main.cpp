// The practice-test player: opens the start screen; every later screen follows from the user's
// choices. Everything it reads and writes lies under the folder of this executable.
#include "form1.h"

#include "application.h"
#include "fonts.h"
#include "forms.h"
#include "handlerguard.h"
#include "messagebox.h"
#include "toolkittranslation.h"

#include <QIcon>

int main(int argc, char **argv)
{
    platform::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QOR Practice"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/backgrounds/app_icon.png")));
    platform::setApplicationTitle(QStringLiteral("QOR 模考练习"));
    platform::installFontSubstitutions();
    platform::installToolkitTranslation();

    // A missing picture fails the start screen's load: the error box, then the end.
    platform::runHandler([] { platform::Forms::get<Form1>().Show(); });
    if (platform::programEnded())
        return platform::programExitStatus();
    const int status = QApplication::exec();
    return platform::programEnded() ? platform::programExitStatus() : status;
}
