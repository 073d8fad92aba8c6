#include "document/figure_renderer.h"

#include "document/arc.h"
#include "document/geometry.h"
#include "document/picture_figure.h"
#include "document/text_figure.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace molvane {

namespace {

constexpr int kMarginProbeSteps = 3000; // 300 pixels in tenths
constexpr int kArrowSkewMinShape = 5;
constexpr int kArrowSkewMaxShape = 28;
constexpr int kOvalArcBend = 130;

enum class PenRole { Main, Second };

struct Stroke {
    QPainterPath path;
    PenRole role = PenRole::Main;
    bool filled = false; // filled with a solid brush of the pen colour
};

// What one figure draws, worked out before anything is drawn.
struct Plan {
    CanvasPen main, second;
    std::vector<Stroke> strokes;
    bool underlay = false;                  // the strokes first drawn with the near-white pen
    std::vector<QPainterPath> underlayAfter; // near-white strokes drawn after the clip is removed
    QPolygon clip;                           // a wedge's triangle; empty for no clip
    QPainterPath outline;                    // where the extent is measured
    bool probeMargins = true;
    std::optional<SideLine> secondLine, thirdLine; // a bond's, as drawn
};

QPainterPath linePath(QPoint a, QPoint b)
{
    QPainterPath p(a);
    p.lineTo(b);
    return p;
}

QPainterPath polylinePath(const TDynamicPtArray& points)
{
    QPainterPath p;
    if (points.empty())
        return p;
    p.moveTo(points.front());
    for (qsizetype i = 1; i < points.size(); ++i)
        p.lineTo(points[i]);
    return p;
}

QPainterPath arcPath(const Arc& arc)
{
    QPainterPath p(arc.start);
    if (arc.straight)
        p.lineTo(arc.end);
    else
        p.cubicTo(arc.c1, arc.c2, arc.end);
    return p;
}

bool isZero(QPoint p) { return p.x() == 0 && p.y() == 0; }

class Planner {
public:
    Planner(const TFigure& f, const RenderTarget& t, const RenderOptions& o)
        : f_(f), target_(t), options_(o), a_(f.ends[kMainStart]), b_(f.ends[kMainEnd])
    {
    }

    Plan make()
    {
        choosePens();
        const bool directional = f_.kind != fkFree && f_.kind != fkCircle;
        if (directional && a_ == b_)
            return plan_;
        switch (f_.kind) {
        case fkSingle: planSingle(); break;
        case fkDouble:
        case fkTriple: planBond(); break;
        case fkCurve: planCurve(); break;
        case fkArrow: planArrow(); break;
        case fkStereo: planStereo(); break;
        case fkFree: planFree(); break;
        case fkPai: planPai(); break;
        case fkCircle: planCircle(); break;
        default: break;
        }
        if (plan_.outline.isEmpty())
            for (const Stroke& s : plan_.strokes)
                plan_.outline.addPath(s.path);
        plan_.underlay = plan_.underlay && f_.penStyle > 0 && !options_.outlineOnly;
        return plan_;
    }

private:
    int scale(int v) const { return target_.screen ? toScreen(v, target_.zoom) : v; }

    void choosePens()
    {
        const TColor c = f_.penColor;
        const PenStyle styled = penStyleFromIndex(f_.penStyle);
        int w = 1;
        PenStyle second = styled;
        switch (f_.kind) {
        case fkSingle:
        case fkDouble:
        case fkTriple:
            shape_ = std::clamp(f_.shape, -50, 50);
            w = mappedPenWidth(std::clamp(f_.lineWidth, 0, 50));
            break;
        case fkCurve:
        case fkArrow:
            shape_ = std::clamp(f_.shape, -50, 50);
            w = mappedPenWidth(f_.lineWidth);
            second = PenStyle::Solid;
            break;
        case fkStereo:
            shape_ = std::clamp(f_.shape, -50, 50);
            plan_.main = {c, 1, PenStyle::Solid};
            plan_.second = plan_.main;
            return;
        case fkFree:
            w = mappedPenWidth(std::clamp(f_.lineWidth, 0, 50));
            second = PenStyle::Solid;
            break;
        case fkPai:
        case fkCircle:
            shape_ = std::clamp(f_.shape, 0, 50);
            w = std::max(1, std::abs(f_.lineWidth));
            second = PenStyle::Solid;
            break;
        default:
            shape_ = std::clamp(f_.shape, 0, 50);
            w = std::max(1, std::abs(f_.lineWidth));
            break;
        }
        plan_.main = {c, scale(w), styled};
        plan_.second = {c, scale(w), second};
    }

    void add(QPainterPath path, PenRole role = PenRole::Main, bool filled = false)
    {
        plan_.strokes.push_back({std::move(path), role, filled});
    }

    void planSingle()
    {
        add(linePath(a_, b_));
        plan_.underlay = true;
    }

    // q(k): k spacings of |S| to the side the sign of S chooses.
    QPoint sideOffset(int k) const
    {
        const double a = dir(a_, b_);
        return polar(scale(k * std::abs(shape_)), shape_ >= 0 ? a + 90 : a - 90);
    }

    // The side line k spacings away, or where the figure fixes it (either end not zero).
    SideLine sideLine(int k, EndIndex start, EndIndex end) const
    {
        if (!isZero(f_.ends[start]) || !isZero(f_.ends[end]))
            return {f_.ends[start], f_.ends[end]};
        return {a_ + sideOffset(k), b_ + sideOffset(k)};
    }

    void planBond()
    {
        const SideLine second = sideLine(1, kSecondStart, kSecondEnd);
        plan_.secondLine = second;
        add(linePath(a_, b_));
        add(linePath(second.start, second.end), PenRole::Second);
        if (f_.kind == fkTriple) {
            const SideLine third = sideLine(2, kThirdStart, kThirdEnd);
            plan_.thirdLine = third;
            add(linePath(third.start, third.end), PenRole::Second);
        }
        plan_.underlay = true;
    }

    void planCurve()
    {
        add(arcPath(computeArc(a_, b_, 10 * shape_)));
        plan_.underlay = true;
    }

    void planArrow()
    {
        const Arc arc = computeArc(a_, b_, 10 * shape_);
        add(arcPath(arc));
        const int w = plan_.main.width;
        const int cap = w <= 6 ? 6 * w : (w <= 10 ? 5 * w : 4 * w);
        const int length = std::min(cap, roundGenerous(distance(a_, b_) / 2.0));
        const int s = std::abs(shape_);
        const int skew = (w < 10 || s < kArrowSkewMinShape || s > kArrowSkewMaxShape) ? 0 : shape_ / 3;
        const double d = dir(arc.reference, b_);
        QPainterPath head(b_ + polar(length, d + 155 + skew));
        head.lineTo(b_);
        head.lineTo(b_ + polar(length, d + 205 + skew));
        add(head, PenRole::Second);
        plan_.underlay = true;
    }

    void planStereo()
    {
        const int m = std::abs(scale(shape_));
        const double a = dir(a_, b_);
        const QPoint q = polar(m, a + 90);
        plan_.clip = QPolygon({a_, b_ - q, b_ + q});
        if (shape_ >= 0) {
            QPainterPath quad;
            quad.addPolygon(QPolygonF(QPolygon({a_ - q, b_ - q, b_ + q, a_ + q})));
            quad.closeSubpath();
            add(quad, PenRole::Main, true);
        } else {
            const int g = std::max(1, scale(4));
            const int n = roundHalfAway(distance(a_, b_) / g);
            for (int i = 0; i < n; ++i) {
                const QPoint x = a_ + polar(i * g, a);
                add(linePath(x - q, x + q));
            }
            if (!options_.outlineOnly) {
                QPainterPath edge(a_ + polar(1, a));
                edge.lineTo(b_ - q);
                edge.lineTo(b_ + q);
                plan_.underlayAfter.push_back(edge);
            }
        }
        QPainterPath outline(a_);
        outline.lineTo(b_ - q);
        outline.lineTo(b_ + q);
        plan_.outline = outline;
        plan_.probeMargins = false;
    }

    void planFree()
    {
        if (options_.dragged) {
            add(polylinePath(*options_.dragged));
            return;
        }
        if (f_.points.empty())
            return;
        add(polylinePath(f_.points));
        plan_.underlay = true;
    }

    void planPai()
    {
        const double d = distance(a_, b_);
        const double a = dir(a_, b_);
        const double e = d * 0.1 * shape_;
        const QPoint v = polar(1.35 * d, a);
        QPainterPath lobe(a_);
        lobe.cubicTo(a_ + v + polar(e, a - 90), a_ + v + polar(e, a + 90), a_);
        add(lobe);
        plan_.underlay = true;
    }

    void planCircle()
    {
        const int s = scale(shape_);
        const double r = 3.0 * std::abs(s);
        const double a = dir(a_, b_);
        plan_.underlay = true;
        if (a_ == b_) {
            QPainterPath round;
            if (s > 1) {
                round.addEllipse(QRectF(QPointF(a_ + polar(1.41 * r, a + 135)), QPointF(a_ + polar(1.41 * r, a - 45))));
                add(round);
            } else {
                round.addEllipse(QRectF(QPointF(a_.x() - s - 2, a_.y() - s - 2), QPointF(b_.x() + s + 2, b_.y() + s + 2)));
                add(round, PenRole::Second, true);
            }
            return;
        }
        const QPoint k0 = a_ + polar(r, a + 90), k1 = a_ + polar(r, a + 180), k2 = a_ + polar(r, a - 90);
        const QPoint k3 = b_ + polar(r, a - 90), k4 = b_ + polar(r, a), k5 = b_ + polar(r, a + 90);
        add(arcPath(computeArc(k2, k1, kOvalArcBend)));
        add(arcPath(computeArc(k1, k0, kOvalArcBend)));
        add(linePath(k0, k5));
        add(arcPath(computeArc(k5, k4, kOvalArcBend)));
        add(arcPath(computeArc(k4, k3, kOvalArcBend)));
        add(linePath(k3, k2));
        // Zero-length strokes round off the joins.
        for (QPoint k : {k0, k1, k2, k3, k4, k5})
            add(linePath(k, k));
    }

    const TFigure& f_;
    const RenderTarget& target_;
    const RenderOptions& options_;
    QPoint a_, b_;
    int shape_ = 0;
    Plan plan_;
};

// Steps outward from an extreme point until the first pure white pixel; 0 when none is met. Ten steps
// share a pixel: each pixel is read once.
int probeMargin(const Canvas& canvas, QPoint from, double angle, bool horizontal)
{
    const PolarRay ray(angle);
    QPoint read;
    for (int i = 1; i <= kMarginProbeSteps; ++i) {
        const QPoint p = from + ray.at(i * 0.1);
        if (i > 1 && p == read)
            continue;
        read = p;
        if (canvas.pixel(p) == clWhite)
            return horizontal ? p.x() - from.x() : p.y() - from.y();
    }
    return 0;
}

FigureExtent measureExtent(const Plan& plan, const TFigure& f, const Canvas& canvas)
{
    FigureExtent extent = outlineExtent(f.ends[kMainStart], flattenPath(plan.outline));
    if (plan.probeMargins)
        extent.margins = probeMargins(canvas, extent.extremes);
    return extent;
}

void drawPlan(const Plan& plan, Canvas& canvas, TColor penColor)
{
    const CanvasPen underlayPen{clUnderlayWhite, 1, PenStyle::Solid};
    if (plan.underlay) {
        canvas.setPen(underlayPen);
        canvas.setBrush({penColor, BrushStyle::Clear});
        for (const Stroke& s : plan.strokes)
            canvas.drawPath(s.path, false);
    }
    {
        // A degenerate triangle has no pixels; then nothing is clipped and a flat wedge shows as a line.
        const QRegion clip = plan.clip.isEmpty() ? QRegion() : polygonRegion(plan.clip);
        std::optional<Canvas::NarrowedClip> narrowed;
        if (!clip.isEmpty()) {
            QPainterPath shape;
            shape.addPolygon(QPolygonF(plan.clip));
            shape.closeSubpath();
            narrowed.emplace(canvas, clip, shape);
        }
        for (const Stroke& s : plan.strokes) {
            canvas.setPen(s.role == PenRole::Main ? plan.main : plan.second);
            canvas.setBrush({penColor, s.filled ? BrushStyle::Solid : BrushStyle::Clear});
            canvas.drawPath(s.path, s.filled);
        }
    }
    canvas.setPen(underlayPen);
    canvas.setBrush({penColor, BrushStyle::Clear});
    for (const QPainterPath& p : plan.underlayAfter)
        canvas.drawPath(p, false);
}

// A surface fill of the seed's colour; it takes what the figures before it left on the canvas.
void renderFill(const TFigure& f, Canvas& canvas)
{
    canvas.floodFill(f.ends[kMainStart], f.fillColor);
}

// The rubber band of a range selection, always inverting so that drawing it again removes it.
void renderRange(const TFigure& f, Canvas& canvas, const RenderOptions& options)
{
    canvas.setPenMode(PenMode::NotXor);
    canvas.setBrush({clRed, BrushStyle::Clear});
    if (!f.freeForm) {
        canvas.setPen({clRed, 1, PenStyle::Dot});
        canvas.rectangle(f.ends[kMainStart], f.ends[kMainEnd]);
        return;
    }
    canvas.setPen({clRed, 1, PenStyle::Solid});
    if (options.dragged) {
        const TDynamicPtArray& p = *options.dragged;
        if (!p.empty() && p.size() % 2 == 0)
            canvas.line(p[p.size() - 2], p[p.size() - 1]);
        return;
    }
    if (!f.points.empty())
        canvas.drawPath(polylinePath(f.points), false);
}

// A line figure: planned, drawn, and measured when recording.
RenderRecord renderLines(const TFigure& f, const RenderTarget& target, const RenderOptions& options)
{
    const Plan plan = Planner(f, target, options).make();
    drawPlan(plan, target.canvas, f.penColor);
    RenderRecord record;
    record.secondLine = plan.secondLine;
    record.thirdLine = plan.thirdLine;
    if (options.record && isLineKind(f.kind))
        record.extent = measureExtent(plan, f, target.canvas);
    return record;
}

BondLines bondLinesOf(const std::optional<SideLine>& second, const std::optional<SideLine>& third)
{
    const SideLine s = second.value_or(SideLine{}), t = third.value_or(SideLine{});
    return {s.start, s.end, t.start, t.end};
}

} // namespace

FigureExtent outlineExtent(QPoint start, const QList<QPolygon>& outline)
{
    FigureExtent extent;
    std::array<QPoint, 4>& e = extent.extremes;
    e.fill(start);
    for (const QPolygon& poly : outline) {
        for (QPoint v : poly) {
            if (v.x() < e[kLeftmost].x())
                e[kLeftmost] = v;
            else if (v.x() > e[kRightmost].x())
                e[kRightmost] = v;
            if (v.y() < e[kTopmost].y())
                e[kTopmost] = v;
            else if (v.y() > e[kBottommost].y())
                e[kBottommost] = v;
        }
    }
    return extent;
}

TMargins probeMargins(const Canvas& canvas, const std::array<QPoint, 4>& e)
{
    TMargins m;
    m.left = std::min(0, probeMargin(canvas, e[kLeftmost], 180, true));
    m.top = std::min(0, probeMargin(canvas, e[kTopmost], 90, false));
    m.right = std::max(0, probeMargin(canvas, e[kRightmost], 0, true));
    m.bottom = std::max(0, probeMargin(canvas, e[kBottommost], -90, false));
    return m;
}

void RenderRecord::update(const RenderRecord& later)
{
    if (later.extent)
        extent = later.extent;
    if (later.secondLine)
        secondLine = later.secondLine;
    if (later.thirdLine)
        thirdLine = later.thirdLine;
    if (later.pictureOffset)
        pictureOffset = later.pictureOffset;
}

BondLines RenderRecord::bondLines() const { return bondLinesOf(secondLine, thirdLine); }

int mappedPenWidth(int lineWidth)
{
    const int b = std::abs(lineWidth);
    const int w = b <= 10 ? b : (b <= 20 ? 3 * b - 20 : 7 * b - 100);
    return w <= 0 ? 1 : w;
}

RenderRecord renderFigure(const TFigure& f, const RenderTarget& target, const RenderOptions& options)
{
    Canvas& canvas = target.canvas;
    const CanvasPen savedPen = canvas.pen();
    const CanvasBrush savedBrush = canvas.brush();
    const CanvasFont savedFont = canvas.font();
    const PenMode savedMode = canvas.penMode();

    canvas.setPenMode(options.mode);
    RenderRecord record;
    switch (f.kind) {
    case fkMoji: record = renderText(f, target, options); break;
    case fkPicture: record = renderPicture(f, target, options); break;
    case fkNuri: renderFill(f, canvas); break;
    case fkRange: renderRange(f, canvas, options); break;
    default: record = renderLines(f, target, options); break;
    }

    canvas.setPen(savedPen);
    canvas.setBrush(savedBrush);
    canvas.setFont(savedFont);
    canvas.setPenMode(savedMode);
    return record;
}

FigureOutline figureOutline(const TFigure& f, const RenderTarget& target)
{
    RenderOptions options;
    options.outlineOnly = true;
    const Plan plan = Planner(f, target, options).make();
    return {plan.outline, plan.main, bondLinesOf(plan.secondLine, plan.thirdLine)};
}

} // namespace molvane
