#pragma once
// The outcome of decoding a picture: the image (Format_RGB32) or the reason it could not be read; and
// the size limits every picture reader applies before any pixel memory is allocated.

#include <QImage>
#include <QString>

#include <algorithm>

namespace molvane {

// Pictures larger than this in either direction are refused.
inline constexpr int kMaxPictureDimension = 20000;
// So are pictures of more pixels than this (200 MB in memory); a caller may ask for fewer.
inline constexpr qint64 kMaxPicturePixels = 50'000'000;

// Why a picture of width x height cannot be read under the limits above and maxPixels, or nothing.
inline QString pictureSizeError(qint64 width, qint64 height, qint64 maxPixels = kMaxPicturePixels)
{
    if (width > kMaxPictureDimension || height > kMaxPictureDimension)
        return QStringLiteral("%1 x %2 pixels exceeds the limit of %3")
            .arg(width)
            .arg(height)
            .arg(kMaxPictureDimension);
    if (width * height > std::min(maxPixels, kMaxPicturePixels))
        return QStringLiteral("%1 x %2 pixels exceeds the limit of %3 pixels")
            .arg(width)
            .arg(height)
            .arg(std::min(maxPixels, kMaxPicturePixels));
    return {};
}

struct DecodedImage {
    QImage image;  // null on failure
    QString error; // empty on success; an English developer-facing reason otherwise

    bool ok() const { return !image.isNull(); }
    static DecodedImage failure(QString why) { return {QImage(), std::move(why)}; }
};

} // namespace molvane
