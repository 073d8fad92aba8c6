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
    QPainterPath piece(points[std::max<qsizetype>(drawn_, 1) - 1]);
    for (qsizetype i = std::max<qsizetype>(drawn_, 1); i < points.size(); ++i)
        piece.lineTo(points[i]);
    if (piece.elementCount() > 1) {
        pen.setDashOffset(dashOffset_);
        p.setPen(pen);
        p.drawPath(piece);
        if (pen.style() != Qt::SolidLine)
            dashOffset_ = dashOffsetAfter(pen, dashOffset_, piece.length());
    }
    drawn_ = points.size();
}

} // namespace molvane
