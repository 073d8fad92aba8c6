#pragma once
// ペン, 線 and 面: a press starts the stroke, moves drag it out on the view (the pen's points as they
// come, a line or an outline as an inverted preview), and the release makes it a stroke of the
// picture. Shift constrains the drag. A click without movement makes a dot with the pen and nothing
// with a line or a shape.

#include "painting/paint_tool.h"
#include "painting/stroke_constraint.h"

namespace molvane {

class StrokeTool : public PaintTool {
public:
    // kind: 11 rectangle, 12 ellipse, 14 line, 17 pen.
    StrokeTool(PaintEnvironment& env, int kind) : env_(env), kind_(kind) {}

    int kind() const { return kind_; }
    void press(const PointerEvent& e) override;
    void move(const PointerEvent& e) override;
    void release(const PointerEvent& e) override;
    void shiftPressed(QPoint current) override;
    bool dragging() const override { return dragging_; }
    void cancel() override;
    QRegion overlayArea() const override;
    void paintOverlay(Canvas& canvas, const QRect& exposed) const override;

    QPoint current() const { return current_; }

private:
    QPoint constrained(const PointerEvent& e);
    bool isPen() const;

    PaintEnvironment& env_;
    int kind_;
    bool dragging_ = false;
    QPoint press_, current_; // view pixels
    TDynamicPtArray live_;   // the pen's points, view pixels
    QRect liveBounds_;       // the box of the pen's points
    AxisLock lock_;
};

// 塗り: a press fills from the pressed pixel at once.
class FillTool : public PaintTool {
public:
    explicit FillTool(PaintEnvironment& env) : env_(env) {}
    void press(const PointerEvent& e) override;

private:
    PaintEnvironment& env_;
};

} // namespace molvane
