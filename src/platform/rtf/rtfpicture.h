#pragma once

#include "rtfreader.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>

#include <string_view>

namespace platform::rtf {

// The data and size words of one {\pict} group. PNG and JPEG pictures are decoded; other kinds
// (metafiles, device-independent bitmaps) are read past and give no image.
class PictureData
{
public:
    enum class Kind { Unknown, Png, Jpeg, Other };

    explicit PictureData(const RtfLimits &limits) : m_limits(limits) {}

    void setKind(Kind kind) { m_kind = kind; }
    void setWidthGoal(int twips) { m_widthGoal = twips; }
    void setHeightGoal(int twips) { m_heightGoal = twips; }
    void setScaleX(int percent) { m_scaleX = percent; }
    void setScaleY(int percent) { m_scaleY = percent; }

    // Hex digits of the picture; white space and stray characters are passed over.
    void appendHex(std::string_view text);
    void appendBinary(std::string_view bytes);

    enum class Fault { None, OtherKind, TooLarge, Unreadable };
    struct Decoded
    {
        QImage image; // null unless fault is None
        Fault fault = Fault::None;
    };

    // The decoded picture. A picture of another kind gives OtherKind; one over the size limits or
    // larger than `pixelBudget` pixels TooLarge; one without data, cut off or garbled Unreadable.
    Decoded decode(qint64 pixelBudget) const;

    // The size to show the picture at, in pixels: the goal sizes when given, else its own.
    QSizeF displaySize(const QImage &image) const;

private:
    bool roomFor(qint64 bytes);

    const RtfLimits &m_limits;
    Kind m_kind = Kind::Unknown;
    QByteArray m_data;
    int m_pendingNibble = -1;
    bool m_overflow = false;
    int m_widthGoal = 0;
    int m_heightGoal = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
};

} // namespace platform::rtf
