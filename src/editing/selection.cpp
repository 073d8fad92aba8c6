#include "editing/selection.h"

#include "document/geometry.h"
#include "platform/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace molvane {

namespace {

// toScreen in wider arithmetic: a handle read from a file may sit at the edge of the 32-bit range.
double screenEdge(std::int64_t model, int zoom)
{
    return std::nearbyint(double(model) * zoom / 100.0);
}

bool withinFrame(int screen, int handle, int zoom)
{
    const double s = screen;
    return s >= screenEdge(std::int64_t(handle) - kFrameHitHalf, zoom) &&
           s < screenEdge(std::int64_t(handle) + kFrameHitHalf + 1, zoom);
}

// Line figures are judged by their extent; the others by the point they are placed at.
bool judgedByHandle(const TFigure& f)
{
    return !isLineKind(f.kind);
}

template <typename Taken> int markTaken(FigureList& list, Taken taken)
{
    int count = 0;
    for (TFigure& f : list) {
        const bool in = taken(f);
        f.selected = f.frameShown = in;
        count += in;
    }
    return count;
}

} // namespace

int frameHit(const FigureList& list, QPoint screen, int zoom)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TFigure& f = list[i];
        if (withinFrame(screen.x(), f.handle.x(), zoom) && withinFrame(screen.y(), f.handle.y(), zoom))
            return int(i);
    }
    return -1;
}

bool figureInRect(const TFigure& f, const QRect& rangeModel)
{
    // The range's right and bottom edges are where the drag ended: a point there is outside.
    const auto inside = [&](QPoint p) {
        return p.x() >= rangeModel.left() && p.x() < rangeModel.right() && p.y() >= rangeModel.top() &&
               p.y() < rangeModel.bottom();
    };
    if (judgedByHandle(f))
        return inside(f.handle);
    return std::all_of(f.extremes.begin(), f.extremes.end(), inside);
}

bool figureInside(const TFigure& f, const QRegion& rangeModel)
{
    if (judgedByHandle(f))
        return rangeModel.contains(f.handle);
    return std::all_of(f.extremes.begin(), f.extremes.end(),
                       [&](QPoint p) { return rangeModel.contains(p); });
}

QRect rangeRect(QPoint corner1, QPoint corner2)
{
    return QRect(QPoint(std::min(corner1.x(), corner2.x()), std::min(corner1.y(), corner2.y())),
                 QPoint(std::max(corner1.x(), corner2.x()), std::max(corner1.y(), corner2.y())));
}

int selectByRange(FigureList& list, const QRect& rangeScreen, int zoom)
{
    if (rangeScreen.isEmpty()) {
        clearMarks(list);
        return 0;
    }
    const QRect range =
        rangeRect(toModel(rangeScreen.topLeft(), zoom), toModel(rangeScreen.bottomRight(), zoom));
    return markTaken(list, [&](const TFigure& f) { return figureInRect(f, range); });
}

int selectByRange(FigureList& list, const QPolygon& lassoScreen, int zoom)
{
    QPolygon model;
    model.reserve(lassoScreen.size());
    for (QPoint p : lassoScreen)
        model.append(toModel(p, zoom));
    const QRegion range = model.size() < 3 ? QRegion() : polygonRegion(model);
    if (range.isEmpty()) {
        clearMarks(list);
        return 0;
    }
    return markTaken(list, [&](const TFigure& f) { return figureInside(f, range); });
}

void clearMarks(FigureList& list)
{
    for (TFigure& f : list)
        f.selected = f.frameShown = false;
}

void showAllFrames(FigureList& list, bool shown)
{
    for (TFigure& f : list)
        f.frameShown = shown;
}

void selectAll(FigureList& list)
{
    for (TFigure& f : list)
        f.selected = f.frameShown = true;
}

int countSelected(const FigureList& list)
{
    return int(std::count_if(list.begin(), list.end(), [](const TFigure& f) { return f.selected; }));
}

void selectOnly(FigureList& list, int index)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i].selected = int(i) == index;
    if (index >= 0 && index < int(list.size()))
        list[std::size_t(index)].frameShown = true;
}

bool toggleSelected(FigureList& list, int index)
{
    if (index < 0 || index >= int(list.size()))
        return false;
    TFigure& f = list[std::size_t(index)];
    f.selected = !f.selected;
    f.frameShown = true;
    return f.selected;
}

} // namespace molvane
