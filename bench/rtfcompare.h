#pragma once

#include <QString>

#include <string>

class FigureTable;

// The RTF reader against two common converters on the same files, all timed in this run:
// - a file of about 2 KB, the sample file closest to that size (the sample questions are
//   shorter, so it may be a short passage);
// - a file of about 1 MB, the bodies of the sample question and passage files one after another
//   under the header of the first (the sample content as a word processor writes it, at length).
// Our reader is timed in-process (RTF bytes into a QTextDocument, with the limits of the passage
// pane), and only when it keeps the whole file: its row shows the characters kept beside those
// of the file, and a read that dropped content gets no rate. `unrtf --html` and
// `pandoc -f rtf -t html` as whole processes, start-up included, when they are installed.
// The RTF reader's own benchmark (rtf_bench, its generated files) is run as a process and its
// figures added as printed.
struct RtfComparePlan
{
    QString programFolder; // where the sample RTF files are
    QString workFolder;    // where the two files are written
    std::string rtfBench;  // path of rtf_bench; empty: not run
    int converterRepeats = 5;
};

void compareRtf(const RtfComparePlan &plan, FigureTable &table);
