#include "document/fill_surroundings.h"

#include "document/geometry.h"
#include "platform/canvas.h"

#include <algorithm>
#include <vector>

namespace molvane {

namespace {

TColor colourAt(const QImage& bitmap, QPoint p)
{
    if (!bitmap.rect().contains(p))
        return 0xFFFFFFFF;
    return fromQRgb(reinterpret_cast<const QRgb*>(bitmap.constScanLine(p.y()))[p.x()]);
}

} // namespace

QPoint probeBoundary(const QImage& bitmap, QPoint from, double angle, TColor colour)
{
    // Ten steps share a pixel: each pixel is read once.
    const PolarRay ray(angle);
    QPoint read;
    for (int i = 1; i <= kBoundaryProbeSteps; ++i) {
        const QPoint p = from + ray.at(i * 0.1);
        if (i > 1 && p == read)
            continue;
        read = p;
        if (colourAt(bitmap, p) != colour)
            return p;
    }
    return from;
}

std::array<QPoint, 8> fillBoundary(const QImage& bitmap, QPoint seed)
{
    const TColor colour = colourAt(bitmap, seed);
    std::array<QPoint, 8> boundary;
    const double directions[8] = {180, 135, 90, 45, 0, -45, -90, -135};
    for (int i = 0; i < 8; ++i)
        boundary[std::size_t(i)] = probeBoundary(bitmap, seed, directions[i], colour);
    return boundary;
}

bool outlineContainsAny(const TFigure& f, std::span<const QPoint> pixels)
{
    // A text's outline is the bare diagonal of its box, which holds no pixel; pictures have none.
    if (!isLineKind(f.kind))
        return false;
    QImage none;
    Canvas scratch(none); // outlines are computed, never drawn
    const FigureOutline outline = figureOutline(f, {scratch, false, 100});
    const int reach = outline.pen.width / 2 + 2;
    const QRectF near = outline.path.boundingRect().adjusted(-reach, -reach, reach, reach);
    std::vector<QPoint> candidates;
    for (QPoint p : pixels)
        if (near.contains(QPointF(p)))
            candidates.push_back(p);
    if (candidates.empty())
        return false;
    // Dashes do not make holes in an outline: a fill that ends in a dash's gap is still bounded by it.
    // Half a pixel more on each side takes in the pixels a thin diagonal stroke steps through.
    CanvasPen solid = outline.pen;
    solid.style = PenStyle::Solid;
    solid.width += 1;
    const QPainterPath widened = widenPath(outline.path, solid);
    return std::any_of(candidates.begin(), candidates.end(), [&](QPoint p) { return strokeCovers(widened, p); });
}

bool outlineContains(const TFigure& f, QPoint pixel) { return outlineContainsAny(f, {&pixel, 1}); }

TDataList surroundingFigures(const QImage& bitmap, const FigureList& list, QPoint seed)
{
    const std::array<QPoint, 8> boundary = fillBoundary(bitmap, seed);
    TDataList result;
    for (int j = 0; j < int(list.size()); ++j) {
        const TFigure& f = list[std::size_t(j)];
        if (f.kind != fkNuri && outlineContainsAny(f, boundary))
            result.add(j);
    }
    return result;
}

void updateSurroundings(TFigure& fill, const QImage& bitmap, const FigureList& list)
{
    const TDataList found = surroundingFigures(bitmap, list, fill.ends[kMainStart]);
    if (found.count() == 0)
        return;
    fill.points.clear();
    for (int i = 0; i < found.count(); ++i)
        fill.points.push_back({found.get(i), 0});
}

} // namespace molvane
