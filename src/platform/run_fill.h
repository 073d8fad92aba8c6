#pragma once
// Inverting fills written straight into an image's pixels, for shapes that cover at most one run of
// pixels on any row (see atMostOneRunPerRow): a rubber band's outline. Each row costs a few
// operations, where a pass through the paint engine costs hundreds and, past about a hundred rows,
// a trip through its thread pool. Pixels are covered as an aliased fill covers them: those whose
// centres lie inside the shape.

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRegion>
#include <optional>

class QPainter;

namespace molvane {

// Rows of 32-bit pixels with the colour in the low 24 bits, `bounds` of them from bits on.
struct PixelRows {
    uchar* bits = nullptr;
    qsizetype stride = 0; // bytes from a row to the next
    QRect bounds;
};

// Whether runs can be written into the image's pixels (RGB32, ARGB32 and ARGB32_Premultiplied).
bool runFillable(const QImage& image);

// The pixels an active painter paints, for writing into them directly while it paints (a widget's
// painter paints its window's pixels in place): the rows, the shift from the painter's coordinates to
// theirs, and the rectangle of them that `within` (painter coordinates) and the window's own clip
// leave. None unless the painter paints an image of plain 32-bit pixels, shifted by whole pixels,
// and that leaves one rectangle.
struct PaintedPixels {
    PixelRows rows;
    QPoint shift;
    QRect allowed;
};
std::optional<PaintedPixels> paintedPixels(QPainter& p, const QRegion& within);

// Each of the points (in the rows' coordinates) within clip becomes NOT(colour XOR pixel).
void notXorPoints(const PixelRows& pixels, const QPoint* points, int count, QRgb colour, const QRect& clip);

// The pixels within clip that the polygon, moved by shift, covers become NOT(colour XOR pixel) in their
// colour channels; their alpha is kept. The polygon must be one that atMostOneRunPerRow accepts:
// its edges going down make one side of each row's run, those going up the other.
void notXorRuns(const PixelRows& pixels, const QPolygonF& polygon, QPoint shift, QRgb colour,
                const QRect& clip);

// The path's one figure as a polygon, curves cut into lines that keep within a tenth of a pixel of
// them (finer than the paint engine's own cutting).
QPolygonF flattenFigure(const QPainterPath& path);

// The outline a round-capped pen of that width gives the line from a to b (a != b): two sides and two
// half circles, cut into lines that keep within a tenth of a pixel of them. It has one run a row.
QPolygonF roundCappedLine(QPointF a, QPointF b, double width);

} // namespace molvane
