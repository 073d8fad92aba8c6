#pragma once
// The bounding box of the pixels of a picture that are not a given colour (alpha left out): what a
// drawing's inked area is, and what a turned picture is cropped to.

#include <QImage>
#include <QRect>

namespace molvane {

// Empty when every pixel is that colour.
QRect boxOfPixelsOtherThan(const QImage& picture, QRgb colour);

} // namespace molvane
