#include "picture.h"

#include "filestamp.h"
#include "regularfile.h"
#include "runtimeerror.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>

#include <optional>

namespace platform {

namespace {

// The most pixels a picture may have: Qt refuses to decode an image whose 32-bit pixels take more
// than its allocation limit (QImageReader::allocationLimit(), in megabytes).
qint64 maxPicturePixels()
{
    return qint64(QImageReader::allocationLimit()) * 1024 * 1024 / 4;
}

// Pictures decoded so far, by path, each with the stamp its file had then.
// The screens load the same nine button pictures at every opening; a file is decoded again only
// when it changed on disk. Bounded, so pictures of many different files cannot pile up.
class DecodedPictures
{
public:
    const QPixmap *find(const QString &path, const FileStamp &stamp) const
    {
        const auto it = m_entries.constFind(path);
        return it != m_entries.constEnd() && it->stamp == stamp ? &it->pixmap : nullptr;
    }

    void keep(const QString &path, const FileStamp &stamp, const QPixmap &pixmap)
    {
        const qint64 bytes = qint64(pixmap.width()) * pixmap.height() * 4;
        if (bytes > maxBytes)
            return;
        m_entries.remove(path);
        if (m_entries.size() >= maxEntries || totalBytes() + bytes > maxBytes)
            m_entries.clear(); // rare: a program shows a dozen small pictures
        m_entries.insert(path, {stamp, pixmap});
    }

private:
    struct Entry
    {
        FileStamp stamp;
        QPixmap pixmap;
    };

    qint64 totalBytes() const
    {
        qint64 total = 0;
        for (const Entry &entry : m_entries)
            total += qint64(entry.pixmap.width()) * entry.pixmap.height() * 4;
        return total;
    }

    static constexpr qsizetype maxEntries = 64;
    static constexpr qint64 maxBytes = 32 * 1024 * 1024;
    QHash<QString, Entry> m_entries;
};

DecodedPictures &decodedPictures()
{
    static DecodedPictures pictures;
    return pictures;
}

QPixmap decode(const QString &path)
{
    // Pictures built into the program (":/...") are no files on disk; any other is read only when
    // it is a regular file.
    std::optional<RegularFile> file; // outlives the reader that reads it
    QImageReader reader;
    if (path.startsWith(QLatin1Char(':'))) {
        if (!QFileInfo(path).isFile())
            throw RuntimeError(RuntimeError::Kind::FileNotFound,
                               QStringLiteral("File not found: %1").arg(path));
        reader.setFileName(path);
    } else {
        file.emplace(path);
        reader.setDevice(&file->file());
        // The name's suffix is the first guess at the format, as for a reader given the path.
        reader.setFormat(QFileInfo(path).suffix().toLower().toLatin1());
    }
    // The header tells the size: a picture too large is refused before any decoding, by name.
    const QSize size = reader.size();
    if (size.isValid() && maxPicturePixels() > 0 &&
        qint64(size.width()) * size.height() > maxPicturePixels())
        throw RuntimeError(RuntimeError::Kind::FileIo,
                           QStringLiteral("Cannot read picture %1: it is too large (%2 x %3 "
                                          "pixels; a picture may have at most %4 pixels)")
                               .arg(path)
                               .arg(size.width())
                               .arg(size.height())
                               .arg(maxPicturePixels()));
    const QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError(
            RuntimeError::Kind::FileIo,
            QStringLiteral("Cannot read picture %1: %2").arg(path, reader.errorString()));
    return QPixmap::fromImage(image);
}

} // namespace

Picture loadPicture(const QString &path)
{
    // Only a regular file is looked up; anything else goes to the decoder, which says what it is.
    const std::optional<FileStamp> stamp = fileStampOf(path);
    if (const QPixmap *decoded = stamp ? decodedPictures().find(path, *stamp) : nullptr)
        return Picture(*decoded); // the pixels are shared; the picture is a load of its own
    const QPixmap pixmap = decode(path);
    if (stamp)
        decodedPictures().keep(path, *stamp, pixmap);
    return Picture(pixmap);
}

} // namespace platform
