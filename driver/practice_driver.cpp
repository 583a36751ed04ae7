// A scripted practice in a process of its own, for the crash tests and the memory figure: whole
// practices through the screens' handlers on a given program folder, reporting each step on
// standard output, flushed, so a parent that kills it knows what had happened:
//   PRACTICE <set>                      the start screen's START is about to be pressed
//   RESET <set>                         the intro page is loaded: the set's answers are cleared
//   NEXT <set> <question> <letter> <time>      Next is about to be pressed with that choice
//   ANSWERED <set> <question> <letter> <time>  Next returned
//   EXPORT <set> / EXPORTED <set>       around an export of the attempt record
//   RESULTS <set>, REVIEWED <set> <question>, DONE <set>, FINISHED
// Usage: qor-practice-driver <program folder> [--seed N] [--practices N] [--sets 3,8]
//        [--export-every N] [--reviews N] [--hold] [--start-screen]
// --start-screen: only show and paint the start screen and report START SCREEN (the memory of a
// program that has just started); with --hold, then wait as after FINISHED.
// --hold: after FINISHED, wait for the end of standard input before ending, so a parent that
// kills it after any of its report lines always finds it running.
#include "practicesteps.h"

#include "form1.h"
#include "public.h"
#include "questionscreen.h"
#include "recordexport.h"

#include "forms.h"
#include "programfolder.h"
#include "runtimeerror.h"

#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <random>
#include <string>

namespace {

struct Options
{
    QString folder;
    unsigned seed = 1;
    int practices = 1;
    QList<int> sets = {3};
    int exportEvery = 0; // 0: no exports during the questions
    int reviews = 3;     // review screens opened from the results screen
    bool hold = false;   // wait for the end of standard input before ending
    bool startScreenOnly = false;
};

void report(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void waitForEndOfInput()
{
    char buffer[256];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {}
}

[[noreturn]] void usage()
{
    std::fprintf(stderr, "usage: qor-practice-driver <program folder> [--seed N] [--practices N] "
                         "[--sets 3,8] [--export-every N] [--reviews N] [--hold] "
                         "[--start-screen]\n");
    std::exit(2);
}

Options parse(const QStringList &args)
{
    Options options;
    if (args.size() < 2)
        usage();
    options.folder = args[1];
    for (int i = 2; i < args.size(); i += 2) {
        const QString &name = args[i];
        if (name == QLatin1String("--hold") || name == QLatin1String("--start-screen")) {
            if (name == QLatin1String("--hold"))
                options.hold = true;
            else
                options.startScreenOnly = true;
            --i; // a flag without a value
            continue;
        }
        if (i + 1 >= args.size())
            usage();
        const QString &value = args[i + 1];
        if (name == QLatin1String("--seed")) {
            options.seed = value.toUInt();
        } else if (name == QLatin1String("--practices")) {
            options.practices = value.toInt();
        } else if (name == QLatin1String("--export-every")) {
            options.exportEvery = value.toInt();
        } else if (name == QLatin1String("--reviews")) {
            options.reviews = value.toInt();
        } else if (name == QLatin1String("--sets")) {
            options.sets.clear();
            for (const QString &set : value.split(QLatin1Char(',')))
                options.sets.append(set.toInt());
        } else {
            usage();
        }
    }
    if (options.sets.isEmpty())
        usage();
    return options;
}

void exportRecord(int set)
{
    report(QStringLiteral("EXPORT %1").arg(set));
    RecordExport();
    report(QStringLiteral("EXPORTED %1").arg(set));
}

void runPractice(int set, const Options &options, std::mt19937 &random)
{
    using namespace practicesteps;
    report(QStringLiteral("PRACTICE %1").arg(set));
    startPracticeFromStartScreen(set);
    report(QStringLiteral("RESET %1").arg(set));
    enterQuestions();
    processPendingEvents();

    std::uniform_int_distribution<int> exportDraw(1, std::max(1, options.exportEvery));
    for (int question = 1; question <= Public::QuestionsPerSet; ++question) {
        QuestionScreen *screen = loadedQuestionScreen();
        if (!screen || Public::QuestionNo != question)
            throw std::runtime_error("no question screen for question " + std::to_string(question));
        // At most 100 seconds a question: 41 questions never run the 4500-second clock out.
        const Choice choice = thinkAndChoose(*screen, random, 100);
        const QString what = QStringLiteral("%1 %2 %3 %4")
                                 .arg(set)
                                 .arg(question)
                                 .arg(choice.letter, choice.timeText);
        report(QStringLiteral("NEXT ") + what);
        screen->Image1_Click();
        report(QStringLiteral("ANSWERED ") + what);
        processPendingEvents();
        if (options.exportEvery > 0 && exportDraw(random) == 1)
            exportRecord(set);
    }

    openResults();
    processPendingEvents();
    report(QStringLiteral("RESULTS %1").arg(set));
    std::uniform_int_distribution<int> questionDraw(1, Public::QuestionsPerSet);
    for (int k = 0; k < options.reviews; ++k) {
        const int question = questionDraw(random);
        openReview(question);
        closeReviews();
        report(QStringLiteral("REVIEWED %1 %2").arg(set).arg(question));
    }
    if (options.exportEvery > 0)
        exportRecord(set); // the results screen's export link does the same
    endAtResults();
    report(QStringLiteral("DONE %1").arg(set));
}

} // namespace

int main(int argc, char **argv)
{
    practicesteps::ScriptedApplication app(argc, argv);
    const Options options = parse(QCoreApplication::arguments());
    platform::setProgramFolder(options.folder);

    std::mt19937 random(options.seed);
    try {
        if (options.startScreenOnly) {
            auto &start = platform::Forms::get<Form1>();
            start.Show();
            practicesteps::processPendingEvents();
            start.repaint();
            report(QStringLiteral("START SCREEN"));
            if (options.hold)
                waitForEndOfInput();
            return 0;
        }
        for (int p = 0; p < options.practices; ++p) {
            Public::ResetState();
            runPractice(options.sets[p % options.sets.size()], options, random);
        }
    } catch (const platform::RuntimeError &error) {
        std::fprintf(stderr, "run-time error: %s\n", qPrintable(error.message()));
        return 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "error: %s\n", error.what());
        return 1;
    }
    report(QStringLiteral("FINISHED"));
    if (options.hold)
        waitForEndOfInput();
    return 0;
}
