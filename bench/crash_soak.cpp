// The crash soak: the scripted practice killed with SIGKILL at random moments, again and again on
// one program folder, which is checked after every kill (see support/crashcheck.h for what must
// hold). Prints a line per problem and a summary.
// Usage: crash_soak --driver PATH --work DIR [--kills 200] [--seed N]
#include "crashcheck.h"
#include "crashrun.h"

#include "samplecontent.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <set>

namespace {

struct Options
{
    std::string driver;
    QString work = QStringLiteral("qor-soak-work");
    int kills = 200;
    unsigned seed = 1;
};

Options parse(const QStringList &args)
{
    Options options;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString &value = args[i + 1];
        if (args[i] == QLatin1String("--driver"))
            options.driver = value.toStdString();
        else if (args[i] == QLatin1String("--work"))
            options.work = value;
        else if (args[i] == QLatin1String("--kills"))
            options.kills = value.toInt();
        else if (args[i] == QLatin1String("--seed"))
            options.seed = value.toUInt();
        else
            throw std::runtime_error("unknown option " + args[i].toStdString());
    }
    if (options.driver.empty())
        throw std::runtime_error(
            "usage: crash_soak --driver PATH [--work DIR] [--kills N] [--seed N]");
    return options;
}

// Busy-loop iterations per millisecond, so kill points spread over whole steps of the driver.
long spinPerMillisecond()
{
    const auto start = std::chrono::steady_clock::now();
    volatile long sink = 0;
    constexpr long probe = 50'000'000;
    for (long i = 0; i < probe; ++i)
        sink = sink + i;
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return long(double(probe) / ms);
}

// The step the driver was in when it was killed: the kind of its last complete report.
std::string stepAtKill(const std::string &log)
{
    if (log.empty())
        return "start-up";
    const size_t end = log.size() - 1;
    const size_t begin = log.rfind('\n', end - 1);
    const std::string last = log.substr(begin == std::string::npos ? 0 : begin + 1,
                                        end - begin - 1);
    const std::string kind = last.substr(0, last.find(' '));
    static const std::map<std::string, std::string> steps = {
        {"PRACTICE", "start screen + intro page reset"},
        {"RESET", "intro page Next"},
        {"NEXT", "inside Next"},
        {"ANSWERED", "between questions"},
        {"EXPORT", "inside an export"},
        {"EXPORTED", "between questions"},
        {"RESULTS", "reviews"},
        {"REVIEWED", "reviews"},
        {"DONE", "between practices"}};
    const auto found = steps.find(kind);
    return found == steps.end() ? "after " + kind : found->second;
}

int run(const Options &options)
{
    const QString folder = QDir(options.work).absoluteFilePath(QStringLiteral("program"));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    sample::Options content;
    content.rtfSets = {3, 8, 12, 24};
    sample::writeProgramFolder(folder, content);
    const QString journal = folder + QStringLiteral("/QOR DATA/QOR.mdb-journal");

    std::mt19937 random(options.seed);
    const long maxSpin = 15 * spinPerMillisecond();
    const QStringList setPairs = {QStringLiteral("3,8"), QStringLiteral("12,24"),
                                  QStringLiteral("8,12"), QStringLiteral("24,3")};
    std::string log;
    int runs = 0, kills = 0, finished = 0, failures = 0, hotJournals = 0;
    int runsWithViolations = 0;
    // A violation stays in the folder once made (a stray file, a lost answer): each is printed
    // and counted once, at the run that made it.
    std::set<std::string> violations;
    std::map<std::string, int> landed;
    crashcheck::Findings last;
    const auto started = std::chrono::steady_clock::now();
    while (kills < options.kills && failures < 5) {
        ++runs;
        crashrun::Plan plan;
        plan.driver = options.driver;
        plan.folder = folder;
        plan.seed = options.seed * 100000u + unsigned(runs);
        plan.sets = setPairs[runs % setPairs.size()];
        plan.exportEvery = 5;
        plan.stderrPath =
            QDir(options.work).absoluteFilePath(QStringLiteral("driver-stderr.log")).toStdString();
        // Two practices report at least 180 lines: a kill point always lands while it runs.
        crashrun::drawKillPoint(plan, random, 180, maxSpin);
        const crashrun::Outcome outcome = crashrun::run(plan);
        log += outcome.log;
        if (outcome.killed) {
            ++kills;
            ++landed[stepAtKill(outcome.log)];
            hotJournals += QFile::exists(journal) ? 1 : 0;
        } else if (outcome.finished) {
            ++finished;
        } else {
            ++failures;
            std::printf("run %d: %s\n", runs, outcome.failure.c_str());
        }
        last = crashcheck::checkFolder(folder, log);
        runsWithViolations += last.violations.empty() ? 0 : 1;
        for (const std::string &violation : last.violations) {
            if (violations.insert(violation).second)
                std::printf("run %d (killed after report line %d, %s): %s\n", runs,
                            outcome.linesSeen, stepAtKill(outcome.log).c_str(), violation.c_str());
        }
        std::fflush(stdout);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started)
                               .count();

    std::printf("crash soak: %d runs, %d SIGKILLs, %d ran to the end, %d driver failures, "
                "%zu distinct violations, seen after %d of the runs (%.0f s)\n",
                runs, kills, finished, failures, violations.size(), runsWithViolations, seconds);
    std::printf("  kills landed: ");
    for (const auto &[step, count] : landed)
        std::printf("%s %d; ", step.c_str(), count);
    std::printf("\n  a hot journal (killed inside a commit) was left by %d kills and rolled back\n",
                hotJournals);
    std::printf("  final state: %d reported answers in their rows, %d complete export files\n",
                last.answersChecked, last.exportsChecked);
    return violations.empty() && failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the sample generator draws the button pictures
    try {
        return run(parse(QCoreApplication::arguments()));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "crash_soak: %s\n", error.what());
        return 2;
    }
}
