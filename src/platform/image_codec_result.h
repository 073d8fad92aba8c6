#pragma once
// The outcome of decoding a picture: the image (Format_RGB32) or the reason it could not be read.

#include <QImage>
#include <QString>

namespace molvane {

// Pictures larger than this in either direction are refused before any pixel memory is allocated.
inline constexpr int kMaxPictureDimension = 20000;

struct DecodedImage {
    QImage image;  // null on failure
    QString error; // empty on success; an English developer-facing reason otherwise

    bool ok() const { return !image.isNull(); }
    static DecodedImage failure(QString why) { return {QImage(), std::move(why)}; }
};

} // namespace molvane
