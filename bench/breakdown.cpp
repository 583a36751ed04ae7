#include "breakdown.h"

#include "figuretable.h"

#include "form3.h"
#include "form5.h"
#include "form6.h"
#include "public.h"
#include "form7.h"

#include "picture.h"
#include "richtextbox.h"

#include <memory>

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

template<class Screen> Samples construction()
{
    return repeat([] { const auto screen = std::make_unique<Screen>(); });
}

} // namespace

void addNextBreakdown(FigureTable &table)
{
    table.section("Where a switch of screen goes (each step alone):");
    table.add("background decode: question_one_pane.png", repeat([] {
                  platform::loadPicture(QStringLiteral(":/backgrounds/question_one_pane.png"));
              }),
              "ms", "loadPicture in the layout loader, at every construction");
    table.add("background decode: question_two_pane.png", repeat([] {
                  platform::loadPicture(QStringLiteral(":/backgrounds/question_two_pane.png"));
              }),
              "ms");
    table.add("construct Form3 (SC) from its layout", construction<Form3>(), "ms",
              "the background decode included");
    table.add("construct Form5 (RC) from its layout", construction<Form5>(), "ms");
    table.add("construct Form6 (end screen)", construction<Form6>(), "ms");
    table.add("construct Form7 (results)", construction<Form7>(), "ms");
    table.add("nine button pictures (LoadButtonPictures)",
              repeat([] { Public::LoadButtonPictures(); }), "ms",
              "JPEG files read from the program folder at every screen load");
    table.add("fresh connection + one-row read + close", repeat([] {
                  Public::OpenDb();
                  Public::SqlText = Public::TypeQuery(Public::SetNo, Public::QuestionNo);
                  Public::Rs->Open(Public::SqlText, *Public::Conn, platform::db::adLockOptimistic);
                  Public::Rs.reset();
                  Public::Conn->Close();
              }),
              "ms", "each Next opens three connections");
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
    table.add("question file into a box + LineCount", repeat([&box] {
                  box.loadFile(Public::QuestionFilePath(Public::SetNo, Public::QuestionNo));
                  box.LineCount();
              }),
              "ms");
}
