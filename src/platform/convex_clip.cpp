#include "platform/convex_clip.h"

#include <cmath>

namespace molvane {

namespace {

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

// The corners without the closing repeat of the first.
QPolygonF openCorners(QPolygonF polygon)
{
    if (polygon.size() > 1 && polygon.first() == polygon.last())
        polygon.removeLast();
    return polygon;
}

// Keeps the part of subject on the inner side of the edge from a to b (inner: where turn has its sign).
QPolygonF clipToEdge(const QPolygonF& subject, QPointF a, QPointF b, double turn)
{
    QPolygonF out;
    if (subject.isEmpty())
        return out;
    const QPointF edge = b - a;
    auto side = [&](QPointF p) { return cross(edge, p - a) * turn; };
    QPointF previous = subject.last();
    double previousSide = side(previous);
    for (const QPointF& point : subject) {
        const double pointSide = side(point);
        if ((pointSide >= 0) != (previousSide >= 0)) {
            const double t = previousSide / (previousSide - pointSide);
            out.append(previous + (point - previous) * t);
        }
        if (pointSide >= 0)
            out.append(point);
        previous = point;
        previousSide = pointSide;
    }
    return out;
}

} // namespace

std::optional<QPolygonF> convexPolygonOf(const QPainterPath& shape)
{
    QPolygonF corners;
    for (int i = 0; i < shape.elementCount(); ++i) {
        const QPainterPath::Element e = shape.elementAt(i);
        if (e.isCurveTo() || (e.isMoveTo() && i > 0))
            return std::nullopt;
        corners.append(QPointF(e));
    }
    corners = openCorners(corners);
    if (corners.size() < 3)
        return std::nullopt;
    double turn = 0;
    for (qsizetype i = 0; i < corners.size(); ++i) {
        const QPointF a = corners[i], b = corners[(i + 1) % corners.size()],
                      c = corners[(i + 2) % corners.size()];
        const double t = cross(b - a, c - b);
        if (t == 0)
            continue;
        if (turn != 0 && (t > 0) != (turn > 0))
            return std::nullopt;
        turn = t;
    }
    if (turn == 0)
        return std::nullopt;
    return corners;
}

QPainterPath cutToConvex(const QPainterPath& shape, const QPolygonF& convex)
{
    double area = 0;
    for (qsizetype i = 0; i < convex.size(); ++i)
        area += cross(convex[i], convex[(i + 1) % convex.size()]);
    const double turn = area > 0 ? 1.0 : -1.0;
    QPainterPath out;
    out.setFillRule(shape.fillRule());
    for (const QPolygonF& subpath : shape.toSubpathPolygons()) {
        QPolygonF piece = openCorners(subpath);
        for (qsizetype i = 0; i < convex.size() && !piece.isEmpty(); ++i)
            piece = clipToEdge(piece, convex[i], convex[(i + 1) % convex.size()], turn);
        if (piece.size() >= 3) {
            out.addPolygon(piece);
            out.closeSubpath();
        }
    }
    return out;
}

} // namespace molvane
