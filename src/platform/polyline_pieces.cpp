#include "platform/polyline_pieces.h"

#include <algorithm>
#include <cmath>

namespace molvane {

namespace {

bool isOpenPolyline(const QPainterPath& path)
{
    if (path.elementCount() < 2 || !path.elementAt(0).isMoveTo())
        return false;
    for (int i = 1; i < path.elementCount(); ++i)
        if (!path.elementAt(i).isLineTo())
            return false;
    return true;
}

} // namespace

std::vector<QPainterPath> polylinePieces(const QPainterPath& path, int maxPoints)
{
    std::vector<QPainterPath> pieces;
    const int count = path.elementCount();
    if (count <= maxPoints || maxPoints < 2 || !isOpenPolyline(path))
        return pieces;
    for (int first = 0; first + 1 < count; first += maxPoints - 1) {
        QPainterPath& piece = pieces.emplace_back(QPointF(path.elementAt(first)));
        const int last = std::min(count - 1, first + maxPoints - 1);
        piece.reserve(last - first + 1);
        for (int i = first + 1; i <= last; ++i)
            piece.lineTo(path.elementAt(i));
    }
    return pieces;
}

qreal dashOffsetAfter(const QPen& pen, qreal offset, qreal length)
{
    qreal period = 0;
    for (const qreal d : pen.dashPattern())
        period += d;
    if (period <= 0)
        return offset;
    // The pattern is measured in pen widths.
    return std::fmod(offset + length / std::max<qreal>(1, pen.widthF()), period);
}

} // namespace molvane
