#pragma once
// The canvas works through tools, one per way of working: a tool takes the pointer's press, moves and
// release and paints its overlay. A tool sees only this small environment, never the window: the
// drawing, the zoom and snapping, the drawing conditions of the controls, the prompts, what to paint
// again, the status line, and the window's side of ending a mode.

#include "document/canvas_geometry.h"
#include "document/drawing.h"
#include "document/edit_mode.h"
#include "document/figure_creation.h"
#include "document/pointer_gesture.h"
#include "platform/canvas.h"
#include "platform/prompts.h"

#include <QPoint>
#include <QRegion>
#include <QString>
#include <qnamespace.h>

namespace molvane {

class CanvasEnvironment {
public:
    virtual ~CanvasEnvironment() = default;

    virtual Drawing& drawing() = 0;
    virtual int zoom() const = 0;
    // The cursor precision (the precision up-down) and the snap of a view point to it as the mode wants.
    virtual int precision() const = 0;
    virtual QPoint snap(QPoint view) const = 0;
    // The pointer is being stepped from the keyboard: a figure finished now keeps its one-pixel steps.
    virtual bool keyboardPointing() const = 0;
    // The grid step at the view's zoom and the cursor precision, and the plain snap to it (only keyboard
    // pointing goes pixel by pixel), in view pixels.
    double gridStep() { return snapStep(drawing().settings.masuHaba, zoom(), precision()); }
    QPoint snapPlain(QPoint view) { return snapPoint(view, keyboardPointing() ? 1.0 : gridStep()); }
    // What the controls say a new figure looks like.
    virtual DrawingConditions conditions() const = 0;
    // A canvas to measure text and outlines on at the view's zoom.
    virtual Canvas& measuringCanvas() const = 0;
    virtual Prompts& prompts() = 0;
    // The whole view, in view pixels.
    virtual QRect viewRect() const = 0;
    // View pixels to paint again when the event loop comes round; repaintNow() paints the whole view at
    // once (before a modal box opens over it).
    virtual void invalidate(const QRegion& area) = 0;
    virtual void repaintNow() = 0;
    // The name of a figure kind as the tool buttons' hints give it.
    virtual QString figureName(int kind) const = 0;
    // A figure was drawn and is in the drawing and its history.
    virtual void figureDrawn() = 0;
    // The tool's work is done: the window leaves the mode.
    virtual void toolFinished() = 0;
};

class CanvasTool {
public:
    virtual ~CanvasTool() = default;
    // Whether the tool works in this mode (the window makes a new tool when it does not).
    virtual bool serves(EditMode mode) const = 0;
    virtual void press(const PointerEvent& e) = 0;
    virtual void move(const PointerEvent&) {}
    virtual void release(const PointerEvent&) {}
    // The view scrolled by itself under the held pointer, now at this snapped point.
    virtual void autoScrolled(QPoint) {}
    // A right press or a mode change drops the gesture.
    virtual void cancel() {}
    // A gesture is under way (the button went down on something the tool follows).
    virtual bool dragging() const { return false; }
    // Where the overlay may paint now (view pixels), and its paint.
    virtual QRegion overlayArea() const { return {}; }
    virtual void paintOverlay(Canvas&, const QRect& /*exposed*/) const {}
};

} // namespace molvane
