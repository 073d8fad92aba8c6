#include "painting/stroke_renderer.h"

#include "document/arc.h"
#include "painting/paint_mode.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace molvane {

namespace {

// The kinds whose width setting is stretched above 10: the line kinds 11..15 (whose numbers the
// editor's rectangle, ellipse and line share) and the pen.
bool widthIsMapped(int kind)
{
    return (kind >= 11 && kind <= 15) || kind == kStrokePen;
}

QPainterPath polylinePath(const TDynamicPtArray& points)
{
    QPainterPath path;
    if (points.empty())
        return path;
    path.moveTo(points.front());
    for (qsizetype i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    return path;
}

// The pen stroke's dot: a line from its first point to itself.
QPainterPath dotPath(QPoint p)
{
    QPainterPath path(p);
    path.lineTo(p);
    return path;
}

// The dot the pen leaves where it was pressed. A line from a point to itself is a disc for a wide pen
// but nothing at all for a one-pixel pen, which leaves that pixel instead.
void drawDot(Canvas& canvas, QPoint p)
{
    const CanvasPen pen = canvas.pen();
    if (pen.width <= 1 && pen.style != PenStyle::Null)
        canvas.fillRect(QRect(p, QSize(1, 1)), pen.color);
    else
        canvas.drawPath(dotPath(p), false);
}

CanvasPen strokePen(const TFigure& f, const StrokeTarget& target)
{
    return strokePenOnView(f, target.view ? target.scale : PaintViewScale{100});
}

// The barrier first when the stroke is dashed or dotted, then the stroke itself.
void drawWithBarrier(const TFigure& f, const StrokeTarget& target, const QPainterPath& path)
{
    Canvas& canvas = target.canvas;
    if (f.penStyle > 0) {
        canvas.setPen({target.whites.barrier, 1, PenStyle::Solid});
        canvas.drawPath(path, false);
    }
    canvas.setPen(strokePen(f, target));
    canvas.drawPath(path, false);
}

// The pen's line being dragged out. On a clipped canvas with a solid pen only the runs of segments that
// reach into the clip are drawn: with round caps and joins their union is the whole line there, and a
// long line repaints its newest piece without walking all of it through the stroker.
void drawLiveLine(Canvas& canvas, const TDynamicPtArray& points)
{
    const CanvasPen pen = canvas.pen();
    if (!canvas.hasClip() || pen.style != PenStyle::Solid || pen.width <= 1) {
        drawDot(canvas, points.front());
        canvas.drawPath(polylinePath(points), false);
        return;
    }
    const int reach = pen.width / 2 + 1;
    const QRect box = canvas.clipRegion().boundingRect().adjusted(-reach, -reach, reach, reach);
    if (box.contains(points.front()))
        drawDot(canvas, points.front());
    QPainterPath run;
    for (qsizetype i = 1; i < points.size(); ++i) {
        if (QRect(points[i - 1], points[i]).normalized().adjusted(0, 0, 1, 1).intersects(box)) {
            if (run.isEmpty())
                run.moveTo(points[i - 1]);
            run.lineTo(points[i]);
        } else if (!run.isEmpty()) {
            canvas.drawPath(run, false);
            run.clear();
        }
    }
    if (!run.isEmpty())
        canvas.drawPath(run, false);
}

void renderPen(const TFigure& f, const StrokeTarget& target)
{
    Canvas& canvas = target.canvas;
    if (target.livePoints) {
        if (target.livePoints->empty())
            return;
        canvas.setPen(strokePen(f, target));
        drawLiveLine(canvas, *target.livePoints);
        return;
    }
    if (f.points.empty())
        return;
    const QPainterPath line = polylinePath(f.points);
    if (f.penStyle > 0) {
        canvas.setPen({target.whites.barrier, 1, PenStyle::Solid});
        drawDot(canvas, f.points.front());
        canvas.drawPath(line, false);
    }
    canvas.setPen(strokePen(f, target));
    drawDot(canvas, f.points.front());
    canvas.drawPath(line, false);
}

void renderPicture(const TFigure& f, const StrokeTarget& target)
{
    if (f.picture.isNull())
        return;
    Canvas& canvas = target.canvas;
    std::optional<Canvas::NarrowedClip> clip;
    if (f.freeForm && !f.points.empty())
        clip.emplace(canvas, polygonRegion(QPolygon(f.points)));
    const QImage& image = f.picture.image();
    const bool transparent = f.penColor != target.whites.transparent;
    canvas.drawImage(QRect(f.ends[kMainEnd], image.size()), image, QRect(), false, transparent);
}

} // namespace

int effectivePenWidth(int kind, int lineWidth)
{
    int b = std::abs(lineWidth);
    if (widthIsMapped(kind)) {
        if (b > 20)
            b = 7 * b - 100;
        else if (b > 10)
            b = 3 * b - 20;
    }
    return b <= 0 ? 1 : b;
}

StrokeCurve strokeCurve(QPoint s, QPoint e, int shape)
{
    const Arc arc = computeArc(s, e, std::clamp(shape, -kStrokeShapeMax, kStrokeShapeMax) * 10);
    return {arc.start, arc.c1, arc.c2, arc.end, arc.straight};
}

QPainterPath strokeOutline(const TFigure& f)
{
    const QPoint a = f.ends[kMainStart], b = f.ends[kMainEnd];
    QPainterPath path;
    switch (f.kind) {
    case kStrokeRectangle:
    case kStrokeEllipse:
        if (a == b)
            break;
        if (f.kind == kStrokeRectangle)
            path.addRect(QRectF(QPointF(a), QPointF(b)).normalized());
        else
            path.addEllipse(QRectF(QPointF(a), QPointF(b)).normalized());
        break;
    case kStrokeLine: {
        if (a == b)
            break;
        const StrokeCurve c = strokeCurve(a, b, f.shape);
        path.moveTo(c.start);
        if (c.straight)
            path.lineTo(c.end);
        else
            path.cubicTo(c.c1, c.c2, c.end);
        break;
    }
    case kStrokePen: path = polylinePath(f.points); break;
    default: break;
    }
    return path;
}

CanvasPen strokePenOnView(const TFigure& f, PaintViewScale scale)
{
    const int b = effectivePenWidth(f.kind, std::clamp(f.lineWidth, 0, kStrokeWidthMax));
    return {f.penColor, scale.toScreen(b), penStyleFromIndex(std::clamp(f.penStyle, 0, 2))};
}

void renderStroke(const TFigure& f, const StrokeTarget& target)
{
    Canvas& canvas = target.canvas;
    const CanvasPen savedPen = canvas.pen();
    const CanvasBrush savedBrush = canvas.brush();
    const CanvasFont savedFont = canvas.font();
    const PenMode savedMode = canvas.penMode();
    canvas.setPenMode(target.mode);
    // Shapes are outlined only, never filled.
    canvas.setBrush({f.penColor, BrushStyle::Clear});

    switch (f.kind) {
    case kStrokeRectangle:
    case kStrokeEllipse:
    case kStrokeLine:
        if (const QPainterPath path = strokeOutline(f); !path.isEmpty())
            drawWithBarrier(f, target, path);
        break;
    case kStrokePen: renderPen(f, target); break;
    case kStrokeFill: canvas.floodFill(f.ends[kMainStart], f.fillColor); break;
    case kStrokePicture: renderPicture(f, target); break;
    default: break;
    }

    canvas.setPen(savedPen);
    canvas.setBrush(savedBrush);
    canvas.setFont(savedFont);
    canvas.setPenMode(savedMode);
}

} // namespace molvane
