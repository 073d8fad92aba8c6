#include "document/figure.h"

#include "document/geometry.h"

#include <algorithm>

namespace molvane {

QRect TFigure::occupiedRect() const
{
    return QRect(QPoint(extremes[kLeftmost].x() + margins.left, extremes[kTopmost].y() + margins.top),
                 QPoint(extremes[kRightmost].x() + margins.right, extremes[kBottommost].y() + margins.bottom));
}

std::uint8_t connectionMask(const TFigure& f)
{
    std::uint8_t mask = 0;
    for (int i = 0; i < 3; ++i) {
        if (f.ends[i] != f.freeEnds[i])
            mask |= std::uint8_t(1u << (2 * i));
        if (f.ends[i + 3] != f.freeEnds[i + 3])
            mask |= std::uint8_t(1u << (2 * i + 1));
    }
    return mask;
}

QPoint handlePoint(const TFigure& f)
{
    switch (f.kind) {
    case fkMoji:
    case fkCurve:
    case fkArrow:
    case fkFree:
    case fkPai:
    case fkCircle:
        return f.ends[kMainStart];
    case fkPicture:
        // Integer division truncates toward zero, as the rule wants.
        return f.ends[kMainEnd] + QPoint(f.picture.size().width() / 2, f.picture.size().height() / 2);
    default: {
        const QPoint a = f.ends[kMainStart], b = f.ends[kMainEnd];
        return {roundGenerous((a.x() + b.x()) / 2.0), roundGenerous((a.y() + b.y()) / 2.0)};
    }
    }
}

void shiftFigure(TFigure& f, int dx, int dy)
{
    const QPoint d(dx, dy);
    for (QPoint& p : f.ends)
        p = wrappingSum(p, d);
    for (QPoint& p : f.freeEnds)
        p = wrappingSum(p, d);
    f.handle = wrappingSum(f.handle, d);
    for (QPoint& p : f.extremes)
        p = wrappingSum(p, d);
    if (f.kind == fkFree)
        for (QPoint& p : f.points)
            p = wrappingSum(p, d);
}

int TDataList::indexOf(std::int32_t v) const
{
    const auto it = std::find(items_.begin(), items_.end(), v);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

int removeFillsOfSelected(FigureList& list)
{
    int removed = 0;
    for (int i = int(list.size()) - 1; i >= 0; --i) {
        const TFigure& f = list[std::size_t(i)];
        if (f.kind != fkNuri)
            continue;
        const bool namesSelected = std::any_of(f.points.begin(), f.points.end(), [&](QPoint p) {
            return p.x() >= 0 && p.x() < int(list.size()) && list[std::size_t(p.x())].selected;
        });
        if (namesSelected) {
            list.erase(list.begin() + i);
            ++removed;
        }
    }
    return removed;
}

} // namespace molvane
