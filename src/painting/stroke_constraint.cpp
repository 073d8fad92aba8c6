#include "painting/stroke_constraint.h"

#include <algorithm>
#include <cstdlib>

namespace molvane {

QPoint constrainLine(QPoint press, QPoint at)
{
    const int dx = at.x() - press.x(), dy = at.y() - press.y();
    if (std::abs(dy) < std::abs(dx))
        return {at.x(), press.y()};
    return {press.x(), at.y()};
}

QPoint constrainSquare(QPoint press, QPoint at)
{
    const int d = std::max(std::abs(at.x() - press.x()), std::abs(at.y() - press.y()));
    return {press.x() + (at.x() < press.x() ? -d : d), press.y() + (at.y() < press.y() ? -d : d)};
}

void AxisLock::reset(QPoint origin)
{
    origin_ = origin;
    axis_ = Axis::Undecided;
}

void AxisLock::restartAt(QPoint current)
{
    // The locked coordinate stays where it was held; the other follows the pointer.
    if (axis_ == Axis::Horizontal)
        current.setY(origin_.y());
    else if (axis_ == Axis::Vertical)
        current.setX(origin_.x());
    origin_ = current;
    axis_ = Axis::Undecided;
}

QPoint AxisLock::apply(QPoint at)
{
    if (axis_ == Axis::Undecided) {
        const int dx = std::abs(at.x() - origin_.x()), dy = std::abs(at.y() - origin_.y());
        if (dx != dy)
            axis_ = dy < dx ? Axis::Horizontal : Axis::Vertical;
    }
    if (axis_ == Axis::Horizontal)
        at.setY(origin_.y());
    else if (axis_ == Axis::Vertical)
        at.setX(origin_.x());
    return at;
}

} // namespace molvane
