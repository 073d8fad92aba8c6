#pragma once
// The outline of a set of pixels given as runs (what a flood fill painted), as a path that an odd-even
// fill turns back into the same area: every boundary between a painted and an unpainted pixel is
// walked once, the loops around the area and around its holes alike. The staircase of pixel corners is
// then simplified, so a round or slanted edge becomes a few straight segments instead of one segment
// per pixel step.

#include "platform/flood_fill.h"

#include <QPainterPath>
#include <vector>

namespace molvane {

// Pixel (x, y) is the square (x, y)-(x + 1, y + 1) times unit. Corners that lie within tolerance
// pixels of the straight line through their neighbours kept are dropped (0 keeps every corner).
QPainterPath outlineOfRuns(const std::vector<PaintedRun>& runs, double unit = 1.0, double tolerance = 0.0);

} // namespace molvane
