// The practice-test player: opens the start screen; every later screen follows from the user's
// choices. Everything it reads and writes lies under the folder of this executable.
#include "form1.h"

#include "application.h"
#include "folderlock.h"
#include "fonts.h"
#include "forms.h"
#include "handlerguard.h"
#include "messagebox.h"
#include "programfolder.h"
#include "runtimefolder.h"
#include "toolkittranslation.h"

#include <QDir>
#include <QIcon>

namespace {
// Where the copy that holds the folder runs, so that a person can find it and end it.
QString runningCopyText(const platform::FolderLock::Holder &holder)
{
    if (holder.processId == 0)
        return QString();
    QString text = QStringLiteral("\n那场练习的进程号：%1").arg(holder.processId);
    if (!holder.display.isEmpty())
        text += QStringLiteral("（显示 %1）").arg(holder.display);
    return text;
}
} // namespace

int main(int argc, char **argv)
{
    const platform::PrivateRuntimeFolder runtimeFolder; // before Qt looks for one
    platform::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QOR Practice"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/backgrounds/app_icon.png")));
    platform::setApplicationTitle(QStringLiteral("QOR 模考练习"));
    platform::installFontSubstitutions();
    platform::installToolkitTranslation();

    // One practice per program folder: a second copy would clear and then write into the rows of
    // the practice that runs. Taken before anything opens the database, and beside it: "QOR DATA"
    // is a folder the program must be able to write into anyway, the program folder need not be.
    platform::FolderLock lock(platform::programFolder() +
                              QStringLiteral("/QOR DATA/qor-practice.lock"));
    bool alone = false;
    platform::runHandler([&lock, &alone] { alone = lock.acquire(); });
    if (platform::programEnded())
        return platform::programExitStatus();
    if (!alone) {
        platform::messageBox(QStringLiteral("这个程序文件夹已有一场练习在进行，"
                                            "同一时间只能进行一场练习。\n"
                                            "请回到那场练习，或先结束它再重新打开。\n\n%1%2")
                                 .arg(QDir::toNativeSeparators(platform::programFolder()),
                                      runningCopyText(lock.holder())));
        return 1;
    }

    // A missing picture fails the start screen's load: the error box, then the end.
    platform::runHandler([] { platform::Forms::get<Form1>().Show(); });
    if (platform::programEnded())
        return platform::programExitStatus();
    const int status = QApplication::exec();
    return platform::programEnded() ? platform::programExitStatus() : status;
}
