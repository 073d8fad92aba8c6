#include "platform/picture_file.h"

#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"
#include "platform/jpeg_codec.h"

#include <QFileInfo>

namespace molvane {

DecodedImage loadPictureFile(const QString& path, qint64 maxBytes)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension != QLatin1String("bmp") && extension != QLatin1String("jpg"))
        return DecodedImage::failure(QStringLiteral("not a .bmp or .jpg file"));
    QByteArray bytes;
    QString why;
    if (!readWholeFile(path, bytes, &why, maxBytes))
        return DecodedImage::failure(why);
    return extension == QLatin1String("bmp") ? readBmp(bytes) : readJpeg(bytes);
}

QString pictureLoadMessage(const QString& path, const QString& why)
{
    const QString text = QStringLiteral("画像ファイル %1 を読み込めません。").arg(path);
    return why.isEmpty() ? text : text + QStringLiteral("\n") + why;
}

} // namespace molvane
