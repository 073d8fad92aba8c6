#pragma once
// Drawing a figure: the press starts the working figure from the controls' conditions, each move
// updates it, the release finishes it into the drawing as one undo state. Bonds, curves, arrows,
// wedges, orbitals and circles are dragged out as inverting rubber bands; a text is carried to its
// place; a free curve collects the pointer's points; a fill is placed by the press alone, and only
// when it stays inside an outline.

#include "document/figure.h"
#include "editing/canvas_tool.h"

namespace molvane {

class DrawTool : public CanvasTool {
public:
    explicit DrawTool(CanvasEnvironment& env) : env_(env) {}

    bool serves(EditMode mode) const override { return isDrawingTool(mode); }
    void press(const PointerEvent& e) override;
    void move(const PointerEvent& e) override;
    void release(const PointerEvent& e) override;
    void autoScrolled(QPoint snapped) override;
    void cancel() override;
    bool dragging() const override { return dragging_; }
    QRegion overlayArea() const override;
    void paintOverlay(Canvas& canvas, const QRect& exposed) const override;

    const TFigure& workingFigure() const { return working_; }

private:
    EditMode kind() const { return EditMode(conditions_.kind); }
    void begin();
    void update(QPoint point);
    void moveTo(QPoint point);
    void pressFill(QPoint at);
    bool finishes() const;
    void commit();
    void show(bool shown);
    QRect workingRect() const;

    CanvasEnvironment& env_;
    DrawingConditions conditions_;
    TFigure working_;
    QPoint start_;
    QPoint current_;
    TDynamicPtArray points_; // the free curve's points, in view pixels
    bool dragging_ = false;
    ShownRect shown_; // where the working figure shows
};

} // namespace molvane
