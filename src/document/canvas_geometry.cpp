#include "document/canvas_geometry.h"

#include "document/geometry.h"

#include <algorithm>
#include <cmath>

namespace molvane {

int zoomAfterStep(int zoom, bool up)
{
    int next;
    if (zoom < 100)
        next = zoom + (up ? 5 : -5);
    else if (zoom > 100)
        next = zoom + (up ? 25 : -25);
    else
        next = up ? 125 : 95;
    return std::clamp(next, kMinZoom, kMaxZoom);
}

double snapStep(int gridSpacing, int zoom, int precision)
{
    if (gridSpacing <= 0 || precision <= 0)
        return 1.0;
    const double s = double(roundEven(gridSpacing * zoom / 100.0)) / precision;
    return s > 0 ? s : 1.0;
}

int snapValue(int v, double step) { return int(std::trunc(step * roundEven(v / step))); }

QPoint snapPoint(QPoint p, double step) { return {snapValue(p.x(), step), snapValue(p.y(), step)}; }

QSize zoomedSize(QSize canvas, int zoom) { return {toScreen(canvas.width(), zoom), toScreen(canvas.height(), zoom)}; }

int rescrolled(int position, int oldSize, int newSize)
{
    if (position <= 0)
        return position;
    return position + (newSize - oldSize) / 2;
}

std::vector<int> gridLines(int canvasSize, int spacing, int zoom)
{
    std::vector<int> lines;
    if (spacing <= 0)
        return lines;
    const int count = canvasSize / spacing;
    lines.reserve(std::size_t(count) + 1);
    for (int k = 0; k <= count; ++k)
        lines.push_back(roundEven(double(k) * spacing * zoom / 100.0) - 1);
    return lines;
}

} // namespace molvane
