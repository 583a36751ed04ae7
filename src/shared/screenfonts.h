#pragma once

#include "fonts.h"

// The fonts the screens and the question files name, mapped at program start to an installed
// family (see fonts.h). A question box shows every line in one pitch of LineHeightTwips: the
// family must fit that pitch at every size the question files use, or their lines are clipped.
namespace ScreenFonts {

// The point sizes of the question files' text.
inline const QList<double> QuestionPointSizes = {9, 10.5, 12, 13};

// What the mapped family must fit: the question sizes in a question box's line.
platform::LineFit QuestionLineFit();

// Maps the Windows font names to the family that fits QuestionLineFit(). Call once at start,
// before any screen opens.
void Install();

} // namespace ScreenFonts
