#pragma once
// Windows BMP files, as embedded whole (file header included) in figure streams and as picture files.
// Reading accepts 1, 4, 8, 24 and 32 bits per pixel, bottom-up and top-down, uncompressed (BI_RGB) and
// BI_BITFIELDS, with BITMAPINFOHEADER, V4 and V5 headers (and the old 12-byte core header). Anything
// else (RLE, JPEG/PNG inside BMP, 16 bits...) fails with a reason. Limits: width and height at most
// kMaxPictureDimension, at most kMaxPicturePixels pixels (or the fewer a caller allows), and the pixel
// rows the header promises must really be in the data, so no allocation exceeds what the input
// justifies. Writing always produces a 24-bit bottom-up BI_RGB file.

#include "platform/image_codec_result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace molvane {

DecodedImage readBmp(QByteArrayView file, qint64 maxPixels = kMaxPicturePixels);
QByteArray writeBmp(const QImage& image);

} // namespace molvane
