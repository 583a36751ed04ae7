#include "picture.h"

#include "runtimeerror.h"

#include <QFileInfo>
#include <QImageReader>

namespace platform {

Picture LoadPicture(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw RuntimeError(RuntimeError::Kind::FileNotFound,
                           QStringLiteral("File not found: %1").arg(path));
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError(RuntimeError::Kind::FileIo,
                           QStringLiteral("Cannot read picture %1: %2")
                               .arg(path, reader.errorString()));
    return Picture(QPixmap::fromImage(image));
}

} // namespace platform
