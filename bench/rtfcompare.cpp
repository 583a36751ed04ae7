#include "rtfcompare.h"

#include "childprocess.h"
#include "figuretable.h"

#include "passagepane.h"
#include "rtfreader.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>

#include <cmath>
#include <stdexcept>

namespace {

constexpr qsizetype LargeSize = 1 << 20;
constexpr qsizetype QuestionSize = 2048;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QStringList sampleRtfFiles(const QString &programFolder)
{
    QStringList files;
    QDirIterator it(programFolder + QStringLiteral("/Load"), {QStringLiteral("*.rtf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    if (files.isEmpty())
        throw std::runtime_error("no sample RTF files under " + programFolder.toStdString());
    return files;
}

// The sample's questions are short; the file nearest 2 KB may be a short passage.
QString fileClosestTo2Kb(const QStringList &files)
{
    QString best;
    qint64 bestDistance = -1;
    for (const QString &file : files) {
        const qint64 distance = std::abs(QFile(file).size() - QuestionSize);
        if (bestDistance < 0 || distance < bestDistance) {
            best = file;
            bestDistance = distance;
        }
    }
    return best;
}

// A sample file is a header (font and colour tables, generator, view settings), a body from the
// first \pard on, and the closing brace.
QByteArray bodyOf(const QByteArray &rtf)
{
    const qsizetype start = rtf.indexOf("\\pard");
    const qsizetype end = rtf.lastIndexOf('}');
    return start < 0 || end <= start ? QByteArray() : rtf.mid(start, end - start);
}

QByteArray largeFileFrom(const QStringList &files)
{
    const QByteArray first = readAll(files.first());
    QByteArray large = first.left(first.indexOf("\\pard"));
    while (large.size() < LargeSize) {
        for (const QString &file : files) {
            large += bodyOf(readAll(file));
            if (large.size() >= LargeSize)
                break;
        }
    }
    return large + "}\r\n";
}

// The reader as the passage pane runs it: the pane's limits, into a document with its font.
// Timed only when the whole file is kept, so its rate compares with the converters'.
struct ReaderRun
{
    Samples ms;
    qsizetype kept = 0;  // characters in the document
    qsizetype whole = 0; // characters of the file read without a budget
    bool complete = false;
};

ReaderRun timeReader(const QByteArray &rtf, int repeats)
{
    ReaderRun run;
    benchrtf::PaneReading reading;
    run.whole = reading.wholeCharacters(rtf); // also the warm-up: fonts and codecs loaded once
    const auto result = platform::rtf::readRtf(rtf, reading.document, reading.limits);
    run.kept = reading.document.characterCount();
    run.complete = !result.restLeftOut && result.picturesLeftOut == 0 && run.kept == run.whole;
    if (!run.complete)
        return run;
    for (int k = 0; k < repeats; ++k)
        run.ms.add(
            millisecondsOf([&] { platform::rtf::readRtf(rtf, reading.document, reading.limits); }));
    return run;
}

std::string keptNote(const ReaderRun &run)
{
    return std::to_string(run.kept) + " of " + std::to_string(run.whole) + " characters kept";
}

void addReaderRows(FigureTable &table, const std::string &name, const ReaderRun &run, double mb)
{
    if (!run.complete) {
        table.add(name, 0, NAN, NAN, "", keptNote(run) + ": content dropped, no rate");
    } else if (mb > 0) {
        table.add(name, run.ms.count(), mb / (run.ms.median() / 1000), mb / (run.ms.p99() / 1000),
                  "MB/s",
                  keptNote(run) + "; passage pane's limits; p99 column: 99th-percentile rate");
    } else {
        table.add(name, run.ms.count(), run.ms.median() * 1000, run.ms.p99() * 1000, "us",
                  keptNote(run) + "; passage pane's limits");
    }
}

bool installed(const std::string &program)
{
    double unused = 0;
    try {
        const auto result = benchsupport::runToEnd({program, "--version"}, &unused);
        return result.exited && result.exitCode == 0;
    } catch (const std::exception &) {
        return false;
    }
}

void timeConverter(FigureTable &table, const std::string &name,
                   const std::vector<std::string> &command, const QString &file, double mb,
                   int repeats)
{
    Samples ms;
    std::vector<std::string> argv = command;
    argv.push_back(file.toStdString());
    for (int k = 0; k < repeats; ++k) {
        double us = 0;
        const auto result = benchsupport::runToEnd(argv, &us);
        if (!result.exited || result.exitCode != 0) {
            table.add(name, 0, NAN, NAN, "",
                      "failed with status " + std::to_string(result.exitCode));
            return;
        }
        ms.add(us / 1000);
    }
    if (mb > 0)
        table.add(name, ms.count(), mb / (ms.median() / 1000), mb / (ms.p99() / 1000), "MB/s",
                  "whole process; p99 column: slowest run's rate");
    else
        table.add(name, ms.count(), ms.median() * 1000, ms.p99() * 1000, "us",
                  "whole process, start-up included");
}

// rtf_bench prints "... = 40.3 MB/s ..., N of N characters kept" (or "no rate" when content
// was dropped) and "... read in 22.8 us ..." (medians).
void addRtfBenchFigures(FigureTable &table, const std::string &rtfBench)
{
    benchsupport::ChildProcess child({rtfBench}, benchsupport::ChildProcess::Stdout::Capture,
                                     "/dev/null");
    std::string line;
    const QRegularExpression rate(QStringLiteral("= ([0-9.]+) MB/s"));
    const QRegularExpression micro(QStringLiteral("in ([0-9.]+) us"));
    const QRegularExpression boxMicro(QStringLiteral(": ([0-9.]+) us"));
    const QRegularExpression paneMilli(QStringLiteral(": ([0-9.]+) ms"));
    const QRegularExpression keptCharacters(QStringLiteral("[0-9]+ of [0-9]+ characters kept"));
    while (child.readLine(line, 600000)) {
        const QString text = QString::fromStdString(line);
        if (text.startsWith(QLatin1String("rtf large"))) {
            const auto m = rate.match(text);
            const auto kept = keptCharacters.match(text);
            table.add("rtf_bench: its 1 MB file", m.hasMatch() ? 15 : 0,
                      m.hasMatch() ? m.captured(1).toDouble() : NAN, NAN, "MB/s",
                      (kept.hasMatch() ? kept.captured(0).toStdString() + "; " : std::string()) +
                          (m.hasMatch() ? "the RTF reader's own benchmark, median only"
                                        : "content dropped, no rate"));
        } else if (auto q = micro.match(text);
                   q.hasMatch() && text.startsWith(QLatin1String("rtf question")))
            table.add("rtf_bench: its 2 KB question", 31, q.captured(1).toDouble(), NAN, "us",
                      "median of batches of 100");
        else if (auto pane = paneMilli.match(text);
                 pane.hasMatch() && text.startsWith(QLatin1String("passage pane")))
            table.add("rtf_bench: passage pane, 1 MB file", 5, pane.captured(1).toDouble(), NAN,
                      "ms", "loadFile + layout of the whole file at the pane's width");
        else if (auto b = boxMicro.match(text);
                 b.hasMatch() && text.startsWith(QLatin1String("rich-text")))
            table.add("rtf_bench: box loadFile + LineCount", 31, b.captured(1).toDouble(), NAN,
                      "us", "question file into a RichTextBox, lines counted");
    }
    const auto result = child.wait();
    if (!result.exited || result.exitCode != 0)
        table.add("rtf_bench", 0, NAN, NAN, "", "failed");
}

} // namespace

void compareRtf(const RtfComparePlan &plan, FigureTable &table)
{
    const QStringList files = sampleRtfFiles(plan.programFolder);
    const QString questionPath = plan.workFolder + QStringLiteral("/sample-2kb.rtf");
    const QString largePath = plan.workFolder + QStringLiteral("/sample-1mb.rtf");
    const QByteArray question = readAll(fileClosestTo2Kb(files));
    const QByteArray large = largeFileFrom(files);
    writeAll(questionPath, question);
    writeAll(largePath, large);
    const double largeMb = double(large.size()) / 1e6;

    addReaderRows(table, "reader: " + std::to_string(large.size() / 1024) + " KB sample file",
                  timeReader(large, 21), largeMb);
    addReaderRows(table, "reader: " + std::to_string(question.size()) + " B sample file",
                  timeReader(question, 501), 0);

    const struct
    {
        std::string name;
        std::vector<std::string> command;
    } converters[] = {{"unrtf --html", {"unrtf", "--html"}},
                      {"pandoc -f rtf -t html", {"pandoc", "-f", "rtf", "-t", "html"}}};
    for (const auto &converter : converters) {
        if (!installed(converter.command.front())) {
            table.add(converter.name, 0, NAN, NAN, "", "not installed: skipped");
            continue;
        }
        timeConverter(table, converter.name + ": 1 MB file", converter.command, largePath, largeMb,
                      plan.converterRepeats);
        timeConverter(table, converter.name + ": 2 KB file", converter.command, questionPath, 0,
                      plan.converterRepeats);
    }
    if (!plan.rtfBench.empty())
        addRtfBenchFigures(table, plan.rtfBench);
}
