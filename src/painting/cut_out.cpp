#include "painting/cut_out.h"

#include <QPainter>

#include <algorithm>

namespace molvane {

namespace {

QPen widePen(const QColor& colour, int width)
{
    QPen pen(colour, std::max(1, width));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

QPainterPath CutLine::outline() const
{
    QPainterPath path;
    if (points.isEmpty())
        return path;
    if (shape == CutShape::Free) {
        path.addPolygon(QPolygonF(points));
        path.closeSubpath();
        return path;
    }
    const QRectF corners = QRectF(QPointF(points.front()), QPointF(points.back())).normalized();
    if (shape == CutShape::Rectangle)
        path.addRect(corners);
    else
        path.addEllipse(corners);
    return path;
}

QPainterPath CutLine::stroke() const
{
    if (shape != CutShape::Free)
        return outline();
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    return path;
}

void clampCutLine(CutLine& line, QSize picture)
{
    const auto clamp = [picture](QPoint p) {
        return QPoint(std::clamp(p.x(), 0, picture.width()), std::clamp(p.y(), 0, picture.height()));
    };
    for (QPoint& p : line.points)
        p = clamp(p);
    line.box = QRect(clamp(line.box.topLeft()), clamp(line.box.bottomRight()));
}

QImage cutOut(const QImage& picture, const CutLine& line, int lineWidth)
{
    const QPainterPath outline = line.outline();
    const QRect box = outline.toFillPolygon().toPolygon().boundingRect();
    // The box runs from the smallest to the largest point: its far edge is not part of it.
    const QSize size(box.width() - 1, box.height() - 1);
    if (size.isEmpty())
        return {};
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter p(&mask);
        p.translate(-box.topLeft());
        p.setPen(widePen(Qt::white, lineWidth));
        p.setBrush(Qt::black);
        p.drawPath(outline);
    }
    // Black inside lets the picture through; white (outside, and the stroke) stays white.
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* m = reinterpret_cast<QRgb*>(mask.scanLine(y));
        const int sy = y + box.top();
        if (sy < 0 || sy >= source.height())
            continue;
        const auto* s = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        for (int x = 0; x < size.width(); ++x) {
            const int sx = x + box.left();
            if (sx >= 0 && sx < source.width())
                m[x] |= s[sx];
        }
    }
    return mask;
}

void eraseEnclosed(QImage& picture, const CutLine& line, int lineWidth)
{
    QPainter p(&picture);
    p.setPen(widePen(Qt::white, lineWidth));
    p.setBrush(Qt::white);
    p.drawPath(line.outline());
}

void eraseLine(QImage& picture, const CutLine& line, int lineWidth)
{
    QPainter p(&picture);
    p.setPen(widePen(Qt::white, lineWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line.stroke());
}

} // namespace molvane
