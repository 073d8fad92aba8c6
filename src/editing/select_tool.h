#pragma once
// Selecting and moving: a rectangle or lasso range drawn with the pointer takes in the figures inside
// it; a click on a frame flips that figure (individual mode, or a figure beside the range); a drag
// from a frame or from inside the range moves the selected figures, Ctrl duplicates them; the keys
// move them step by step. The range stays after the gesture and follows the figures it moved.

#include "editing/canvas_tool.h"
#include "editing/figure_move.h"
#include "editing/key_move.h"

namespace molvane {

// The window's side of selecting: its mode, the selection buttons and the reform controls.
class SelectionEnvironment {
public:
    virtual ~SelectionEnvironment() = default;
    virtual EditMode editMode() const = 0;
    virtual void setEditMode(EditMode mode) = 0;
    // The figure tool a selection returns to.
    virtual EditMode returnMode() const = 0;
    // The lasso button, not the rectangle one, is down.
    virtual bool freeRangeChosen() const = 0;
    // Ctrl was down when the move began, or still is.
    virtual bool duplicateHeld() const = 0;
    // The selection ends: marks cleared, back to the last figure tool unless the selection mode stays.
    virtual void endSelection() = 0;
    // After a press beside every frame or a move that carried nothing: the selection button the user
    // keeps pressed, if any, starts again. was: the mode before the selection ended.
    virtual void selectAgain(EditMode was) = 0;
    // One figure alone is chosen: the reform controls show its values.
    virtual void figureChosen(const TFigure& f) = 0;
};

class SelectTool : public CanvasTool {
public:
    SelectTool(CanvasEnvironment& env, SelectionEnvironment& window) : env_(env), window_(window) {}

    bool serves(EditMode mode) const override { return isSelecting(mode); }
    void press(const PointerEvent& e) override;
    void move(const PointerEvent& e) override;
    void release(const PointerEvent& e) override;
    void autoScrolled(QPoint snapped) override;
    void cancel() override;
    bool dragging() const override { return dragging_; }
    QRegion overlayArea() const override;
    void paintOverlay(Canvas& canvas, const QRect& exposed) const override;

    // One tick of the key move: running while keys are held; the last tick (running false) puts the
    // figures down. fine: keyboard pointing with one-pixel steps. Returns true when the move ended.
    bool keyTick(KeyMover& keys, bool running, bool autoScrolling, bool duplicate, bool fine);
    // Ctrl went down or up during a move.
    void duplicatingChanged(bool duplicating);

    // The selected range in view pixels (empty when none), and the lasso's points when it is free.
    QRect range() const { return range_; }
    bool freeRange() const { return freeRange_; }
    const TDynamicPtArray& lasso() const { return lasso_; }
    bool insideRange(QPoint view) const;
    void clearRange();
    // The lasso is being drawn: the pointer goes pixel by pixel.
    bool drawingLasso() const { return dragging_ && freeRange_ && window_.editMode() == EditMode::RangeDrawing; }
    // What the status bar shows: the range's corner (where it is being dragged) and size, or the size of
    // the range being drawn. False when neither.
    bool statusBox(QPoint& corner, QSize& size) const;

    const FigureList& moveList() const { return move_.figures(); }
    int dragImageCount() const { return move_.imageCount(); }
    bool moveShown() const { return move_.active(); }
    // Drops a move's picture without moving anything (a right press, the end of the selection).
    void dropMove();

private:
    void pressOnSelection(QPoint at);
    void startRange(QPoint point);
    void extendRange(QPoint point);
    void finishRange(QPoint point);
    void startMove(bool duplicating);
    void follow(QPoint offset);
    void finishMove(QPoint offset, bool duplicate, bool fine);
    void releaseMove(QPoint point, Qt::KeyboardModifiers modifiers);
    void showBand(bool shown);

    CanvasEnvironment& env_;
    SelectionEnvironment& window_;
    QRect range_;           // view pixels; empty when none
    bool freeRange_ = false;
    TDynamicPtArray lasso_; // the free range's outline, view pixels
    QPoint start_;
    QPoint current_;
    QPoint keyPos_;
    bool dragging_ = false;
    int pressedFrame_ = -1; // the frame a press landed on
    FigureMove move_;
    ShownRect band_; // where the rectangle being drawn shows
};

} // namespace molvane
