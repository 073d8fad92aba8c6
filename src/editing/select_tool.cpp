#include "editing/select_tool.h"

#include "document/canvas_geometry.h"
#include "document/geometry.h"
#include "editing/selection.h"

namespace molvane {

void SelectTool::press(const PointerEvent& e)
{
    start_ = current_ = env_.snap(e.at);
    switch (window_.editMode()) {
    case EditMode::RangeDrawing: startRange(current_); break;
    case EditMode::RangeSelected:
    case EditMode::Individual: pressOnSelection(e.at); break;
    default: break; // a key move is under way
    }
}

void SelectTool::pressOnSelection(QPoint at)
{
    const EditMode mode = window_.editMode();
    const FigureList& figures = env_.drawing().figures;
    pressedFrame_ = frameHit(figures, at, env_.zoom());
    if (pressedFrame_ >= 0) {
        window_.figureChosen(figures[std::size_t(pressedFrame_)]);
        dragging_ = true;
    } else if (mode == EditMode::RangeSelected && insideRange(at)) {
        dragging_ = true;
    } else if (!(mode == EditMode::RangeSelected && window_.duplicateHeld())) {
        window_.endSelection();
        window_.selectAgain(mode);
    }
}

void SelectTool::startRange(QPoint point)
{
    freeRange_ = window_.freeRangeChosen();
    lasso_.clear();
    range_ = {};
    dragging_ = true;
    if (freeRange_) {
        lasso_.push_back(point);
        range_ = QRect(point, QSize(1, 1));
        return;
    }
    showBand(true);
}

void SelectTool::extendRange(QPoint point)
{
    if (!freeRange_) {
        current_ = point;
        showBand(true);
        return;
    }
    if (!lasso_.empty() && lasso_.back() == point)
        return;
    const QPoint previous = lasso_.empty() ? point : lasso_.back();
    lasso_.push_back(point);
    range_ |= QRect(point, QSize(1, 1));
    current_ = point;
    env_.invalidate(rangeRect(previous, point).adjusted(-2, -2, 2, 2));
}

void SelectTool::finishRange(QPoint point)
{
    if (!freeRange_)
        current_ = point;
    showBand(false);
    Drawing& d = env_.drawing();
    int taken = 0;
    if (freeRange_) {
        // The lasso's bounds take the plain snap; its points stay as drawn.
        range_ = QRect(env_.snapPlain(range_.topLeft()), env_.snapPlain(range_.bottomRight()));
        taken = selectByRange(d.figures, QPolygon(lasso_), env_.zoom());
    } else {
        if (current_ != start_)
            range_ = rangeRect(start_, current_);
        taken = range_.isNull() ? 0 : selectByRange(d.figures, range_, env_.zoom());
    }
    if (taken == 0) {
        clearRange();
        window_.setEditMode(window_.returnMode());
    } else {
        window_.setEditMode(EditMode::RangeSelected);
        if (taken == 1)
            for (const TFigure& f : d.figures)
                if (f.selected)
                    window_.figureChosen(f);
    }
    env_.invalidate(env_.viewRect());
}

void SelectTool::move(const PointerEvent& e)
{
    if (!dragging_)
        return;
    const QPoint point = env_.snap(e.at);
    switch (window_.editMode()) {
    case EditMode::RangeDrawing:
        if (!e.autoScrolling)
            extendRange(point);
        break;
    case EditMode::RangeSelected:
    case EditMode::Individual:
        current_ = point;
        if (point != start_) {
            window_.setEditMode(EditMode::Moving);
            startMove(window_.duplicateHeld() || (e.modifiers & Qt::ControlModifier));
            follow(current_ - start_);
        }
        break;
    case EditMode::Moving:
        if (!e.autoScrolling && !move_.figures().empty()) {
            current_ = point;
            follow(current_ - start_);
        }
        break;
    default: break;
    }
}

void SelectTool::autoScrolled(QPoint snapped)
{
    if (!dragging_)
        return;
    if (window_.editMode() == EditMode::Moving) {
        current_ = snapped;
        follow(current_ - start_);
    } else if (window_.editMode() == EditMode::RangeDrawing) {
        extendRange(snapped);
    }
}

void SelectTool::release(const PointerEvent& e)
{
    if (!dragging_)
        return;
    const QPoint point = env_.snap(e.at);
    Drawing& d = env_.drawing();
    switch (window_.editMode()) {
    case EditMode::RangeDrawing: finishRange(point); break;
    case EditMode::RangeSelected:
    case EditMode::Individual:
        // A release without a move: a click on a frame flips that figure.
        if (pressedFrame_ >= 0 && pressedFrame_ < int(d.figures.size())) {
            toggleSelected(d.figures, pressedFrame_);
            env_.invalidate(env_.viewRect());
        }
        break;
    case EditMode::Moving:
        current_ = point;
        releaseMove(point, e.modifiers);
        break;
    default: break;
    }
    pressedFrame_ = -1;
    dragging_ = false;
}

void SelectTool::releaseMove(QPoint point, Qt::KeyboardModifiers modifiers)
{
    if (countSelected(env_.drawing().figures) == 0) {
        env_.invalidate(move_.drop(env_.zoom()));
        window_.endSelection();
        window_.selectAgain(EditMode::Moving);
        return;
    }
    const bool fine = env_.keyboardPointing() && env_.drawing().settings.smallMoveOneDot;
    finishMove(point - start_, window_.duplicateHeld() || (modifiers & Qt::ControlModifier), fine);
}

void SelectTool::startMove(bool duplicating)
{
    move_.begin(env_.drawing(), duplicating);
    env_.invalidate(env_.viewRect());
}

void SelectTool::follow(QPoint offset) { env_.invalidate(move_.follow(offset, env_.zoom())); }

void SelectTool::finishMove(QPoint offset, bool duplicate, bool fine)
{
    Drawing& d = env_.drawing();
    env_.invalidate(move_.finish(d, offset, env_.zoom(), duplicate, fine));
    if (!range_.isNull()) {
        // The range follows the figures.
        window_.setEditMode(EditMode::RangeSelected);
        range_.translate(offset);
        for (QPoint& p : lasso_)
            p += offset;
    } else {
        window_.setEditMode(window_.returnMode());
    }
    d.pushHistory();
    if (window_.returnMode() == EditMode::Individual) {
        for (TFigure& f : d.figures)
            f.selected = false;
    } else if (range_.isNull()) {
        window_.endSelection();
    }
    env_.invalidate(env_.viewRect());
}

bool SelectTool::keyTick(KeyMover& keys, bool running, bool autoScrolling, bool duplicate, bool fine)
{
    Drawing& d = env_.drawing();
    if (window_.editMode() == EditMode::RangeSelected) {
        // The first tick (or a tap committed before any tick): the move starts from nothing.
        if (d.settings.smallMoveOneDot)
            for (TFigure& f : d.figures)
                if (f.selected)
                    f.fineMoved = true;
        start_ = {};
        keyPos_ = {};
        window_.setEditMode(EditMode::Moving);
        startMove(window_.duplicateHeld());
        keyPos_ += keys.tick();
        follow(keyPos_);
    } else if (window_.editMode() == EditMode::Moving && running) {
        if (!autoScrolling && !move_.figures().empty()) {
            keyPos_ += keys.tick();
            follow(keyPos_);
        }
    }
    if (running || window_.editMode() != EditMode::Moving)
        return false;
    // Every key is up: commit.
    if (countSelected(d.figures) > 0) {
        finishMove(keyPos_ - start_, duplicate, fine);
    } else {
        env_.invalidate(move_.drop(env_.zoom()));
        window_.endSelection();
    }
    return true;
}

void SelectTool::duplicatingChanged(bool duplicating)
{
    move_.duplicatingChanged(env_.drawing(), duplicating);
    env_.invalidate(env_.viewRect());
}

void SelectTool::cancel()
{
    showBand(false);
    dropMove();
    dragging_ = false;
    pressedFrame_ = -1;
}

void SelectTool::dropMove() { env_.invalidate(move_.drop(env_.zoom())); }

bool SelectTool::insideRange(QPoint view) const
{
    if (range_.isNull())
        return false;
    if (freeRange_)
        return QPolygon(lasso_).containsPoint(view, Qt::OddEvenFill);
    return range_.contains(view);
}

void SelectTool::clearRange()
{
    range_ = {};
    lasso_.clear();
    freeRange_ = false;
}

bool SelectTool::statusBox(QPoint& corner, QSize& size) const
{
    const EditMode mode = window_.editMode();
    if (!range_.isNull()) {
        // The range where it stands, or where it is being dragged to.
        corner = range_.topLeft() + (mode == EditMode::Moving && dragging_ ? current_ - start_ : QPoint());
        size = range_.size();
        return true;
    }
    if (mode == EditMode::RangeDrawing && dragging_) {
        size = QSize(std::abs(current_.x() - start_.x()), std::abs(current_.y() - start_.y()));
        return true;
    }
    return false;
}

void SelectTool::showBand(bool shown)
{
    env_.invalidate(shown ? band_.show(rangeRect(start_, current_).adjusted(-2, -2, 2, 2)) : band_.hide());
}

QRegion SelectTool::overlayArea() const
{
    QRegion r = move_.area(env_.zoom());
    r += band_.area();
    if (!range_.isNull())
        r += range_.adjusted(-2, -2, 2, 2);
    return r;
}

void SelectTool::paintOverlay(Canvas& canvas, const QRect& exposed) const
{
    const EditMode mode = window_.editMode();
    const bool lassoDrawn = mode == EditMode::RangeDrawing && freeRange_ && dragging_;
    canvas.setPenMode(PenMode::NotXor);
    canvas.setBrush({clRed, BrushStyle::Clear});
    if ((mode == EditMode::RangeSelected || lassoDrawn) && !range_.isNull()) {
        if (!freeRange_) {
            canvas.setPen({clRed, 1, PenStyle::Dot});
            canvas.rectangle(range_.topLeft(), range_.bottomRight());
        } else {
            // Every second segment of the lasso: it looks dashed.
            canvas.setPen({clRed, 1, PenStyle::Solid});
            for (qsizetype i = 2; i < lasso_.size(); i += 2)
                if (exposed.intersects(rangeRect(lasso_[i - 1], lasso_[i]).adjusted(-1, -1, 1, 1)))
                    canvas.line(lasso_[i - 1], lasso_[i]);
        }
    }
    move_.paint(canvas, env_.zoom());
    if (band_.touches(exposed)) {
        canvas.setPenMode(PenMode::NotXor);
        canvas.setBrush({clRed, BrushStyle::Clear});
        canvas.setPen({clRed, 1, PenStyle::Dot});
        canvas.rectangle(start_, current_);
    }
}

} // namespace molvane
