// Speed of the RTF reader: MB/s for a large generated file and microseconds for a question-sized
// one, each the median of repeated runs, read with the passage pane's limits. A rate is printed
// only for a file read whole. Run on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen ./rtf_bench
#include "passagepane.h"
#include "richtextbox.h"
#include "rtfreader.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const char Header[] = "{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052"
                      "{\\fonttbl{\\f0\\fnil\\fcharset134 "
                      "\\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 Times New Roman;}}\r\n"
                      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
                      "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n";

// Chinese text as a word processor writes it: each character two \'hh escapes.
QByteArray chineseEscapes(int characters, unsigned seed)
{
    QByteArray out;
    for (int i = 0; i < characters; ++i) {
        seed = seed * 1103515245u + 12345u;
        const unsigned lead = 0xB0 + (seed >> 16) % 0x28; // GB2312 level-1 hanzi
        const unsigned trail = 0xA1 + (seed >> 8) % 0x5E;
        out += "\\'" + QByteArray::number(lead, 16) + "\\'" + QByteArray::number(trail, 16);
    }
    return out;
}

QByteArray paragraph(unsigned seed)
{
    return "\\pard\\sa120\\f1\\fs24 Question " + QByteArray::number(seed) +
           ". Read the \\b passage\\b0  below and answer: \\f0 " + chineseEscapes(30, seed) +
           "\\f1  \\i emphasis\\i0 , \\cf1 colour\\cf0 , \\ul underline\\ulnone  \\f0 " +
           chineseEscapes(20, seed + 7) + "\\f1\\par\r\n";
}

QByteArray largeFile(qsizetype size)
{
    QByteArray rtf = Header;
    for (unsigned i = 0; rtf.size() < size; ++i)
        rtf += paragraph(i);
    return rtf + "}";
}

QByteArray questionFile()
{
    QByteArray rtf = Header;
    rtf += "\\pard\\f1\\fs24 12. \\f0 " + chineseEscapes(40, 1) +
           "\\f1  Which of the following best describes the author's \\b attitude\\b0 ?\\par\r\n";
    rtf += "\\f0 " + chineseEscapes(120, 2) + "\\f1\\par\r\n";
    while (rtf.size() < 2000)
        rtf += "\\f0 " + chineseEscapes(20, unsigned(rtf.size())) + "\\f1 \\par\r\n";
    return rtf + "}";
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

double medianMicroseconds(int repeats, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QByteArray large = largeFile(1 << 20);
    benchrtf::PaneReading reading;
    QTextDocument &document = reading.document;
    const qsizetype whole = reading.wholeCharacters(large);
    const auto result = platform::rtf::readRtf(large, document, reading.limits);
    const qsizetype kept = document.characterCount();
    if (result.restLeftOut || kept != whole) {
        std::printf("rtf large file: %.2f MB, %lld of %lld characters kept: content dropped, no "
                    "rate\n",
                    large.size() / 1e6, static_cast<long long>(kept),
                    static_cast<long long>(whole));
    } else {
        const double largeUs = medianMicroseconds(
            15, [&] { platform::rtf::readRtf(large, document, reading.limits); });
        std::printf("rtf large file: %.2f MB in %.1f ms (median of 15) = %.1f MB/s, %d "
                    "paragraphs, %lld of %lld characters kept\n",
                    large.size() / 1e6, largeUs / 1000, large.size() / largeUs,
                    document.blockCount(), static_cast<long long>(kept),
                    static_cast<long long>(whole));
    }

    const QByteArray question = questionFile();
    constexpr int Batch = 100;
    const double questionUs = medianMicroseconds(31,
                                                 [&] {
                                                     for (int i = 0; i < Batch; ++i)
                                                         platform::rtf::readRtf(question, document,
                                                                                reading.limits);
                                                 }) /
                              Batch;
    std::printf("rtf question file: %lld bytes read in %.1f us (median of 31 x %d)\n",
                static_cast<long long>(question.size()), questionUs, Batch);

    // The whole step a screen takes: load the file into a box and count its lines.
    // Each file is written twice and the loads take turns: a box does not read again the file it
    // holds, unchanged, and every load here is to read and lay out its file.
    QTemporaryDir dir;
    const QString paths[] = {dir.filePath(QStringLiteral("question.rtf")),
                             dir.filePath(QStringLiteral("question-copy.rtf"))};
    const QString largePaths[] = {dir.filePath(QStringLiteral("passage.rtf")),
                                  dir.filePath(QStringLiteral("passage-copy.rtf"))};
    for (int k = 0; k < 2; ++k) {
        if (!writeFile(paths[k], question) || !writeFile(largePaths[k], large))
            return 1;
    }
    platform::RichTextBox box;
    box.setGeometryTwips(0, 0, 9000, 345);
    box.setLinePitchTwips(345); // the pitch the screens give a question box
    int lines = 0;
    int turn = 0;
    const double boxUs = medianMicroseconds(31,
                                            [&] {
                                                for (int i = 0; i < Batch; ++i) {
                                                    box.loadFile(paths[++turn % 2]);
                                                    lines = box.LineCount();
                                                }
                                            }) /
                         Batch;
    std::printf(
        "rich-text box loadFile + LineCount of the question file: %.1f us (%d lines at 600 px)\n",
        boxUs, lines);

    // What the RC screen's passage pane does with the large file: load it and lay all of it out.
    platform::RichTextBox pane;
    benchrtf::makePassagePane(pane);
    const double paneUs = medianMicroseconds(5, [&] {
        pane.loadFile(largePaths[++turn % 2]);
        lines = pane.LineCount();
    });
    std::printf("passage pane loadFile + layout of the large file: %.1f ms (median of 5, %d lines, "
                "%lld characters)\n",
                paneUs / 1000, lines, static_cast<long long>(pane.document()->characterCount()));
    return 0;
}
