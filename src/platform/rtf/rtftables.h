#pragma once

#include <QColor>
#include <QString>

#include <unordered_map>
#include <vector>

namespace platform::rtf {

enum class FontFamily { Any, Roman, Swiss, Modern, Script, Decor };

struct FontEntry
{
    QString name;
    int codePage = 0; // 0: the document's code page
    FontFamily family = FontFamily::Any;
};

// The document-wide tables that character properties refer to by number.
struct DocumentTables
{
    std::unordered_map<int, FontEntry> fonts;
    std::vector<QColor> colors; // an invalid colour is the automatic one
    int defaultFont = 0;
    int codePage = 1252; // \ansicpg

    const FontEntry *font(int number) const
    {
        const auto found = fonts.find(number < 0 ? defaultFont : number);
        return found == fonts.end() ? nullptr : &found->second;
    }

    QColor color(int index) const
    {
        return index > 0 && index < static_cast<int>(colors.size()) ? colors[index] : QColor();
    }

    int codePageOf(int fontNumber) const
    {
        const FontEntry *entry = font(fontNumber);
        return entry && entry->codePage != 0 ? entry->codePage : codePage;
    }
};

} // namespace platform::rtf
