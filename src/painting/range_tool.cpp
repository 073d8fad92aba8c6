#include "painting/range_tool.h"

#include "painting/paint_whites.h"

namespace molvane {

namespace {

// The band and the outline: red, one pixel, dotted, inverted.
constexpr CanvasPen kRangePen{clRed, 1, PenStyle::Dot};

} // namespace

void RangeTool::startMarking(QPoint at)
{
    phase_ = Phase::Marking;
    press_ = current_ = at;
    range_ = {};
    range_.free = free_;
    if (free_) {
        range_.outline << at;
        range_.rect = QRect(at, at);
    }
    dragging_ = true;
}

void RangeTool::press(const PointerEvent& e)
{
    if (phase_ == Phase::Selected) {
        if (range_.contains(e.at)) {
            const bool ctrl = e.modifiers & Qt::ControlModifier;
            pieces_ = host_.liftRange(range_, ctrl);
            phase_ = Phase::Moving;
            press_ = current_ = e.at;
            lock_.reset(e.at);
            copying_ = ctrl;
            dragging_ = true;
            env_.invalidate(overlayArea());
            return;
        }
        clearRange();
    }
    if (phase_ == Phase::Marking && range_.exists() && !dragging_)
        return; // a range marked already waits for a press inside it
    startMarking(e.at);
    env_.invalidate(overlayArea());
}

void RangeTool::move(const PointerEvent& e)
{
    if (!dragging_)
        return;
    const QRegion before = overlayArea();
    if (phase_ == Phase::Moving) {
        current_ = (e.modifiers & Qt::ShiftModifier) ? lock_.apply(e.at) : e.at;
        const bool ctrl = e.modifiers & Qt::ControlModifier;
        if (ctrl != copying_) {
            copying_ = ctrl;
            host_.showPiecesAtOldPlace(ctrl);
        }
    } else if (free_) {
        current_ = e.at;
        range_.outline << e.at;
        range_.rect = range_.rect.united(QRect(e.at, e.at));
    } else {
        current_ = e.at;
    }
    env_.invalidate(before + overlayArea());
}

void RangeTool::release(const PointerEvent& e)
{
    if (!dragging_)
        return;
    move(e);
    dragging_ = false;
    const QRegion before = overlayArea();
    if (phase_ == Phase::Moving) {
        const QPoint moved = current_ - press_;
        const PaintViewScale s = env_.scale();
        pieces_.clear();
        range_ = {};
        phase_ = Phase::Marking;
        env_.invalidate(before);
        host_.endMove(moved.isNull() ? std::nullopt : std::optional<QPoint>(s.toCanvas(moved)), copying_);
        host_.rangeChanged();
        return;
    }
    if (!free_) {
        if (current_ == press_) {
            range_ = {};
            env_.invalidate(before);
            return; // a click makes no range
        }
        range_.rect = QRect(QPoint(std::min(press_.x(), current_.x()), std::min(press_.y(), current_.y())),
                            QPoint(std::max(press_.x(), current_.x()), std::max(press_.y(), current_.y())));
    }
    phase_ = Phase::Selected;
    env_.invalidate(before + overlayArea());
    host_.rangeChanged();
}

void RangeTool::shiftPressed(QPoint current)
{
    if (dragging_ && phase_ == Phase::Moving)
        lock_.restartAt(current);
}

void RangeTool::cancel()
{
    if (phase_ == Phase::Moving && dragging_) {
        dragging_ = false;
        pieces_.clear();
        host_.endMove(std::nullopt, false);
    }
    clearRange();
}

void RangeTool::clearRange()
{
    env_.invalidate(overlayArea());
    range_ = {};
    phase_ = Phase::Marking;
    dragging_ = false;
    host_.rangeChanged();
}

QRect RangeTool::piecesArea() const
{
    const PaintViewScale s = env_.scale();
    QRect area;
    for (const FloatingPiece& p : pieces_)
        area |= QRect(s.toScreen(p.corner) + (current_ - press_), s.toScreen(p.picture.size()));
    return area;
}

QRegion RangeTool::overlayArea() const
{
    if (phase_ == Phase::Moving)
        return piecesArea().adjusted(-1, -1, 1, 1);
    if (phase_ == Phase::Marking && !dragging_)
        return {};
    const QRect band = free_ && phase_ == Phase::Marking ? range_.rect : QRect(press_, current_).normalized();
    const QRect shown = phase_ == Phase::Selected ? range_.rect : band;
    return QRegion(shown.adjusted(-2, -2, 2, 2));
}

void RangeTool::paintRange(Canvas& canvas) const
{
    const CanvasPen pen = canvas.pen();
    const PenMode mode = canvas.penMode();
    canvas.setPen(kRangePen);
    canvas.setPenMode(PenMode::NotXor);
    if (range_.free) {
        // Every second segment, so the outline looks dashed: the ones ending at the 2nd, 4th, ... point.
        const QPolygon& o = range_.outline;
        for (int i = 1; i < o.size(); i += 2)
            canvas.line(o[i - 1], o[i]);
    } else {
        const QRect r = phase_ == Phase::Selected ? range_.rect : QRect(press_, current_).normalized();
        canvas.polyline(QPolygon({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(), r.topLeft()}));
    }
    canvas.setPen(pen);
    canvas.setPenMode(mode);
}

void RangeTool::paintOverlay(Canvas& canvas, const QRect& exposed) const
{
    if (!exposed.intersects(overlayArea().boundingRect()))
        return;
    if (phase_ == Phase::Moving) {
        const PaintViewScale s = env_.scale();
        for (const FloatingPiece& p : pieces_)
            canvas.drawImage(QRect(s.toScreen(p.corner) + (current_ - press_), s.toScreen(p.picture.size())),
                             p.picture);
        return;
    }
    if (dragging_ || phase_ == Phase::Selected)
        paintRange(canvas);
}

} // namespace molvane
