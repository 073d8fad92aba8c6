#pragma once
// The picture editor's canvas works through tools, one per way of painting. A tool sees only this
// small environment: the view's scale, the stroke the controls and the palette make, the preview of a
// stroke on the view, and what happens to a finished stroke.

#include "document/figure.h"
#include "document/pointer_gesture.h"
#include "painting/paint_view_scale.h"
#include "platform/canvas.h"

namespace molvane {

class PaintEnvironment {
public:
    virtual ~PaintEnvironment() = default;

    virtual PaintViewScale scale() const = 0;
    // A new stroke of this kind with the controls' width, curvature and pen style and the palette's
    // colour; press, release and points in canvas pixels.
    virtual TFigure makeStroke(int kind, QPoint press, QPoint release,
                               const TDynamicPtArray& points) const = 0;
    // The stroke being dragged as the view shows it (view pixels) where exposed: an outline inverted on
    // the view, or the pen's live points painted over it.
    virtual void paintPreview(Canvas& canvas, const QRect& exposed, int kind, QPoint press, QPoint current,
                              const TDynamicPtArray& live) const = 0;
    // Where the preview from press to current lies on the view (view pixels), with room for the pen's
    // width (the pen's line: the box of its points).
    virtual QRect previewBounds(int kind, QPoint press, QPoint current) const = 0;
    // The finished stroke goes into the picture and its history.
    virtual void strokeFinished(TFigure stroke) = 0;
    virtual void invalidate(const QRegion& viewArea) = 0;
};

class PaintTool {
public:
    virtual ~PaintTool() = default;
    virtual void press(const PointerEvent& e) = 0;
    virtual void move(const PointerEvent&) {}
    virtual void release(const PointerEvent&) {}
    // Shift went down during a drag, the pointer at current (view pixels).
    virtual void shiftPressed(QPoint /*current*/) {}
    virtual bool dragging() const { return false; }
    // The drag is dropped: nothing is made.
    virtual void cancel() {}
    virtual QRegion overlayArea() const { return {}; }
    virtual void paintOverlay(Canvas&, const QRect& /*exposed*/) const {}
};

} // namespace molvane
