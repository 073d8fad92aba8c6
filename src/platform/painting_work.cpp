#include "platform/painting_work.h"

#include <algorithm>
#include <cmath>

namespace molvane {

namespace {

// The length of the part of segment a-b inside box (Liang-Barsky clipping).
double segmentLengthWithin(QPointF a, QPointF b, const QRectF& box)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double enter = 0, leave = 1;
    const auto edge = [&](double towards, double room) {
        if (towards == 0)
            return room >= 0;
        const double t = room / towards;
        if (towards < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    if (!edge(-dx, a.x() - box.left()) || !edge(dx, box.right() - a.x()) || !edge(-dy, a.y() - box.top()) ||
        !edge(dy, box.bottom() - a.y()))
        return 0;
    return (leave - enter) * std::hypot(dx, dy);
}

} // namespace

PathSpan spanWithin(const QPainterPath& path, const QRectF& box)
{
    PathSpan span;
    QPointF at;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type != QPainterPath::MoveToElement)
            span.length += segmentLengthWithin(at, e, box);
        const bool joined = e.type != QPainterPath::MoveToElement && i + 1 < path.elementCount() &&
                            path.elementAt(i + 1).type != QPainterPath::MoveToElement;
        if (joined && box.contains(e))
            ++span.joins;
        at = e;
    }
    return span;
}

double areaWithin(const QRectF& box, const QRectF& bounds)
{
    const QRectF inside = box.normalized() & bounds;
    return inside.isEmpty() ? 0.0 : inside.width() * inside.height();
}

} // namespace molvane
