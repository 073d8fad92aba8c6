#pragma once
// The arithmetic of the canvas view: zoom steps, snapping to the cursor precision, keeping the view
// centred when the zoom changes, and where the grid lines fall.

#include <QPoint>
#include <QSize>
#include <vector>

namespace molvane {

inline constexpr int kMinZoom = 25;
inline constexpr int kMaxZoom = 500;
inline constexpr int kDefaultZoom = 100;

// One up-down step of the zoom: steps of 5 below 100 and of 25 above; from 100 up gives 125 and down
// gives 95. Stays within 25..500.
int zoomAfterStep(int zoom, bool up);

// The snapping step in screen pixels: round(grid spacing x zoom / 100) / precision (a real number).
// A spacing or precision of 0 gives 1: no snapping.
double snapStep(int gridSpacing, int zoom, int precision);
// trunc(s x round(v / s)), the inner rounding to nearest with ties to even.
int snapValue(int v, double step);
QPoint snapPoint(QPoint p, double step);

// The size of the zoomed view of a canvas: round(size x zoom / 100).
QSize zoomedSize(QSize canvas, int zoom);

// A scroll position after the view grew or shrank: it moves by half the change (truncated) so the
// same part of the drawing stays in the middle; a position of 0 stays 0.
int rescrolled(int position, int oldSize, int newSize);

// Screen positions of the grid lines across one dimension: round(k x spacing x zoom / 100) - 1 for
// k = 0 .. canvas div spacing. None when the spacing is 0.
std::vector<int> gridLines(int canvasSize, int spacing, int zoom);

} // namespace molvane
