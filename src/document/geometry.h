#pragma once
// The coordinate and angle rules every figure obeys. Points are integer pixels; y grows downwards.
// Angles are degrees, counter-clockwise on screen from the positive x axis.
// Model pixels are canvas pixels at zoom 100 %; screen pixels are those of the zoomed view.

#include <QPoint>
#include <QPointF>
#include <cmath>

namespace molvane {

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4): lrint under the default rounding mode.
inline int roundEven(double x)
{
    return int(std::lrint(x));
}
// trunc(x + 0.5) for x >= 0, trunc(x - 0.5) below: ties away from zero.
int roundHalfAway(double x);
// trunc(x + 0.9) for x >= 0, trunc(x - 0.9) below: anything from .1 up counts as a whole.
int roundGenerous(double x);

// round(v * zoom / 100) and round(v * 100 / zoom), ties to even; zoom in percent.
int toScreen(int v, int zoom);
int toModel(int v, int zoom);
QPoint toScreen(QPoint p, int zoom);
QPoint toModel(QPoint p, int zoom);

inline constexpr double kPi = 3.14159265358979323846;

// The direction from a to b: atan2(a.y - b.y, b.x - a.x) in degrees.
double dir(QPoint a, QPoint b);
// The point at distance r and angle a (degrees) from the origin: (round(r cos a), round(-r sin a)).
QPoint polar(double r, double angleDegrees);

// polar(r, a) for many distances along one angle, the cosine and sine worked out once.
class PolarRay {
public:
    explicit PolarRay(double angleDegrees);
    QPoint at(double r) const { return {roundEven(r * cos_), roundEven(-r * sin_)}; }

private:
    double cos_;
    double sin_;
};
double distance(QPoint a, QPoint b);

} // namespace molvane
