#include "document/arc.h"

#include "document/geometry.h"

#include <cstdlib>

namespace molvane {

Arc computeArc(QPoint p, QPoint e, int bend)
{
    Arc arc;
    arc.start = p;
    arc.end = e;
    int b = bend;
    if (b == 0) {
        arc.straight = true;
        arc.radius = distance(p, e);
        arc.c1 = e;
        arc.c2 = p;
    } else {
        if (b % 360 == 0)
            b += 1; // a full turn would put both ends on one point of the circle
        double h, theta;
        if (b <= 0) {
            h = (b + 180) / 2.0;
            theta = dir(p, e) + h;
        } else {
            h = (180 - b) / 2.0;
            theta = dir(p, e) - h;
        }
        const double r = distance(p, e) / (2.0 * std::cos(h * kPi / 180.0));
        arc.radius = r;
        const QPoint c = p + polar(r, theta);
        if (std::abs(b) > 360) {
            // More than a full turn: a loop, drawn with control points further out.
            const double t = (b < 0 ? b - 10 : b + 10) / 3.0;
            arc.c1 = c + polar(1.6 * r, dir(c, e) + t);
            arc.c2 = c + polar(1.6 * r, dir(c, p) - t);
        } else {
            const double t = b / 3.0;
            arc.c1 = c + polar(r, dir(c, p) - t);
            arc.c2 = c + polar(r, dir(c, e) + t);
        }
    }
    const QPoint v = polar(arc.radius, dir(arc.c2, e));
    arc.reference = std::abs(b) > 360 ? e + v : e - v;
    return arc;
}

} // namespace molvane
