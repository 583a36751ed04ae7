#include "crashrun.h"

#include "childprocess.h"

namespace crashrun {

namespace {
// A driver that reports nothing for this long is stuck (a message box with no answer, a loop).
constexpr int SilenceLimitMs = 60000;

void spin(long iterations)
{
    volatile long sink = 0;
    for (long i = 0; i < iterations; ++i)
        sink = sink + i;
}
} // namespace

Outcome run(const Plan &plan)
{
    // Held at its end, the driver is still running when a kill after its last line comes.
    benchsupport::ChildProcess child(
        {plan.driver, plan.folder.toStdString(), "--seed", std::to_string(plan.seed), "--practices",
         std::to_string(plan.practices), "--sets", plan.sets.toStdString(), "--export-every",
         std::to_string(plan.exportEvery), "--hold"},
        benchsupport::ChildProcess::Stdout::Capture, plan.stderrPath,
        benchsupport::ChildProcess::Stdin::Held);

    Outcome outcome;
    std::string line;
    bool killSent = false;
    if (plan.killAfterLines == 0) {
        spin(plan.spinIterations);
        child.kill();
        killSent = true;
    }
    int counted = 0;
    while (!killSent && child.readLine(line, SilenceLimitMs)) {
        ++outcome.linesSeen;
        if (plan.killAfterKind.empty() || line.starts_with(plan.killAfterKind + ' '))
            ++counted;
        if (counted == plan.killAfterLines) {
            spin(plan.spinIterations);
            child.kill();
            killSent = true;
        } else if (line == "FINISHED") {
            child.releaseInput(); // the kill point lies beyond its last line: let it end
        }
    }
    if (child.timedOut()) {
        child.kill();
        outcome.failed = true;
        outcome.failure = "the driver reported nothing for a minute";
    }
    const benchsupport::ChildProcess::Result result = child.wait();
    outcome.log = child.completeOutput();
    outcome.maxRssKb = result.maxRssKb;
    if (result.signal == 9 && killSent) {
        outcome.killed = true;
    } else if (result.exited && result.exitCode == 0 && outcome.log.size() >= 9 &&
               outcome.log.ends_with("FINISHED\n")) {
        outcome.finished = true;
    } else if (!outcome.failed) {
        outcome.failed = true;
        outcome.failure = result.exited
                              ? "the driver ended with status " + std::to_string(result.exitCode)
                              : "the driver died of signal " + std::to_string(result.signal);
    }
    return outcome;
}

void drawKillPoint(Plan &plan, std::mt19937 &random, int expectedLines, long maxSpin)
{
    const int draw = std::uniform_int_distribution<int>(0, 9)(random);
    if (draw < 6) {
        plan.killAfterKind.clear();
        plan.killAfterLines = std::uniform_int_distribution<int>(0, expectedLines)(random);
    } else if (draw < 8) {
        plan.killAfterKind = "PRACTICE";
        plan.killAfterLines = std::uniform_int_distribution<int>(1, 2)(random);
    } else {
        plan.killAfterKind = "EXPORT";
        plan.killAfterLines = std::uniform_int_distribution<int>(1, 4)(random);
    }
    // A reset or an export writes 41 rows: a targeted kill may land anywhere in it.
    const long spinLimit = plan.killAfterKind.empty() ? maxSpin : 10 * maxSpin;
    plan.spinIterations = std::uniform_int_distribution<long>(0, spinLimit)(random);
}

} // namespace crashrun
