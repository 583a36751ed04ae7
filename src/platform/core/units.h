#pragma once

namespace platform {

// Positions, sizes and indents are kept in twips: 1440 to the inch, so 15 to a pixel at 96 dpi.
constexpr double TwipsPerPixel = 15.0;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(twips / TwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
inline double pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

} // namespace platform
