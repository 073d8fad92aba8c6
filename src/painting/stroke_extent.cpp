#include "painting/stroke_extent.h"

#include "painting/paint_mode.h"
#include "painting/stroke_renderer.h"

namespace molvane {

namespace {

std::array<QPoint, 4> extremesOf(const QList<QPolygon>& outline, QPoint fallback)
{
    for (const QPolygon& poly : outline)
        if (!poly.isEmpty())
            return outlineExtent(poly.front(), outline).extremes;
    std::array<QPoint, 4> none;
    none.fill(fallback);
    return none;
}

} // namespace

std::array<QPoint, 4> strokeExtremes(const TFigure& f)
{
    const bool fromPoints = f.kind == kStrokePen || (f.kind == kStrokePicture && f.freeForm);
    if (fromPoints)
        return extremesOf({QPolygon(f.points)}, f.ends[kMainStart]);
    if (f.kind == kStrokePicture) {
        const QRect r(f.ends[kMainEnd], f.picture.size());
        return {r.topLeft(), r.topLeft(), r.bottomRight(), r.bottomRight()};
    }
    return extremesOf(flattenPath(strokeOutline(f)), f.ends[kMainStart]);
}

FigureExtent recordStrokeExtent(const TFigure& f, const Canvas& canvas)
{
    FigureExtent extent;
    extent.extremes = strokeExtremes(f);
    if (f.kind != kStrokeFill)
        extent.margins = probeMargins(canvas, extent.extremes);
    return extent;
}

} // namespace molvane
