#include "screenfonts.h"

#include "optionlayout.h"

#include "units.h"

namespace ScreenFonts {

platform::LineFit QuestionLineFit()
{
    return {QuestionPointSizes, OptionLayout::LineHeightTwips / platform::TwipsPerPixel};
}

void Install()
{
    platform::installFontSubstitutions(QuestionLineFit());
}

} // namespace ScreenFonts
