#pragma once
// Draws one stroke of the picture editor on a canvas: the working picture (canvas pixels, pen mode copy)
// or the view while a stroke is dragged out (view pixels at the zoom, pen mode not-xor, so drawing the
// same stroke again takes it away). The stroke's record is never changed; its line width and curvature
// are clamped for drawing only.

#include "document/figure.h"
#include "painting/paint_view_scale.h"
#include "painting/paint_whites.h"
#include "platform/canvas.h"

#include <QPainterPath>

namespace molvane {

inline constexpr int kStrokeWidthMax = 50;
inline constexpr int kStrokeShapeMax = 50;

struct StrokeTarget {
    Canvas& canvas;
    const PaintWhites& whites;
    PenMode mode = PenMode::Copy;
    // The view: the stroke's points are already view pixels; pen widths are scaled by the zoom.
    bool view = false;
    PaintViewScale scale = {};
    // The pen stroke being dragged out on the view: these view points instead of its own, drawn with
    // the stroke pen only.
    const TDynamicPtArray* livePoints = nullptr;
};

// The pen width in canvas pixels a line width gives a stroke of that kind: for the rectangle, ellipse,
// line and pen strokes 1..10 as is, 11..20 -> 3b - 20, 21..50 -> 7b - 100; never below 1.
int effectivePenWidth(int kind, int lineWidth);

// The four points of the cubic Bézier a line stroke from s to e with that curvature (-50..50, tens of
// degrees) is drawn as; straight when the curvature is 0.
struct StrokeCurve {
    QPoint start, c1, c2, end;
    bool straight = false;
};
StrokeCurve strokeCurve(QPoint s, QPoint e, int shape);

// The centre line of a rectangle, ellipse, line or pen stroke as drawn (the pen stroke without its dot);
// empty for the other kinds and for a shape whose two corners coincide.
QPainterPath strokeOutline(const TFigure& f);

void renderStroke(const TFigure& f, const StrokeTarget& target);

// The pen a stroke is drawn with on the view at that scale.
CanvasPen strokePenOnView(const TFigure& f, PaintViewScale scale);

} // namespace molvane
