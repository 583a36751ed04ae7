// The program's font mapping: a line of a question file, in any of the fonts it names and at
// every size those files use, fits one line of a question box, whatever else is installed.
#include "optionlayout.h"
#include "screenfonts.h"

#include "units.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

TEST(QuestionFonts, ALineAtEveryQuestionSizeFitsAQuestionBoxLine)
{
    const double pitch = OptionLayout::LineHeightTwips / platform::TwipsPerPixel;
    const QString line = QStringLiteral("Which gjpqy 中文题目？ 选项，句子。");
    for (const QString &name : platform::windowsFontNames()) {
        for (double points : ScreenFonts::QuestionPointSizes) {
            for (bool bold : {false, true}) {
                const QFont font = platform::makeFont(name, points, bold);
                EXPECT_LE(platform::lineHeight(line, font), pitch)
                    << name.toStdString() << " at " << points << " pt" << (bold ? " bold" : "")
                    << " shows in " << QFontInfo(font).family().toStdString();
            }
        }
    }
}

} // namespace
