#include "editing/wheel.h"

#include <algorithm>
#include <cstdint>

namespace molvane {

namespace {

// -1, 0 or +1: the first, middle or last third of the length holding v.
int third(int v, int length)
{
    const std::int64_t cell = std::int64_t(std::clamp(v, 0, length - 1)) * 3 / length;
    return int(cell) - 1;
}

} // namespace

WheelEffect wheelEffect(QSize view, QPoint at, int delta)
{
    if (delta == 0 || view.isEmpty())
        return {};
    const int sense = delta > 0 ? 1 : -1;
    const int column = third(at.x(), view.width());
    const int row = third(at.y(), view.height());
    if (column == 0 && row == 0)
        return {sense, 0, 0};
    return {0, column * sense, row * sense};
}

} // namespace molvane
