#pragma once
// Cutting a shape to a convex polygon without a general path clipper: each flattened subpath of the
// shape is clipped against the polygon's edges one after another (Sutherland–Hodgman). Inside the
// polygon every point keeps the winding number it had, so the cut shape fills, by its own fill rule,
// exactly the part of the shape inside the polygon.

#include <QPainterPath>
#include <QPolygonF>
#include <optional>

namespace molvane {

// The polygon of a shape made of one closed run of straight edges that turns one way only; nothing for
// any other shape (curves, holes, several subpaths, a concave or flat polygon).
std::optional<QPolygonF> convexPolygonOf(const QPainterPath& shape);

// The part of shape inside convex (a polygon from convexPolygonOf), curves flattened.
QPainterPath cutToConvex(const QPainterPath& shape, const QPolygonF& convex);

} // namespace molvane
