#pragma once
// The part of a filled path that decides a few rows of pixels. A raster fill counts, on each row, the
// edges that cross it: edges wholly above or wholly below the rows count nothing there. So a run of
// elements that lies wholly on one side (control points included, since a curve keeps within them)
// can become one straight line between the run's ends, which lies on that side too. Filled with the
// same rule and clipped to the rows, what is left covers exactly the pixels the whole path covers,
// while the curves far from the rows are never flattened.

#include <QPainterPath>

namespace molvane {

// top..bottom: pixel rows, both included, in the path's coordinates.
QPainterPath pathNearRows(const QPainterPath& path, int top, int bottom);

// Whether a fill of the path covers at most one run of pixels on any row: the path is one figure whose
// points, control points included, go down and then up again (or the other way) once around. A curve
// whose control points do that does it too, and so does what pathNearRows leaves of the path.
bool atMostOneRunPerRow(const QPainterPath& path);

} // namespace molvane
