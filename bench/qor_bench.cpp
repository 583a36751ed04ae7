// The program's speed, printed as one table (median and 99th percentile of repeated runs):
// Next on the question screens beside the bare durable SQLite update it cannot beat, the start of
// a practice, the results and review screens, the RTF reader beside unrtf and pandoc, and the
// peak memory of the program at its start screen and through a whole practice beside a bare Qt
// window, once per set of installed fonts. Figures, never assertions.
// Usage: qor_bench --work DIR [--practices N] [--seed N] [--driver PATH] [--rtf-bench PATH]
//                  [--bare-window PATH] [--font-case NAME=FONTCONFIG_FILE]...
#include "bareupdate.h"
#include "breakdown.h"
#include "childprocess.h"
#include "figuretable.h"
#include "memoryfigures.h"
#include "practicebench.h"
#include "practicesteps.h"
#include "rtfcompare.h"

#include "public.h"
#include "programfolder.h"
#include "samplecontent.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <exception>

namespace {

struct Options
{
    QString work = QStringLiteral("qor-bench-work");
    // A nearest-rank 99th percentile of fewer than 100 samples is the slowest one: with one
    // end screen per practice, 100 practices keep that row's p99 from being the run's single
    // first construction of the end screen.
    int practices = 100;
    unsigned seed = 1;
    std::string driver;
    std::string rtfBench;
    std::string bareWindow;
    std::vector<MemoryRuns::FontCase> fontCases;
};

Options parse(const QStringList &args)
{
    Options options;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString &value = args[i + 1];
        if (args[i] == QLatin1String("--work"))
            options.work = value;
        else if (args[i] == QLatin1String("--practices"))
            options.practices = value.toInt();
        else if (args[i] == QLatin1String("--seed"))
            options.seed = value.toUInt();
        else if (args[i] == QLatin1String("--driver"))
            options.driver = value.toStdString();
        else if (args[i] == QLatin1String("--rtf-bench"))
            options.rtfBench = value.toStdString();
        else if (args[i] == QLatin1String("--bare-window"))
            options.bareWindow = value.toStdString();
        else if (args[i] == QLatin1String("--font-case"))
            options.fontCases.push_back({value.section(QLatin1Char('='), 0, 0).toStdString(),
                                         value.section(QLatin1Char('='), 1).toStdString()});
        else
            throw std::runtime_error("unknown option " + args[i].toStdString());
    }
    return options;
}

std::string goal(double value, double limit)
{
    char text[96];
    std::snprintf(text, sizeof text, "goal <= %.0f ms: %s", limit,
                  value <= limit ? "met" : "MISSED");
    return text;
}

// A kind of Next against the bare durable update of the same run: the ratios of the medians and
// of the 99th percentiles, each held against its goal.
std::string overBare(const Samples &next, const Samples &bare)
{
    const double median = next.median() / bare.median();
    const double p99 = next.p99() / bare.p99();
    const bool met = median <= 1.5 && p99 <= 2;
    char text[200];
    std::snprintf(text, sizeof text,
                  "%.2fx the bare median, %.2fx its p99; goal <= 1.5x and <= 2x: %s%s", median, p99,
                  met ? "met" : "MISSED",
                  next.count() < 100 ? " (p99 of under 100 presses: the slowest one)" : "");
    return text;
}

void addPracticeFigures(FigureTable &table, const PracticeFigures &f)
{
    table.section("Next (handler start to the next question laid out), " +
                  std::to_string(f.nextStay.count() + f.nextSwitch.count() + f.nextLast.count()) +
                  " presses:");
    table.add("bare durable update (SQLite C API)", f.bareUpdate, "ms",
              "open connection, prepared UPDATE of 3 columns, same folder and PRAGMAs");
    table.add("bare open + durable update + close", f.bareOpenUpdateClose, "ms",
              "one per practice");
    table.add("Next, same screen", f.nextStay, "ms", overBare(f.nextStay, f.bareUpdate));
    const char *screens[] = {"  of which on SC (Form3)", "  of which on CR (Form4)",
                             "  of which on RC (Form5)"};
    for (size_t k = 0; k < 3; ++k)
        table.add(screens[k], f.nextStayOn[k], "ms");
    table.add("Next, switch of screen", f.nextSwitch, "ms", overBare(f.nextSwitch, f.bareUpdate));
    table.add("Next, question 41 -> end screen", f.nextLast, "ms",
              overBare(f.nextLast, f.bareUpdate));

    table.section("Screens:");
    table.add("start: intro page load, reset of 41 rows", f.start, "ms",
              "no goal; each row held an earlier answer; 41 updates");
    table.add("41 bare durable updates", f.bare41, "ms", "the reset's floor");
    table.add("results screen load, 41 rows (Form7)", f.results, "ms", goal(f.results.p99(), 16));
    const char *names[] = {"review SC open (Form8)", "review CR open (Form9)",
                           "review RC open (Form10)"};
    for (size_t k = 0; k < 3; ++k)
        table.add(names[k], f.review[k], "ms", goal(f.review[k].p99(), 16));
}

int run(const Options &options)
{
    const QString work = QDir(options.work).absolutePath();
    const QString folder = work + QStringLiteral("/program");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    std::fprintf(stderr, "writing the sample program folder into %s\n", qPrintable(folder));
    sample::writeProgramFolder(folder);
    platform::setProgramFolder(folder);

    const QString barePath = folder + QStringLiteral("/QOR DATA/bare.mdb");
    QFile::remove(barePath);
    if (!QFile::copy(folder + QStringLiteral("/QOR DATA/QOR.mdb"), barePath))
        throw std::runtime_error("cannot copy the database for the bare updates");

    QList<int> sets;
    for (int k = 0; k < options.practices; ++k)
        sets << 1 + k % 24;

    FigureTable table;
    std::fprintf(stderr, "timing %d practices\n", options.practices);
    {
        BareDatabase bare(barePath);
        addPracticeFigures(table, runPractices(bare, sets, options.seed, 5));
    }
    Public::ResetState();
    Public::SetNo = 1;
    Public::QuestionNo = 1;
    addNextBreakdown(table);

    table.section("RTF into a document:");
    std::fprintf(stderr, "timing the RTF reader and the converters\n");
    compareRtf({folder, work, options.rtfBench, 5}, table);

    table.section("Peak resident memory:");
    if (options.driver.empty() || options.bareWindow.empty()) {
        table.add("peak resident memory", 0, NAN, NAN, "MB",
                  "no --driver or --bare-window given: skipped");
    } else {
        std::fprintf(stderr, "measuring peak memory\n");
        MemoryRuns runs{options.driver, options.bareWindow, folder.toStdString(),
                        options.fontCases};
        if (runs.fontCases.empty())
            runs.fontCases.push_back({}); // the machine's own fonts
        addPeakMemory(table, runs);
    }

    table.print();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    practicesteps::ScriptedApplication app(argc, argv);
    try {
        return run(parse(QCoreApplication::arguments()));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "qor_bench: %s\n", error.what());
        return 1;
    }
}
