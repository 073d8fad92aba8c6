#pragma once
// What a canvas tool is told of the pointer, and where its overlay shows on the view: shared by the
// main window's tools and the picture editor's.

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <qnamespace.h>

namespace molvane {

// Where an overlay shows on the view, if it does: showing it somewhere else or hiding it returns the
// view area to paint again (the old place and the new).
class ShownRect {
public:
    QRegion show(const QRect& r)
    {
        const QRegion dirty = hide();
        shown_ = true;
        rect_ = r;
        return dirty + r;
    }
    QRegion hide()
    {
        const QRegion dirty = shown_ ? QRegion(rect_) : QRegion();
        shown_ = false;
        return dirty;
    }
    bool shown() const { return shown_; }
    // The area while shown; empty while hidden.
    QRegion area() const { return shown_ ? QRegion(rect_) : QRegion(); }
    bool touches(const QRect& exposed) const { return shown_ && exposed.intersects(rect_); }

private:
    bool shown_ = false;
    QRect rect_;
};

// A press, move or release on the canvas, in view pixels.
struct PointerEvent {
    QPoint at;
    Qt::KeyboardModifiers modifiers;
    // The view is scrolling by itself: the scroll step moves the gesture, not the pointer.
    bool autoScrolling = false;
};

} // namespace molvane
