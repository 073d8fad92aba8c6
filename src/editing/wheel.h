#pragma once
// What the mouse wheel does over the canvas view. The view is cut into a 3 x 3 grid of thirds: over the
// middle cell the wheel zooms, over the others it scrolls towards that cell's side, as the arrow keys
// would (the corner cells both ways). Turning the wheel away from the user (a positive delta, as Qt
// reports it) zooms in or scrolls towards the side; turning it back does the opposite.

#include <QPoint>
#include <QSize>

namespace molvane {

struct WheelEffect {
    int zoomStep = 0; // +1 zoom in (larger), -1 zoom out, 0 no zoom
    int dx = 0;       // -1 left, +1 right: one arrow-key scroll step each
    int dy = 0;       // -1 up, +1 down
    bool operator==(const WheelEffect&) const = default;
};

// at in view pixels; points outside the view count as over the nearest cell. A delta of 0 or an empty
// view does nothing.
WheelEffect wheelEffect(QSize view, QPoint at, int delta);

} // namespace molvane
