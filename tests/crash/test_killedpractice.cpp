// Practices in a child process killed with SIGKILL at random points (drawn from a fixed seed):
// after every kill the program folder holds whole answers, the reported ones among them, and
// whole exports only. The state carries over from kill to kill, as it does for a user whose
// program was killed and started again. The driver waits at its end and its clock ticks only
// when the script says, so every drawn kill lands and every run is the same on a slow machine.
#include "crashcheck.h"
#include "crashfolder.h"
#include "crashrun.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Two practices report at least 180 lines, so every drawn kill point lands while it runs.
constexpr int ReportLines = 180;
constexpr long MaxSpin = 1L << 22;

crashrun::Plan planFor(const CrashFolder &folder, unsigned seed)
{
    crashrun::Plan plan;
    plan.driver = QOR_PRACTICE_DRIVER;
    plan.folder = folder.path();
    plan.seed = seed;
    plan.practices = 2;
    plan.sets = QStringLiteral("3,8");
    plan.exportEvery = 4;
    return plan;
}

std::string joined(const std::vector<std::string> &lines)
{
    std::string all;
    for (const std::string &line : lines)
        all += line + "\n";
    return all;
}

TEST(KilledPracticeTest, EveryKillLeavesWholeAnswersAndWholeExports)
{
    CrashFolder folder(true);
    std::mt19937 random(611);
    std::string log;
    for (unsigned run = 1; run <= 12; ++run) {
        crashrun::Plan plan = planFor(folder, run);
        crashrun::drawKillPoint(plan, random, ReportLines, MaxSpin);
        const crashrun::Outcome outcome = crashrun::run(plan);
        ASSERT_FALSE(outcome.failed) << "run " << run << ": " << outcome.failure;
        ASSERT_TRUE(outcome.killed) << "run " << run << " ended before its kill after line "
                                    << plan.killAfterLines << " " << plan.killAfterKind;
        log += outcome.log;

        const crashcheck::Findings findings = crashcheck::checkFolder(folder.path(), log);
        EXPECT_TRUE(findings.violations.empty())
            << "run " << run << ", killed after report line " << plan.killAfterLines << ":\n"
            << joined(findings.violations);
    }
}

// The first export of a practice saves a blank into every unanswered row, one durable update
// each, while its file is being written: a kill a moment after it begins lands inside it.
TEST(KilledPracticeTest, KillInsideAnExportLeavesNoTemporaryFile)
{
    CrashFolder folder(true);
    crashrun::Plan plan = planFor(folder, 5);
    plan.killAfterKind = "EXPORT";
    plan.killAfterLines = 1;
    plan.spinIterations = 1L << 20;
    const crashrun::Outcome outcome = crashrun::run(plan);
    ASSERT_TRUE(outcome.killed) << outcome.failure;

    const crashcheck::Findings findings = crashcheck::checkFolder(folder.path(), outcome.log);
    EXPECT_TRUE(findings.violations.empty()) << joined(findings.violations);
}

TEST(KilledPracticeTest, PracticesRunToTheEndLeaveEveryAnswerAndTheirExports)
{
    CrashFolder folder(true);
    crashrun::Plan plan = planFor(folder, 7);
    plan.killAfterLines = -1;
    const crashrun::Outcome outcome = crashrun::run(plan);
    ASSERT_TRUE(outcome.finished) << outcome.failure;

    const crashcheck::Findings findings = crashcheck::checkFolder(folder.path(), outcome.log);
    EXPECT_TRUE(findings.violations.empty()) << joined(findings.violations);
    EXPECT_EQ(findings.answersChecked, 2 * 41);
    EXPECT_GE(findings.exportsChecked, 1);
}

} // namespace
