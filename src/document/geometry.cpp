#include "document/geometry.h"


namespace molvane {

int roundHalfAway(double x) { return int(x >= 0 ? std::trunc(x + 0.5) : std::trunc(x - 0.5)); }

int roundGenerous(double x) { return int(x >= 0 ? std::trunc(x + 0.9) : std::trunc(x - 0.9)); }

int toScreen(int v, int zoom) { return roundEven(double(v) * zoom / 100.0); }

int toModel(int v, int zoom) { return roundEven(double(v) * 100.0 / zoom); }

QPoint toScreen(QPoint p, int zoom) { return {toScreen(p.x(), zoom), toScreen(p.y(), zoom)}; }

QPoint toModel(QPoint p, int zoom) { return {toModel(p.x(), zoom), toModel(p.y(), zoom)}; }

double dir(QPoint a, QPoint b) { return std::atan2(double(a.y() - b.y()), double(b.x() - a.x())) * 180.0 / kPi; }

PolarRay::PolarRay(double angleDegrees)
{
    const double a = angleDegrees * kPi / 180.0;
    cos_ = std::cos(a);
    sin_ = std::sin(a);
}

QPoint polar(double r, double angleDegrees) { return PolarRay(angleDegrees).at(r); }

double distance(QPoint a, QPoint b) { return std::hypot(double(b.x() - a.x()), double(b.y() - a.y())); }

} // namespace molvane
