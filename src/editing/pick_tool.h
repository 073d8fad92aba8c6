#pragma once
// Picking with one press: a tip to connect to its neighbour ("先端密着"), a connected tip to let go
// ("密着解除"), or a figure to tell about ("図形情報"). The press does its work and ends the mode.
// While a tip is to be picked, the tips that can be picked are marked.

#include "document/edit_mode.h"
#include "editing/canvas_tool.h"

namespace molvane {

class PickTool : public CanvasTool {
public:
    // mode: Connect, Disconnect or Information.
    PickTool(CanvasEnvironment& env, EditMode mode) : env_(env), mode_(mode) {}

    bool serves(EditMode mode) const override { return mode == mode_; }
    void press(const PointerEvent& e) override;
    QRegion overlayArea() const override;
    void paintOverlay(Canvas& canvas, const QRect& exposed) const override;

private:
    void pickTips(QPoint at);
    void tellAbout(QPoint at);

    CanvasEnvironment& env_;
    EditMode mode_;
};

} // namespace molvane
