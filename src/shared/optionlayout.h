#pragma once

#include "richtextbox.h"

#include <QString>

#include <array>

namespace platform {
class Label;
class OptionButton;
class TwipsGeometry;
namespace db {
class Variant;
}
} // namespace platform

// The answer block under a question: the five option texts and their buttons, placed below the
// question box after every question is loaded, on the question and the review screens.
namespace OptionLayout {

constexpr double LineHeightTwips = 345;      // every line of a question box, 23 px
constexpr double OptionSpacingTwips = 270;   // between the box and label 1, and between labels
constexpr double OptionButtonDropTwips = 50; // a button stands this far below its label's top

using Labels = std::array<platform::Label *, 5>;
using Buttons = std::array<platform::OptionButton *, 5>;

// The letter of option k (0 to 4): "A" to "E", as the option text columns are named and the
// letter column (AttemptColumns::Letter) stores an answer.
QString Letter(int k);

// Every line of the question box LineHeightTwips high, for the files it loads from now on: the
// screens set it up once.
void UseQuestionLinePitch(platform::RichTextBox &box);

// The question box made as high as its text's lines, each LineHeightTwips.
void FitQuestionBox(platform::RichTextBox &box);

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

// Shows a stored answer: the option of the stored letter ticked; an empty text clears every
// option, and anything else (a blank, Null) leaves the ticks as they are.
void TickStoredLetter(const Buttons &buttons, const platform::db::Variant &stored);

} // namespace OptionLayout
