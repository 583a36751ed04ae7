// The fonts the Windows names of the screens and question files map to: whatever else is
// installed, a line of Chinese and English in any of them fits a question box's 23 px pitch.
#include "fonts.h"
#include "richtextbox.h"

#include <QFontInfo>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

double lineHeight(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.height();
}

TEST(FontsTest, EveryWindowsNameShowsInAFamilyWhoseLinesFitTheQuestionPitch)
{
    const double pitch = platform::RichTextBox::DefaultLinePitchTwips / platform::TwipsPerPixel;
    const QString line = QStringLiteral("Which gjpqy 中文题目？ 选项，句子。");
    ASSERT_FALSE(platform::substituteFamilies().isEmpty());
    for (const QString &name : platform::windowsFontNames()) {
        for (double points : {10.5, 12.0, 13.0}) {
            for (bool bold : {false, true}) {
                const QFont font = platform::makeFont(name, points, bold);
                EXPECT_TRUE(platform::substituteFamilies().contains(QFontInfo(font).family()))
                    << name.toStdString() << " shows in " << QFontInfo(font).family().toStdString();
                EXPECT_LE(lineHeight(line, font), pitch)
                    << name.toStdString() << " at " << points << " pt" << (bold ? " bold" : "")
                    << " shows in " << QFontInfo(font).family().toStdString();
            }
        }
    }
}

} // namespace
