#pragma once

#include <QFont>
#include <QPainterPath>

class QTextLayout;

namespace platform {

// Bold in a family without a bold face of its own (WenQuanYi Micro Hei has none). Qt widens such
// glyphs only where it draws them from its glyph cache, below 64 px: larger ones it fills as their
// plain outlines, and large bold text comes out in regular weight. Bold text in such a family is
// drawn here as its regular outlines widened by a stroke, which is bold at every size.

// True when `font` asks for bold and the family it resolves to has no bold face.
bool boldIsSynthetic(const QFont &font);

// The glyph outlines of `layout`, laid out in a regular font, each widened by 1/24 of its em
// (as FreeType's bold widens small text), at the layout's position: fill it to draw the text bold.
QPainterPath emboldenedOutline(const QTextLayout &layout);

} // namespace platform
