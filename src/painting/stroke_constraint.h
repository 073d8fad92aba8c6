#pragma once
// Shift's constraints while a stroke is dragged in the picture editor: a line goes horizontal or
// vertical, a rectangle or ellipse becomes a square or circle, and the pen (and a moved range or
// picture) keeps to the axis it first leaves along.

#include <QPoint>

namespace molvane {

// A line from press to at: horizontal when it runs more across than down, otherwise vertical (a
// diagonal at exactly 45 degrees goes vertical).
QPoint constrainLine(QPoint press, QPoint at);

// The far corner of a square from press toward at, its side the larger of the two distances.
QPoint constrainSquare(QPoint press, QPoint at);

// The lock decides once: the first move that is not exactly diagonal from its origin fixes the axis,
// and from then on the locked coordinate stays the origin's.
class AxisLock {
public:
    enum class Axis { Undecided, Horizontal, Vertical };

    // A press: the lock starts over from this point.
    void reset(QPoint origin);
    // Shift went down: the decision starts over from the current point, keeping the coordinate the
    // lock already held.
    void restartAt(QPoint current);
    // The point a move to at goes to while Shift is held.
    QPoint apply(QPoint at);
    Axis axis() const { return axis_; }

private:
    QPoint origin_;
    Axis axis_ = Axis::Undecided;
};

} // namespace molvane
