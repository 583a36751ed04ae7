#include "rtfpicture.h"

#include "rtftokenizer.h"

#include "units.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <array>

namespace platform::rtf {

namespace {

constexpr double MaxShownPixels = 8192;

double scaled(double pixels, int percent)
{
    if (percent > 0)
        pixels = pixels * percent / 100.0;
    return std::clamp(pixels, 1.0, MaxShownPixels);
}

quint32 bigEndian32(const char *bytes)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes);
    return (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]);
}

quint32 crc32(const char *data, qsizetype size)
{
    static const auto table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i)
        crc = table[(crc ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// The signature and a chain of whole chunks with good checksums up to IEND: a cut-off or garbled
// PNG is refused here rather than by the PNG library, which would report it on standard error.
bool isCompletePng(const QByteArray &data)
{
    static constexpr char Signature[] = "\x89PNG\r\n\x1a\n";
    if (!data.startsWith(QByteArrayView(Signature, 8)))
        return false;
    qsizetype pos = 8;
    while (data.size() - pos >= 12) {
        const char *chunk = data.constData() + pos;
        const quint32 length = bigEndian32(chunk);
        if (length > quint32(data.size() - pos - 12))
            return false;
        if (crc32(chunk + 4, 4 + qsizetype(length)) != bigEndian32(chunk + 8 + length))
            return false;
        if (QByteArrayView(chunk + 4, 4) == "IEND")
            return true;
        pos += 12 + qsizetype(length);
    }
    return false;
}

} // namespace

bool PictureData::roomFor(qint64 bytes)
{
    if (m_overflow || m_kind == Kind::Other)
        return false;
    if (m_data.size() + bytes > m_limits.maxPictureBytes) {
        m_overflow = true;
        m_data.clear();
        m_data.squeeze();
        return false;
    }
    return true;
}

void PictureData::appendHex(std::string_view text)
{
    if (!roomFor(static_cast<qint64>(text.size() / 2 + 1)))
        return;
    for (const char c : text) {
        const int value = hexValue(c);
        if (value < 0)
            continue;
        if (m_pendingNibble < 0) {
            m_pendingNibble = value;
        } else {
            m_data.append(static_cast<char>(m_pendingNibble * 16 + value));
            m_pendingNibble = -1;
        }
    }
}

void PictureData::appendBinary(std::string_view bytes)
{
    if (roomFor(static_cast<qint64>(bytes.size())))
        m_data.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

PictureData::Decoded PictureData::decode(qint64 pixelBudget) const
{
    if (m_kind == Kind::Other)
        return {{}, Fault::OtherKind};
    if (m_overflow)
        return {{}, Fault::TooLarge};
    if (m_data.isEmpty() || m_kind == Kind::Unknown ||
        (m_kind == Kind::Png && !isCompletePng(m_data)))
        return {{}, Fault::Unreadable};
    QBuffer buffer;
    buffer.setData(m_data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, m_kind == Kind::Png ? "png" : "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return {{}, Fault::Unreadable};
    const qint64 pixels = static_cast<qint64>(size.width()) * size.height();
    if (pixels > std::min(pixelBudget, m_limits.maxPicturePixels))
        return {{}, Fault::TooLarge};
    QImage image;
    if (!reader.read(&image) || image.size() != size)
        return {{}, Fault::Unreadable};
    return {image, Fault::None};
}

QSizeF PictureData::displaySize(const QImage &image) const
{
    const double width = m_widthGoal > 0 ? m_widthGoal / TwipsPerPixel : image.width();
    const double height = m_heightGoal > 0 ? m_heightGoal / TwipsPerPixel : image.height();
    return {scaled(width, m_scaleX), scaled(height, m_scaleY)};
}

} // namespace platform::rtf
