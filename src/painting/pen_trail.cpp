#include "painting/pen_trail.h"

#include "platform/polyline_pieces.h"

#include <QPainter>
#include <QPainterPath>

namespace molvane {

bool PenTrail::covers(const QRect& exposed, const QRect& visible, const CanvasPen& pen)
{
    return pen.width > 1 && !visible.isEmpty() && visible.contains(exposed);
}

void PenTrail::paint(Canvas& canvas, const QRect& exposed, const QRect& visible, const CanvasPen& pen,
                     const TDynamicPtArray& points, const Background& background)
{
    if (points.empty() || !covers(exposed, visible, pen))
        return;
    if (!follows(visible, pen, points))
        restart(visible, pen, points.front(), background);
    drawNewPoints(points);
    canvas.drawImage(exposed, layer_, exposed.translated(-visible_.topLeft()));
}

void PenTrail::clear()
{
    painter_.reset();
    layer_ = QImage();
    drawn_ = 0;
}

// The layer holds the first drawn_ of these points with this pen over this part of the view.
bool PenTrail::follows(const QRect& visible, const CanvasPen& pen, const TDynamicPtArray& points) const
{
    return !layer_.isNull() && visible == visible_ && pen.color == pen_.color && pen.width == pen_.width &&
           pen.style == pen_.style && points.front() == first_ && points.size() >= drawn_;
}

void PenTrail::restart(const QRect& visible, const CanvasPen& pen, QPoint first, const Background& background)
{
    painter_.reset();
    if (layer_.size() != visible.size())
        layer_ = QImage(visible.size(), QImage::Format_RGB32);
    visible_ = visible;
    pen_ = pen;
    first_ = first;
    drawn_ = 0;
    dashOffset_ = 0;
    painter_ = std::make_unique<QPainter>(&layer_);
    painter_->translate(-visible_.topLeft());
    {
        Canvas under(*painter_, layer_.size());
        background(under, visible_);
    }
}

namespace {

qreal polylineLength(const QPoint* points, qsizetype count)
{
    qreal length = 0;
    for (qsizetype i = 1; i < count; ++i)
        length += QLineF(points[i - 1], points[i]).length();
    return length;
}

} // namespace

void PenTrail::drawNewPoints(const TDynamicPtArray& points)
{
    if (drawn_ == points.size())
        return;
    QPainter& p = *painter_;
    QPen pen = toQPen(pen_);
    if (drawn_ == 0) {
        // The dot at the press, then the line from it.
        p.setPen(pen);
        QPainterPath dot(points.front());
        dot.lineTo(points.front());
        p.drawPath(dot);
    }
    // The new piece: from the last point drawn through the points added since.
    const qsizetype from = std::max<qsizetype>(drawn_, 1) - 1;
    if (points.size() - from > 1) {
        pen.setDashOffset(dashOffset_);
        p.setPen(pen);
        p.drawPolyline(points.data() + from, int(points.size() - from));
        if (pen.style() != Qt::SolidLine)
            dashOffset_ =
                dashOffsetAfter(pen, dashOffset_, polylineLength(points.data() + from, points.size() - from));
    }
    drawn_ = points.size();
}

} // namespace molvane
