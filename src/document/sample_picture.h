#pragma once
// The tracing sample: a picture washed out toward white at about 30 % strength, laid under what the
// user draws so it can be traced, and never part of the drawing or the picture.

#include <QImage>
#include <QRgb>

namespace molvane {

// A white picture of loaded's size in which every pixel of loaded that is not transparent (its colour
// apart from alpha) is blended per channel: (179 x 255 + 76 x channel) / 255, integer division.
// Format_RGB32.
QImage fadedSample(const QImage& loaded, QRgb transparent);

} // namespace molvane
