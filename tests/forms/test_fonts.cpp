// The Windows names of the screens and files map to the first installed family, in a fixed order
// of preference, whose lines fit what the caller asks; the families after it are never opened.
#include "fonts.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

class FontMapping : public ::testing::Test
{
protected:
    // Back to the test main's mapping.
    void TearDown() override { platform::installFontSubstitutions(platform::LineFit{}); }
};

TEST_F(FontMapping, EveryWindowsNameShowsInTheOneFamilyThatFitsTheAskedPitch)
{
    const platform::LineFit fit{{10.5, 12, 13}, 23};
    platform::installFontSubstitutions(fit);
    ASSERT_EQ(platform::substituteFamilies().size(), 1) << "stops at the first that fits";
    const QString family = platform::substituteFamilies().constFirst();
    const QString line = QStringLiteral("Which gjpqy 中文题目？ 选项，句子。");
    for (const QString &name : platform::windowsFontNames()) {
        for (double points : fit.pointSizes) {
            for (bool bold : {false, true}) {
                const QFont font = platform::makeFont(name, points, bold);
                EXPECT_EQ(QFontInfo(font).family(), family) << name.toStdString();
                EXPECT_LE(platform::lineHeight(line, font), fit.linePitchPixels)
                    << name.toStdString() << " at " << points << " pt" << (bold ? " bold" : "")
                    << " shows in " << family.toStdString();
            }
        }
    }
}

TEST_F(FontMapping, WhereNoFamilyFitsEveryInstalledOneOfTheOrderIsMapped)
{
    platform::installFontSubstitutions({{12}, 1}); // no line is 1 px high
    const QStringList installed = platform::substituteFamilies();
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_EQ(QFontInfo(platform::makeFont(QStringLiteral("宋体"), 12)).family(),
              installed.constFirst());

    platform::installFontSubstitutions(platform::LineFit{}); // no sizes: the first one fits
    EXPECT_EQ(platform::substituteFamilies(), installed.mid(0, 1));
}

} // namespace
