#pragma once
// The arc routine shared by curves, arrows and ovals: one cubic Bézier from P to E that bends by b
// degrees, and a reference point R behind E on the end tangent (arrow heads point along R -> E).

#include <QPoint>

namespace molvane {

struct Arc {
    QPoint start, c1, c2, end;
    bool straight = false; // b = 0: the straight line start-end
    double radius = 0;     // negative when the centre lies on the other side
    QPoint reference;      // R
};

Arc computeArc(QPoint p, QPoint e, int bend);

} // namespace molvane
