#include "painting/stroke_tool.h"

#include "painting/paint_mode.h"

namespace molvane {

bool StrokeTool::isPen() const
{
    return kind_ == kStrokePen;
}

QPoint StrokeTool::constrained(const PointerEvent& e)
{
    if (!(e.modifiers & Qt::ShiftModifier))
        return e.at;
    if (isPen())
        return lock_.apply(e.at);
    if (kind_ == kStrokeLine)
        return constrainLine(press_, e.at);
    return constrainSquare(press_, e.at);
}

void StrokeTool::press(const PointerEvent& e)
{
    press_ = current_ = e.at;
    lock_.reset(e.at);
    live_.clear();
    if (isPen())
        live_.push_back(e.at);
    liveBounds_ = QRect(e.at, QSize(1, 1));
    dragging_ = true;
    env_.invalidate(overlayArea());
}

void StrokeTool::move(const PointerEvent& e)
{
    if (!dragging_)
        return;
    if (isPen()) {
        // Only the new piece of the pen's line needs painting: the rest is on the view already.
        const QPoint previous = current_;
        current_ = constrained(e);
        live_.push_back(current_);
        liveBounds_ |= QRect(current_, QSize(1, 1));
        env_.invalidate(env_.previewBounds(kind_, previous, current_));
        return;
    }
    const QRegion before = overlayArea();
    current_ = constrained(e);
    env_.invalidate(before + overlayArea());
}

void StrokeTool::release(const PointerEvent& e)
{
    if (!dragging_)
        return;
    const QRegion before = overlayArea();
    current_ = constrained(e);
    dragging_ = false;
    env_.invalidate(before);
    if (isPen() ? live_.empty() : current_ == press_)
        return;
    const PaintViewScale scale = env_.scale();
    TDynamicPtArray points;
    for (QPoint p : live_)
        points.push_back(scale.toCanvas(p));
    live_.clear();
    env_.strokeFinished(env_.makeStroke(kind_, scale.toCanvas(press_), scale.toCanvas(current_), points));
}

void StrokeTool::shiftPressed(QPoint current)
{
    if (dragging_)
        lock_.restartAt(current);
}

void StrokeTool::cancel()
{
    if (!dragging_)
        return;
    env_.invalidate(overlayArea());
    dragging_ = false;
    live_.clear();
}

QRegion StrokeTool::overlayArea() const
{
    if (!dragging_)
        return {};
    // The pen's whole line lies in the box of its points, widened by the pen as for a line.
    if (isPen())
        return env_.previewBounds(kind_, liveBounds_.topLeft(), liveBounds_.bottomRight());
    return env_.previewBounds(kind_, press_, current_);
}

void StrokeTool::paintOverlay(Canvas& canvas, const QRect& exposed) const
{
    if (dragging_ && exposed.intersects(overlayArea().boundingRect()))
        env_.paintPreview(canvas, exposed, kind_, press_, current_, live_);
}

void FillTool::press(const PointerEvent& e)
{
    const QPoint at = env_.scale().toCanvas(e.at);
    env_.strokeFinished(env_.makeStroke(kStrokeFill, at, at, {}));
}

} // namespace molvane
