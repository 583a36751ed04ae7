#pragma once

#include <QColor>
#include <QImage>

class QPainter;

// The screens' background pictures (resources/backgrounds), drawn by qor-make-backgrounds.
namespace sample::art {

inline constexpr QColor kFrameBlue{0x1f, 0x3a, 0x68};
inline constexpr QColor kStripBlue{0xc4, 0xd7, 0xee};
inline constexpr QColor kHeadingBlue{0x17, 0x2f, 0x5c};

// Dark-blue frame, light-blue strip (rows 44-79), white work area (x 20-1004, y 80-728).
QImage frame();
QImage questionOnePane();
QImage questionTwoPane();
QImage reviewTwoPane();
QImage introPage();   // introart.cpp
QImage startSplash(); // splashart.cpp
QImage questionIcon();
QImage appIcon();

// The small button pictures as the designer sees them (the same drawing as images/*.jpg).
QImage nextDesign();
QImage helpDesign();
QImage endExamDesign();

} // namespace sample::art
