#pragma once
// The canvas works through tools, one per way of working: a tool takes the pointer's press, moves and
// release and paints its overlay. A tool sees only this small environment, never the window: the
// drawing, the zoom, the prompts, what to paint again, and the window's side of ending a mode.

#include "document/drawing.h"
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
    virtual Prompts& prompts() = 0;
    // The whole view, in view pixels.
    virtual QRect viewRect() const = 0;
    // View pixels to paint again when the event loop comes round; repaintNow() paints the whole view at
    // once (before a modal box opens over it).
    virtual void invalidate(const QRegion& area) = 0;
    virtual void repaintNow() = 0;
    // The name of a figure kind as the tool buttons' hints give it.
    virtual QString figureName(int kind) const = 0;
    // The tool's work is done: the window leaves the mode.
    virtual void toolFinished() = 0;
};

// A press, move or release on the canvas, in view pixels.
struct PointerEvent {
    QPoint at;
    Qt::KeyboardModifiers modifiers;
};

class CanvasTool {
public:
    virtual ~CanvasTool() = default;
    virtual void press(const PointerEvent& e) = 0;
    virtual void move(const PointerEvent&) {}
    virtual void release(const PointerEvent&) {}
    // Where the overlay may paint now (view pixels), and its paint.
    virtual QRegion overlayArea() const { return {}; }
    virtual void paintOverlay(Canvas&, const QRect& /*exposed*/) const {}
};

} // namespace molvane
