#pragma once
// The picture editor's range as strokes: the canvas rectangle a view range covers, the pixels it holds,
// the stroke that erases it (pure white drawn opaque, only inside the outline of a free range) and the
// stroke that puts a piece down (drawn transparently, or opaquely when its colour is pure white).

#include "document/figure.h"
#include "painting/paint_view_scale.h"

#include <QImage>
#include <QPolygon>
#include <QRect>

namespace molvane {

// A range marked on the view: the rectangle between its two corners in view pixels (the far corner,
// rect.bottomRight(), lies just outside it), and for a free range its outline in view pixels. No range:
// a null rectangle.
struct PaintRange {
    QRect rect;
    bool free = false;
    QPolygon outline;

    bool exists() const { return !rect.isNull(); }
    bool contains(QPoint p) const;
};

// The range's rectangle and outline in canvas pixels (each corner converted on its own).
QRect rangeToCanvas(const QRect& viewRange, PaintViewScale scale);
QPolygon outlineToCanvas(const QPolygon& viewOutline, PaintViewScale scale);

// The pixels of source inside rect (canvas pixels) on pure white; for a free range only those inside
// outline (canvas pixels), the rest pure white. Parts of rect beyond source stay white.
QImage extractRange(const QImage& source, const QRect& rect, const QPolygon& outline = {});

// The stroke that erases rect (inside outline, when one is given): pure white, drawn opaque.
TFigure eraseStroke(const QRect& rect, const QPolygon& outline = {});
// The stroke that puts piece down with its corner at corner, in colour (pure white draws it opaque,
// any other colour transparently), named text.
TFigure pieceStroke(const QImage& piece, QPoint corner, TColor colour, const QString& text = {});

} // namespace molvane
