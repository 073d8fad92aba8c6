#pragma once
// The selection frames drawn over the canvas view: a square around each figure's handle, filled when
// the figure is selected; pictures in green with a dotted box over the picture and the label "画像".

#include "document/figure.h"
#include "platform/canvas.h"

namespace molvane {

inline constexpr TColor kFrameColour = clRed;
inline constexpr TColor kPictureFrameColour = clGreen;
inline constexpr int kFramePenWidth = 2;

// On the screen canvas: the handle and the picture box are converted with zoom.
void drawSelectionFrame(Canvas& canvas, const TFigure& f, int zoom);

} // namespace molvane
