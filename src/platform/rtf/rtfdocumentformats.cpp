// The formats of the document builder: character and paragraph formats, and the metrics of the
// fonts they name, each made once and kept for the runs that follow.
#include "rtfdocumentbuilder.h"

#include "units.h"

#include <QHash>
#include <QTextDocument>

#include <algorithm>

namespace platform::rtf {

namespace {

QFont::StyleHint styleHint(FontFamily family)
{
    switch (family) {
    case FontFamily::Roman: return QFont::Serif;
    case FontFamily::Swiss: return QFont::SansSerif;
    case FontFamily::Modern: return QFont::TypeWriter;
    case FontFamily::Script: return QFont::Cursive;
    case FontFamily::Decor: return QFont::Decorative;
    case FontFamily::Any: break;
    }
    return QFont::AnyStyle;
}

// Font sizes in pixels at 96 dpi, as the program's other fonts: 12 pt is 16 px on any display.
int pixelSize(int halfPoints)
{
    return std::max(1, (halfPoints * 2 + 1) / 3);
}

// Qt hashes a format's list of font families by its type alone, so formats that differ only in
// their font share one bucket of the document's format collection, and each new run would be
// compared with every format made before it. The family name as text keeps them apart.
constexpr int FontNameKey = QTextFormat::UserProperty + 1;

// Formats kept for reuse: a document uses few.
constexpr std::size_t MaxCachedFormats = 256;

// A font measured for lines of a given pitch.
struct MeasuredFont
{
    QFont font;
    double linePitch;

    friend bool operator==(const MeasuredFont &a, const MeasuredFont &b)
    {
        return a.linePitch == b.linePitch && a.font == b.font;
    }
    friend size_t qHash(const MeasuredFont &measured, size_t seed = 0)
    {
        return qHashMulti(seed, measured.font, measured.linePitch);
    }
};

} // namespace

// The metrics of a format's font as the box shows it: the document's default font fills in what
// the format leaves open.
const TextMetrics &DocumentBuilder::metrics(const CharProps &chars)
{
    if (const auto found = m_metricsOfChars.find(chars); found != m_metricsOfChars.end())
        return found->second;
    const MeasuredFont font{charFormat(chars).font().resolve(m_document.defaultFont()),
                            m_limits.linePitch};
    // Measuring a font takes some 100 us: the measures are kept for every later document. Few
    // fonts are ever measured, as the names a document may use are limited.
    static QHash<MeasuredFont, TextMetrics> metricsOfFonts;
    auto measured = metricsOfFonts.constFind(font);
    if (measured == metricsOfFonts.constEnd()) {
        constexpr qsizetype MaxMeasuredFonts = 1024;
        if (metricsOfFonts.size() >= MaxMeasuredFonts)
            metricsOfFonts.clear();
        measured = metricsOfFonts.insert(font, TextMetrics::of(font.font, font.linePitch));
    }
    if (m_metricsOfChars.size() >= MaxCachedFormats)
        m_metricsOfChars.clear();
    return m_metricsOfChars.emplace(chars, *measured).first->second;
}

std::size_t DocumentBuilder::CharPropsHash::operator()(const CharProps &chars) const noexcept
{
    const std::size_t flags = (chars.bold ? 1 : 0) | (chars.italic ? 2 : 0) |
                              (chars.underline ? 4 : 0) | (chars.strike ? 8 : 0) |
                              (chars.hidden ? 16 : 0) |
                              (static_cast<std::size_t>(chars.position) << 5);
    return qHashMulti(0, flags, chars.font, chars.halfPoints, chars.foreground, chars.background);
}

QTextCharFormat DocumentBuilder::charFormat(const CharProps &chars)
{
    if (const auto found = m_formats.find(chars); found != m_formats.end())
        return found->second;
    if (m_formats.size() >= MaxCachedFormats)
        m_formats.clear();

    QTextCharFormat format;
    if (const FontEntry *font = m_tables.font(chars.font); font && usesFontName(font->name)) {
        format.setFontFamilies(QStringList{font->name});
        format.setFontStyleHint(styleHint(font->family));
        format.setProperty(FontNameKey, font->name);
    }
    format.setProperty(QTextFormat::FontPixelSize, pixelSize(chars.halfPoints));
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    if (chars.position == VerticalPosition::Superscript)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.position == VerticalPosition::Subscript)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const QColor color = m_tables.color(chars.foreground); color.isValid())
        format.setForeground(color);
    if (const QColor color = m_tables.color(chars.background); color.isValid())
        format.setBackground(color);

    m_formats.emplace(chars, format);
    return format;
}

// Whether runs may name this font: each name costs the layout a search of the system's fonts,
// so past RtfLimits::maxFontNames names the text shows in the default font.
bool DocumentBuilder::usesFontName(const QString &name)
{
    if (name.isEmpty())
        return false;
    if (m_fontNames.contains(name))
        return true;
    if (m_fontNames.size() >= m_limits.maxFontNames)
        return false;
    m_fontNames.insert(name);
    return true;
}

QTextBlockFormat DocumentBuilder::blockFormat(const ParaProps &para) const
{
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    format.setLeftMargin(para.leftIndent / TwipsPerPixel);
    format.setRightMargin(para.rightIndent / TwipsPerPixel);
    format.setTextIndent(para.firstLineIndent / TwipsPerPixel);
    format.setTopMargin(para.spaceBefore / TwipsPerPixel);
    format.setBottomMargin(para.spaceAfter / TwipsPerPixel);
    return format;
}

} // namespace platform::rtf
