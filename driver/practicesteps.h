#pragma once

#include "application.h"
#include "runtimefolder.h"

#include <QObject>
#include <QString>

#include <random>

class QuestionScreen;

// Steps of a scripted practice, driven through the screens' handlers the way a user's clicks
// reach them. Shared by the practice driver (a child process that may be killed at any moment)
// and the in-process benchmark.
namespace practicesteps {

// Keeps the screens' 1000 ms timers from ticking on their own while it is installed on the
// application: in a scripted practice the script calls the tick handlers, and a tick of the wall
// clock (a press that took over a second) would add a second the script never counted.
class ScriptedTicksOnly : public QObject
{
public:
    explicit ScriptedTicksOnly(QObject *parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The application of a process that runs screens without a user: the offscreen platform unless
// one is chosen, Qt's note that it cannot raise windows dropped, the program's font
// substitutions, every message box answered with its first button (OK or Yes), and the clock
// ticked by the script only.
class ScriptedApplication
{
public:
    ScriptedApplication(int &argc, char **argv);

private:
    static int &prepared(int &argc);                // runs before the application object exists
    platform::PrivateRuntimeFolder m_runtimeFolder; // made before the application looks for one
    platform::Application m_app;
    ScriptedTicksOnly m_ticks;
};

// Runs what the event loop runs between two clicks, the deletes that unload() posted included.
void processPendingEvents();

// Start screen: the set chosen in the list, then START; the intro page is shown, which loads it
// and so clears the set's attempt columns.
void startPracticeFromStartScreen(int set);
// The intro page's Next: the screen for question 1's type opens.
void enterQuestions();

// The question screen that is loaded (one at a time), or null.
QuestionScreen *loadedQuestionScreen();
// Which of Form3, Form4, Form5 it is: "SC", "CR", "RC"; empty for none.
QString screenType(const QuestionScreen *screen);

// What a user does on one question before pressing Next: some seconds pass on the practice
// clock (its tick handler called) and an option is ticked.
struct Choice
{
    int question = 0;
    QString letter;   // "A".."E"
    QString timeText; // as the attempt record stores the seconds spent
};
Choice thinkAndChoose(QuestionScreen &screen, std::mt19937 &random, int maxSeconds);

// The end screen's link: the results screen loads and shows.
void openResults();
// A review screen for question `question`, opened as a double-click on its grid row does.
// Returns the review screen's type ("SC", "CR", "RC").
QString openReview(int question);
void closeReviews();
// The results screen's exit: every screen closes and the program-end flag is cleared again, so
// the next practice can start in the same process.
void endAtResults();

} // namespace practicesteps
