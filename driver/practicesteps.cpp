#include "practicesteps.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "public.h"
#include "questionscreen.h"
#include "screenfonts.h"

#include "marks.h"
#include "form10.h"
#include "form7.h"
#include "form8.h"
#include "form9.h"

#include "combobox.h"
#include "forms.h"
#include "grid.h"
#include "optionbutton.h"
#include "timer.h"
#include "messagebox.h"

#include <QCoreApplication>

#include <cstdio>

namespace practicesteps {

namespace {
const QString Letters = QStringLiteral("ABCDE");

void dropRaiseNotes(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!message.contains(QLatin1String("does not support raise()")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

template<class Review> void closeIfLoaded()
{
    if (Review *review = platform::Forms::find<Review>(); review && review->isLoaded())
        review->unload();
}
} // namespace

bool ScriptedTicksOnly::eventFilter(QObject *watched, QEvent *event)
{
    return event->type() == QEvent::Timer && qobject_cast<platform::Timer *>(watched->parent());
}

ScriptedApplication::ScriptedApplication(int &argc, char **argv) : m_app(prepared(argc), argv)
{
    m_app.installEventFilter(&m_ticks);
    ScreenFonts::Install();
    platform::setMessageBoxResponder([](const platform::MessageBoxCall &call) {
        return call.buttons == platform::MessageButtons::YesNo ? platform::MessageAnswer::Yes
                                                               : platform::MessageAnswer::Ok;
    });
}

int &ScriptedApplication::prepared(int &argc)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropRaiseNotes);
    return argc;
}

void processPendingEvents()
{
    // What the event loop does between two clicks: layouts, paints and the deletion of unloaded
    // screens. Left to pile up, the posted events would slow every later press.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void startPracticeFromStartScreen(int set)
{
    auto &start = platform::Forms::get<Form1>();
    start.Show();
    start.Combo1->setText(QStringLiteral("QOR_%1").arg(set));
    start.Combo1_Click();
    start.Label2_Click();
}

void enterQuestions()
{
    platform::Forms::get<Form2>().Image1_Click();
}

QuestionScreen *loadedQuestionScreen()
{
    for (QuestionScreen *screen : {static_cast<QuestionScreen *>(platform::Forms::find<Form3>()),
                                   static_cast<QuestionScreen *>(platform::Forms::find<Form4>()),
                                   static_cast<QuestionScreen *>(platform::Forms::find<Form5>())}) {
        if (screen && screen->isLoaded())
            return screen;
    }
    return nullptr;
}

QString screenType(const QuestionScreen *screen)
{
    if (!screen)
        return {};
    if (qobject_cast<const Form3 *>(screen))
        return QStringLiteral("SC");
    if (qobject_cast<const Form4 *>(screen))
        return QStringLiteral("CR");
    return QStringLiteral("RC");
}

Choice thinkAndChoose(QuestionScreen &screen, std::mt19937 &random, int maxSeconds)
{
    const int seconds = std::uniform_int_distribution<int>(0, maxSeconds)(random);
    for (int k = 0; k < seconds; ++k)
        screen.Timer1_Timer();
    const int element = std::uniform_int_distribution<int>(0, 4)(random);
    screen.optionButtons()[size_t(element)]->setValue(true);
    return {Public::QuestionNo, Letters.mid(element, 1), TimeSpentText(seconds)};
}

void openResults()
{
    platform::Forms::get<Form6>().Label2_Click();
}

QString openReview(int question)
{
    auto &results = platform::Forms::get<Form7>();
    results.MSHFlexGrid1->setRow(question);
    results.MSHFlexGrid1_DblClick();
    if (platform::Forms::find<Form8>())
        return QStringLiteral("SC");
    if (platform::Forms::find<Form9>())
        return QStringLiteral("CR");
    return platform::Forms::find<Form10>() ? QStringLiteral("RC") : QString();
}

void closeReviews()
{
    closeIfLoaded<Form8>();
    closeIfLoaded<Form9>();
    closeIfLoaded<Form10>();
    processPendingEvents();
}

void endAtResults()
{
    platform::Forms::get<Form7>().Image3_Click();
    processPendingEvents();
    platform::resetProgramEnd();
}

} // namespace practicesteps
