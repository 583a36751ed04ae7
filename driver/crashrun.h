#pragma once

#include <QString>

#include <random>
#include <string>

// Runs the practice driver on a program folder and kills it with SIGKILL at a random moment:
// after a randomly chosen number of its report lines, plus a random stretch of busy work (so the
// kill lands anywhere between two reports, most often inside a database commit or a file write).
namespace crashrun {

struct Plan
{
    std::string driver; // path of qor-practice-driver
    QString folder;     // the program folder it works on
    unsigned seed = 1;  // the driver's choices
    int practices = 2;
    QString sets = QStringLiteral("3");
    int exportEvery = 5;
    int killAfterLines = 0;    // < 0: never killed, runs to its end
    std::string killAfterKind; // count only reports of this kind ("PRACTICE"); empty: all
    long spinIterations = 0;   // busy work between that line and the kill
    std::string stderrPath;    // empty: shared with ours
};

struct Outcome
{
    bool killed = false;   // the kill landed while it ran (always, for a kill point that lies
                           // within its report lines: the driver waits at its end)
    bool finished = false; // it ended by itself, reporting FINISHED with status 0
    bool failed = false;   // it ended by itself otherwise, or stopped reporting for a minute
    int linesSeen = 0;
    long maxRssKb = 0;
    std::string log;     // every complete report line
    std::string failure; // what went wrong when failed
};

Outcome run(const Plan &plan);

// A random kill point for a driver that reports at least `expectedLines` lines: mostly after any
// report line; a fifth of the time after one of the first two PRACTICE reports (inside the
// reset of 41 rows), a fifth after one of the first four EXPORT reports (inside an export); then
// up to `maxSpin` iterations of busy work (ten times that after a targeted report).
void drawKillPoint(Plan &plan, std::mt19937 &random, int expectedLines, long maxSpin);

} // namespace crashrun
