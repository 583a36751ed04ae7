#include "picture.h"

#include "regularfile.h"
#include "runtimeerror.h"

#include <QFileInfo>
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

} // namespace

Picture loadPicture(const QString &path)
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
    return Picture(QPixmap::fromImage(image));
}

} // namespace platform
