#pragma once

#include <QPixmap>
#include <QString>

#include <memory>

namespace platform {

// A picture loaded from a file, as an image control shows it. Two pictures are the same when
// they come from the same load (so a test can tell which shared picture a button shows).
class Picture
{
public:
    Picture() = default; // no pixmap is made until a picture is loaded: pictures may be static
    explicit Picture(const QPixmap &pixmap) : m_pixmap(std::make_shared<const QPixmap>(pixmap)) {}

    bool isNull() const { return !m_pixmap || m_pixmap->isNull(); }
    QPixmap pixmap() const { return m_pixmap ? *m_pixmap : QPixmap(); }

    bool operator==(const Picture &other) const { return m_pixmap == other.m_pixmap; }

private:
    std::shared_ptr<const QPixmap> m_pixmap;
};

// Loads a JPEG (or any picture Qt reads). Throws RuntimeError(FileNotFound) naming the path when
// the file is missing, RuntimeError(FileIo) when it cannot be decoded.
Picture loadPicture(const QString &path);

} // namespace platform
