// Bold labels are bold at every size the screens use, whatever fonts are installed: the mapped
// family may have no bold face, and Qt's own widening of its glyphs stops at 64 px.
#include "label.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

using platform::Label;

struct Ink
{
    int pixels = 0;
    QRect bounds;
};

// The dark pixels of a label drawn in navy on white.
Ink inkOf(Label &label)
{
    const QImage image = label.grab().toImage();
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++ink.pixels;
                ink.bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

Ink inkOfLabel(const QString &caption, double points, bool bold, Label::Align align = {},
               bool wrap = false, double widthTwips = 8055)
{
    Label label;
    label.setFontName(QStringLiteral("微软雅黑"));
    label.setFontSize(points);
    label.setFontBold(bold);
    label.setForeColor(QColor(0x00, 0x00, 0x40));
    label.setBackColor(Qt::white);
    label.setCaption(caption);
    label.setAlign(align);
    label.setGeometryTwips(0, 0, widthTwips, 2415);
    label.setWordWrapping(wrap);
    label.setAutoSize(wrap);
    return inkOf(label);
}

// The bold sizes of the screens' labels: the start button (at rest, under the pointer, pressed),
// the results screen's headings and the end screen's notice and link.
class BoldLabels : public ::testing::TestWithParam<double>
{
};

TEST_P(BoldLabels, CarryAtLeastAQuarterMoreInkThanRegularOnes)
{
    const double points = GetParam();
    const QString caption = QStringLiteral("考试结束");
    const Ink regular = inkOfLabel(caption, points, false);
    const Ink bold = inkOfLabel(caption, points, true);
    ASSERT_GT(regular.pixels, 0);
    EXPECT_GE(double(bold.pixels) / regular.pixels, 1.25)
        << points << " pt: bold " << bold.pixels << " dark pixels, regular " << regular.pixels;
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, BoldLabels,
                         ::testing::Values(12.0, 14.25, 16.0, 17.0, 26.25, 90.0));

// Drawn bold, a caption stands where its regular form stands: aligned the same way in the same
// box, on the same lines.
TEST(BoldLabelPlace, FollowsAlignmentAndWrappingAsRegularText)
{
    const QString oneLine = QStringLiteral("查看做题情况>>");
    const QString wrapped = QStringLiteral("答题情况 answers and marks of every question");
    struct Case
    {
        const char *name;
        QString caption;
        Label::Align align;
        bool wrap;
    };
    const Case cases[] = {
        {"left", oneLine, Label::Align::Left, false},
        {"centred", oneLine, Label::Align::Center, false},
        {"right", oneLine, Label::Align::Right, false},
        {"wrapped, centred", wrapped, Label::Align::Center, true},
    };
    for (const Case &c : cases) {
        const double width = c.wrap ? 3000 : 4215;
        const Ink regular = inkOfLabel(c.caption, 26.25, false, c.align, c.wrap, width);
        const Ink bold = inkOfLabel(c.caption, 26.25, true, c.align, c.wrap, width);
        // The widening takes 1/24 of the em (35 px) around each glyph: under 2 px a side.
        EXPECT_NEAR(bold.bounds.left(), regular.bounds.left(), 3) << c.name;
        EXPECT_NEAR(bold.bounds.right(), regular.bounds.right(), 3) << c.name;
        EXPECT_NEAR(bold.bounds.top(), regular.bounds.top(), 3) << c.name;
        EXPECT_NEAR(bold.bounds.bottom(), regular.bounds.bottom(), 3) << c.name;
    }
}

} // namespace
