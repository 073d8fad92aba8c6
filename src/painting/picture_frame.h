#pragma once
// The red frame, three pixels wide, just outside a picture that floats over the editor's view: solid
// for the sample and the imported picture, dashed for the copied picture.

#include "platform/canvas.h"

namespace molvane {

inline constexpr int kPictureFrameWidth = 3;

// The frame around picture (view pixels); the canvas's pen and brush are left as they were.
void paintPictureFrame(Canvas& canvas, const QRect& picture, PenStyle style);

} // namespace molvane
