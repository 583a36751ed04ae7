#include "memoryfigures.h"

#include "childprocess.h"
#include "figuretable.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// FONTCONFIG_FILE set for the children started while it lives.
class FontconfigFile
{
public:
    explicit FontconfigFile(const std::string &path)
    {
        if (const char *old = std::getenv("FONTCONFIG_FILE"))
            m_old = old;
        if (!path.empty())
            setenv("FONTCONFIG_FILE", path.c_str(), 1);
    }
    ~FontconfigFile()
    {
        if (m_old)
            setenv("FONTCONFIG_FILE", m_old->c_str(), 1);
        else
            unsetenv("FONTCONFIG_FILE");
    }
    FontconfigFile(const FontconfigFile &) = delete;
    FontconfigFile &operator=(const FontconfigFile &) = delete;

private:
    std::optional<std::string> m_old;
};

// VmHWM of a running process, in kB; 0 when it cannot be read.
long peakResidentKb(int pid)
{
    std::FILE *status = std::fopen(("/proc/" + std::to_string(pid) + "/status").c_str(), "r");
    if (!status)
        return 0;
    long kb = 0;
    char line[256];
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1)
            break;
    std::fclose(status);
    return kb;
}

// The peak resident memory of each run, in MB, read while the child holds at its end (after the
// line `done`, until its input ends); empty when a run failed.
Samples peakMegabytes(std::vector<std::string> argv, const std::string &done, int runs)
{
    argv.push_back("--hold");
    Samples mb;
    for (int k = 0; k < runs; ++k) {
        benchsupport::ChildProcess child(argv, benchsupport::ChildProcess::Stdout::Capture,
                                         "/dev/null", benchsupport::ChildProcess::Stdin::Held);
        std::string line;
        while (child.readLine(line, 120000) && line != done) {}
        const long kb = line == done ? peakResidentKb(child.pid()) : 0;
        const auto result = child.wait();
        if (kb == 0 || !result.exited || result.exitCode != 0)
            return {};
        mb.add(double(kb) / 1024);
    }
    return mb;
}

std::string overBare(const Samples &figure, const Samples &bare, const char *what)
{
    char text[160];
    std::snprintf(text, sizeof text, "%s; %+.1f MB over the bare window", what,
                  figure.median() - bare.median());
    return text;
}

void addRow(FigureTable &table, const std::string &name, const Samples &mb, const std::string &note)
{
    if (mb.empty())
        table.add(name, 0, NAN, NAN, "MB", "the process failed");
    else
        table.add(name, mb, "MB", note);
}

} // namespace

void addPeakMemory(FigureTable &table, const MemoryRuns &runs)
{
    for (const MemoryRuns::FontCase &fonts : runs.fontCases) {
        const FontconfigFile fontconfig(fonts.fontconfigFile);
        const std::string in = fonts.name.empty() ? "" : ", fonts " + fonts.name;
        const Samples bare = peakMegabytes({runs.bareWindow}, "PAINTED", runs.runs);
        const Samples start = peakMegabytes({runs.driver, runs.folder, "--start-screen"},
                                            "START SCREEN", runs.runs);
        const Samples whole = peakMegabytes({runs.driver, runs.folder, "--practices", "1", "--sets",
                                             "5", "--reviews", "3", "--export-every", "0"},
                                            "FINISHED", runs.runs);
        addRow(table, "bare Qt window" + in, bare, "VmHWM: a window, a line of Chinese text");
        addRow(table, "start screen" + in, start,
               bare.empty() ? "" : overBare(start, bare, "shown and painted"));
        addRow(table, "whole practice" + in, whole,
               bare.empty() ? "" : overBare(whole, bare, "41 questions, results, 3 reviews"));
    }
}
