#include "breakdown.h"

#include "figuretable.h"

#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "public.h"
#include "form7.h"
#include "optionlayout.h"

#include "richtextbox.h"

#include <QImage>
#include <QPixmap>

#include <memory>
#include <stdexcept>

namespace {

constexpr int Repeats = 41;

template<class Work> Samples repeat(Work &&work)
{
    Samples samples;
    work(); // the first run loads fonts, plugins and the like once for the whole program
    for (int k = 0; k < Repeats; ++k)
        samples.add(millisecondsOf(work));
    return samples;
}

// What a picture costs when its file is decoded: loadPicture keeps decoded pictures, so this
// goes round it.
void decode(const QString &path)
{
    const QPixmap pixmap = QPixmap::fromImage(QImage(path));
    if (pixmap.isNull())
        throw std::runtime_error("cannot decode " + path.toStdString());
}

template<class Screen> Samples construction()
{
    return repeat([] { const auto screen = std::make_unique<Screen>(); });
}

} // namespace

void addNextBreakdown(FigureTable &table)
{
    table.section("Where a switch of screen goes (each step alone):");
    table.add("background decode: question_one_pane.png",
              repeat([] { decode(QStringLiteral(":/backgrounds/question_one_pane.png")); }), "ms",
              "one decode; the layout loader keeps it for the whole run");
    table.add("background decode: question_two_pane.png",
              repeat([] { decode(QStringLiteral(":/backgrounds/question_two_pane.png")); }), "ms");
    table.add("construct Form3 (SC) from its layout", construction<Form3>(), "ms",
              "its background decoded before; question screens are built in idle time, not on "
              "Next");
    table.add("construct Form5 (RC) from its layout", construction<Form5>(), "ms");
    table.add("construct Form6 (end screen)", construction<Form6>(), "ms");
    table.add("construct Form7 (results)", construction<Form7>(), "ms");
    table.add("nine button pictures (LoadButtonPictures)",
              repeat([] { Public::LoadButtonPictures(); }), "ms",
              "at every screen load; a file is decoded again only when it changed");
    table.add("fresh connection + one-row read + close", repeat([] {
                  Public::OpenDb();
                  Public::SqlText = Public::TypeQuery(Public::SetNo, Public::QuestionNo);
                  Public::Rs->Open(Public::SqlText, *Public::Conn, platform::db::adLockOptimistic);
                  Public::Rs.reset();
                  Public::Conn->Close();
              }),
              "ms", "each Next opens three; the layer reuses a handle at rest");
    int answers = 0;
    table.add("our layer: the answer's durable write", repeat([&answers] {
                  // What Next does to record an answer: a fresh connection, the row read, three
                  // fields assigned, Update, close. The letter changes every time, so each
                  // Update really writes.
                  Public::OpenDb();
                  Public::SqlText = Public::WholeRowQuery(Public::SetNo, Public::QuestionNo);
                  Public::Rs->Open(Public::SqlText, *Public::Conn, platform::db::adLockOptimistic);
                  Public::Rs->setField(QStringLiteral("做题记录"),
                                       QString(QLatin1Char(char('A' + answers++ % 5))));
                  Public::Rs->setField(QStringLiteral("正误"), QStringLiteral("\u00D7"));
                  Public::Rs->setField(QStringLiteral("用时"), QStringLiteral("00:10"));
                  Public::Rs->Update();
                  Public::Rs->Close();
                  Public::Rs.reset();
                  Public::Conn->Close();
              }),
              "ms", "compare with the bare durable update");
    platform::RichTextBox box;
    box.setGeometryTwips(0, 0, 9000, 345);
    OptionLayout::UseQuestionLinePitch(box);
    // Another question's file each time: a box does not read again the file it holds unchanged.
    int question = 0;
    table.add("question file into a box + LineCount", repeat([&box, &question] {
                  question = question % Public::QuestionsPerSet + 1;
                  box.loadFile(Public::QuestionFilePath(Public::SetNo, question));
                  box.LineCount();
              }),
              "ms", "a file the box does not hold");
}
