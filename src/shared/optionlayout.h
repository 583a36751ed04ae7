#pragma once

#include <array>

namespace platform {
class Label;
class OptionButton;
class TwipsGeometry;
} // namespace platform

// The answer block under a question: the five option texts and their buttons, placed below the
// question box after every question is loaded, on the question and the review screens.
namespace OptionLayout {

constexpr double LineHeightTwips = 345;      // one text line of a question box
constexpr double OptionSpacingTwips = 270;   // between the box and label 1, and between labels
constexpr double OptionButtonDropTwips = 50; // a button stands this far below its label's top

using Labels = std::array<platform::Label *, 5>;
using Buttons = std::array<platform::OptionButton *, 5>;

// Label 1 stands the box's height (not its bottom) plus the spacing down; every further label
// the spacing below the label above; each button a little below its label. Positions are
// relative to the answer frame, computed in single precision.
void LayOut(const platform::TwipsGeometry &questionBox, const Labels &labels,
            const Buttons &buttons);

// Option texts of the reading-passage screens use 11-point type for a few listed (set, question)
// pairs, whose texts would not fit otherwise, and 13-point type for every other question.
bool UsesSmallOptionFont(int set, int question);
void ApplyOptionFontRule(const Labels &labels, int set, int question);

// Ticks nothing: every option clear.
void ClearOptions(const Buttons &buttons);

} // namespace OptionLayout
