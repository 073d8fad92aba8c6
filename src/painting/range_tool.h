#pragma once
// 範囲: a drag marks a rectangular or free range (a red dotted band, inverted on the view); a press
// inside the marked range lifts it and drags the lifted piece (Shift locks an axis, Ctrl copies it
// instead of moving it); a press outside starts a new range. What lifting, copying and putting down do
// to the picture is the window's: the tool sees it through RangeHost.

#include "painting/paint_tool.h"
#include "painting/range_strokes.h"
#include "painting/stroke_constraint.h"

#include <optional>
#include <vector>

namespace molvane {

// A lifted piece as it floats while it is dragged: its picture (pure white already transparent) and its
// corner on the canvas.
struct FloatingPiece {
    QImage picture;
    QPoint corner;
};

class RangeHost {
public:
    virtual ~RangeHost() = default;
    // A range was marked or cleared.
    virtual void rangeChanged() = 0;
    // Lifts the range into a selected piece stroke (its place erased); unless ctrl, the picture is shown
    // without it. The pieces that float.
    virtual std::vector<FloatingPiece> liftRange(const PaintRange& range, bool ctrl) = 0;
    // Ctrl went down (true: the pieces show at their old place as well) or up during the drag.
    virtual void showPiecesAtOldPlace(bool shown) = 0;
    // The drag ended: moved by offset (canvas pixels), copying or not; no offset when it did not move.
    virtual void endMove(std::optional<QPoint> offset, bool copying) = 0;
};

class RangeTool : public PaintTool {
public:
    enum class Phase { Marking, Selected, Moving };

    RangeTool(PaintEnvironment& env, RangeHost& host, bool freeShape)
        : env_(env), host_(host), free_(freeShape)
    {
    }

    void press(const PointerEvent& e) override;
    void move(const PointerEvent& e) override;
    void release(const PointerEvent& e) override;
    void shiftPressed(QPoint current) override;
    bool dragging() const override { return dragging_; }
    void cancel() override;
    QRegion overlayArea() const override;
    void paintOverlay(Canvas& canvas, const QRect& exposed) const override;

    Phase phase() const { return phase_; }
    const PaintRange& range() const { return range_; }
    // The range goes; the next press marks a new one.
    void clearRange();
    void setFreeShape(bool free) { free_ = free; }

private:
    void startMarking(QPoint at);
    void paintRange(Canvas& canvas) const;
    QRect piecesArea() const;

    PaintEnvironment& env_;
    RangeHost& host_;
    bool free_;
    Phase phase_ = Phase::Marking;
    bool dragging_ = false;
    PaintRange range_;       // the marked range, or the one being marked
    QPoint press_, current_; // view pixels
    std::vector<FloatingPiece> pieces_;
    bool copying_ = false;
    AxisLock lock_;
};

} // namespace molvane
