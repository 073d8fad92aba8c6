#pragma once
// A tally of the painting a drawing would take, gathered by a canvas that measures instead of
// drawing (Canvas::tallyWorkInto). It counts what makes painting slow: the length and pixels of strokes
// (overdraw included: a stroke that crosses the canvas a thousand times is painted a thousand times),
// the points where a stroke bends, dashes, filled areas, flood fills and characters. Lengths and areas
// are in canvas pixels within the bounds the tally was started with.

#include <QPainterPath>
#include <QRectF>

namespace molvane {

struct PaintingWork {
    double thinLength = 0;   // one-pixel strokes: their length within the bounds
    double thinJoins = 0;    // one-pixel strokes: their joins within the bounds (cheap unless scaled)
    double thinDashes = 0;   // dashed and dotted one-pixel strokes: their dashes (the same)
    double wideLength = 0;   // wider strokes: their length within the bounds
    double widePixels = 0;   // wider strokes: length within the bounds times the pen's width
    double dashPixels = 0;   // dashed and dotted wider strokes: the dashes within the bounds, times the width
    double strokePoints = 0; // every point of every stroke, inside the bounds or not
    double wideJoinPixels = 0; // joins of wider strokes within the bounds, times the width
    double areaPixels = 0;     // filled shapes, rectangles, texts and pictures within the bounds
    double floodPixels = 0;    // each flood fill counts every pixel of the bounds
    double characters = 0;     // characters of texts, each laid out wherever it lies
};

// What of a path lies within a box: the length of its lines (a curve counts as its control polygon,
// which is never shorter than the curve) and the number of its joins, the points where one line
// meets the next.
struct PathSpan {
    double length = 0;
    double joins = 0;
};
PathSpan spanWithin(const QPainterPath& path, const QRectF& box);

// The pixels of box that lie within bounds.
double areaWithin(const QRectF& box, const QRectF& bounds);

} // namespace molvane
