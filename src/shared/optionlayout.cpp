#include "optionlayout.h"

#include "public.h"

#include "label.h"
#include "optionbutton.h"
#include "variant.h"

#include <utility>

namespace OptionLayout {

namespace {
// (set, question) pairs whose option texts are set small.
constexpr std::pair<int, int> SmallOptionFontList[] = {
    {24, 24}, {8, 12}, {13, 12}, {16, 13}, {18, 24}, {19, 26}, {20, 23},
};
} // namespace

QString Letter(int k)
{
    return QString(QChar(u'A' + k));
}

void UseQuestionLinePitch(platform::RichTextBox &box)
{
    box.setLinePitchTwips(LineHeightTwips);
}

void FitQuestionBox(platform::RichTextBox &box)
{
    box.setHeightTwips(Public::LineCount(box) * LineHeightTwips);
}

void LayOut(const platform::TwipsGeometry &questionBox, const Labels &labels,
            const Buttons &buttons)
{
    float top = float(questionBox.heightTwips()) + float(OptionSpacingTwips);
    for (std::size_t k = 0; k < labels.size(); ++k) {
        labels[k]->setTopTwips(top);
        top = top + float(labels[k]->heightTwips()) + float(OptionSpacingTwips);
    }
    for (std::size_t k = 0; k < buttons.size(); ++k)
        buttons[k]->setTopTwips(float(labels[k]->topTwips()) + float(OptionButtonDropTwips));
}

bool UsesSmallOptionFont(int set, int question)
{
    for (const auto &[listedSet, listedQuestion] : SmallOptionFontList) {
        if (set == listedSet && question == listedQuestion)
            return true;
    }
    return false;
}

void ApplyOptionFontRule(const Labels &labels, int set, int question)
{
    const double points = UsesSmallOptionFont(set, question) ? 11 : 13;
    for (platform::Label *label : labels)
        label->setFontSize(points);
}

void ClearOptions(const Buttons &buttons)
{
    for (platform::OptionButton *button : buttons)
        button->setValue(false);
}

void TickStoredLetter(const Buttons &buttons, const platform::db::Variant &stored)
{
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        if (stored.equals(Letter(int(k))))
            buttons[k]->setValue(true);
    }
    if (stored.equals(QString()))
        ClearOptions(buttons);
}

} // namespace OptionLayout
