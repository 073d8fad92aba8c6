#pragma once
// 画像の調整: the brightness and the red, green and blue levels of a picture shifted, always from the
// picture as it was when the adjustment began, so moves of the bars never add up.

#include <QImage>

namespace molvane {

// Each value -100 .. 100. Every channel value c becomes c + (brightness + level) / 100 x 255, taken to
// single precision, then 0 below 0, 255 above 255, else rounded to the nearest (ties to even).
// Format_RGB32.
QImage adjustPicture(const QImage& backup, int brightness, int red, int green, int blue);

} // namespace molvane
