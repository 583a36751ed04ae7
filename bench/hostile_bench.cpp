// What hostile content costs a screen: each file loaded into a box the size of the passage pane
// (scroll bar, natural line heights) or of a question box (fixed line pitch), shown, laid out and
// its lines counted; and a million-character option text put into an option label. Wall time of
// one run each, in milliseconds; every figure should stay well under a second. Run on the
// offscreen platform:
//   QT_QPA_PLATFORM=offscreen ./hostile_bench
#include "label.h"
#include "richtextbox.h"
#include "rtfreader.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// The line pitch the screens give their question boxes (23 px).
constexpr double QuestionLinePitchTwips = 345;

QByteArray hugeFontParagraphs()
{
    return "{\\rtf1\\ansi\\fs3276 " + QByteArray("x\\par\n").repeated(4000) + "}";
}

QByteArray millionCharacterWord()
{
    return "{\\rtf1\\ansi " + QByteArray(1000000, 'a') + "}";
}

QByteArray twentyThousandFonts()
{
    QByteArray table;
    QByteArray body;
    for (int font = 0; font < 20000; ++font)
        table += "{\\f" + QByteArray::number(font) + " Font" + QByteArray::number(font) + ";}";
    for (int run = 0; run < 200000; ++run)
        body += "\\f" + QByteArray::number(run % 20000) + " x";
    return "{\\rtf1\\ansi{\\fonttbl" + table + "}" + body + "}";
}

// As many 4000 x 4000 pictures as 4 MB of hex holds.
QByteArray largePictures()
{
    QImage image(4000, 4000, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const QByteArray picture = "{\\pict\\pngblip " + png.toHex() + "}\\par ";
    QByteArray rtf = "{\\rtf1\\ansi ";
    while (rtf.size() + picture.size() < platform::RichTextBox::MaxFileBytes)
        rtf += picture;
    return rtf + "}";
}

double milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

void loadIntoBox(const QString &what, const QString &path, bool passagePane)
{
    platform::RichTextBox box;
    box.setGeometryTwips(0, 0, passagePane ? 7335 : 6885, passagePane ? 9750 : 375);
    box.setLinePitchTwips(passagePane ? 0 : QuestionLinePitchTwips);
    box.setScrollBarsVertical(passagePane);
    int lines = 0;
    const double ms = milliseconds([&] {
        box.loadFile(path);
        box.show();
        lines = box.LineCount();
        QApplication::processEvents();
    });
    const bool cut = box.toPlainText().endsWith(platform::rtf::RestNotShownNotice);
    std::printf("%-44s %-14s %8.1f ms  %6d lines  %s\n", qPrintable(what),
                passagePane ? "passage pane" : "question box", ms, lines,
                cut ? "cut, with the notice" : "whole");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const struct
    {
        const char *what;
        QByteArray rtf;
    } files[] = {
        {"4000 paragraphs at \\fs3276", hugeFontParagraphs()},
        {"one word of 1,000,000 characters", millionCharacterWord()},
        {"20,000 fonts, 200,000 font switches", twentyThousandFonts()},
        {"4 MB of 4000 x 4000 pictures", largePictures()},
    };
    for (const auto &file : files) {
        const QString path = dir.filePath(QStringLiteral("hostile.rtf"));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.rtf) != file.rtf.size())
            return 1;
        out.close();
        loadIntoBox(QString::fromUtf8(file.what), path, true);
        loadIntoBox(QString::fromUtf8(file.what), path, false);
    }

    platform::Label option;
    option.setGeometryTwips(600, 1800, 6440, 345);
    option.setFontName(QStringLiteral("Segoe UI"));
    option.setFontSize(13);
    option.setAutoSize(true);
    option.setWordWrapping(true);
    const QString word(1000000, u'a');
    const double ms = milliseconds([&] {
        option.setCaption(word);
        option.show();
        QApplication::processEvents();
    });
    std::printf("%-44s %-14s %8.1f ms\n", "option text of 1,000,000 characters", "option label",
                ms);
    return 0;
}
