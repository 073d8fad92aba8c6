#pragma once
// JPEG pictures through the libjpeg API. libjpeg's default error handler ends the process; ours
// returns a failure instead, so a corrupt or truncated file can never close the program. A file that
// ends early (libjpeg would pad it with grey) is a failure too. Limits: width and height at most
// kMaxPictureDimension, at most kMaxPicturePixels pixels; at most 1024 declared pixels per byte of file
// (above one megapixel), so a tiny file cannot make us allocate a huge picture; libjpeg's working
// memory capped at 512 MiB (a progressive picture of the largest size needs 300 MB); at most 500 scans
// (each progressive scan walks the whole picture, so repeated scans would keep the decoder busy for
// minutes). Writing produces baseline JFIF, quality 100, 3 components (YCbCr, 2x2 chroma) from the RGB
// rows of the image.

#include "platform/image_codec_result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace molvane {

DecodedImage readJpeg(QByteArrayView file);

struct EncodedJpeg {
    QByteArray bytes; // empty on failure
    QString error;
    bool ok() const { return !bytes.isEmpty(); }
};
EncodedJpeg writeJpeg(const QImage& image, int quality = 100);

} // namespace molvane
