#pragma once

#include <string>
#include <vector>

class FigureTable;

// Peak resident memory (VmHWM) of whole processes, beside a bare Qt window started the same way:
// the program at its start screen and through a whole practice, once per set of installed fonts (a
// fontconfig configuration each, as scripts/font-cases.sh makes them).
struct MemoryRuns
{
    struct FontCase
    {
        std::string name;           // shown in the rows; empty: the machine's own fonts
        std::string fontconfigFile; // FONTCONFIG_FILE of the runs; empty: left as it is
    };
    std::string driver;     // qor-practice-driver
    std::string bareWindow; // bare_window
    std::string folder;     // the program folder the driver runs on
    std::vector<FontCase> fontCases;
    int runs = 3;
};

void addPeakMemory(FigureTable &table, const MemoryRuns &runs);
