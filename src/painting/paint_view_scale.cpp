#include "painting/paint_view_scale.h"

#include "document/geometry.h"

namespace molvane {

int PaintViewScale::toScreen(int v) const
{
    return roundEven(double(v) * zoom / 100.0);
}

int PaintViewScale::toCanvas(int v) const
{
    return int(qint64(v) * 100 / zoom);
}

} // namespace molvane
