#pragma once
// What a stroke records when it is stored: where its outline reaches (the leftmost, topmost, rightmost
// and bottommost points) and how far its pixels go beyond those points. Measured on the picture the
// stroke has just been drawn on, in canvas pixels.

#include "document/figure.h"
#include "document/figure_renderer.h"
#include "platform/canvas.h"

namespace molvane {

// The extremes: of the flattened centre line for rectangles, ellipses and lines; of the points for pen
// strokes and free-form pictures; a plain picture's top-left and bottom-right pixels. The first point
// found wins a tie. A fill has no outline: its extremes are its seed, its margins zero.
std::array<QPoint, 4> strokeExtremes(const TFigure& f);

// The extremes and the margins walked from them on the canvas (see probeMargins).
FigureExtent recordStrokeExtent(const TFigure& f, const Canvas& canvas);

} // namespace molvane
