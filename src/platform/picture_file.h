#pragma once
// Picture files read for the drawing (.bmp and .jpg, told apart by the lower-cased extension): from a
// regular file only (see input_file.h), of at most maxBytes, under the codecs' limits. A picture that
// cannot be loaded is reported with pictureLoadMessage().

#include "platform/image_codec_result.h"

#include <QString>

namespace molvane {

// The largest picture file read: a 32-bit BMP of kMaxPicturePixels pixels, with room for its headers.
inline constexpr qint64 kMaxPictureFileBytes = 4 * kMaxPicturePixels + (qint64(1) << 20);

DecodedImage loadPictureFile(const QString& path, qint64 maxBytes = kMaxPictureFileBytes);

// "画像ファイル %1 を読み込めません。" with the reason on a second line.
QString pictureLoadMessage(const QString& path, const QString& why);

} // namespace molvane
