#pragma once
// The pen's line while it is dragged out, kept drawn on a transparent layer the size of the visible
// part of the view: each mouse move draws only its new piece on the layer, and the view's paint copies
// the layer where it is exposed. A new piece with round caps paints what the round join of the whole
// line would, and a dash pattern goes on where the piece before left off, so the layer holds the
// pixels of the whole line drawn at once.

#include "document/figure.h"
#include "platform/canvas.h"

#include <QImage>
#include <QPainter>
#include <memory>

namespace molvane {

class PenTrail {
public:
    // Paints points (view pixels) with pen where exposed lies inside visible (the view's visible part);
    // false when nothing could be painted from the layer (no visible part, or exposed reaches outside it).
    bool paint(Canvas& canvas, const QRect& exposed, const QRect& visible, const CanvasPen& pen,
               const TDynamicPtArray& points);
    // The drag ended: the layer's memory goes.
    void clear();

private:
    bool follows(const QRect& visible, const CanvasPen& pen, const TDynamicPtArray& points) const;
    void restart(const QRect& visible, const CanvasPen& pen, QPoint first);
    void drawNewPoints(const TDynamicPtArray& points);

    QImage layer_;
    std::unique_ptr<QPainter> painter_; // open on the layer while the line grows
    QRect visible_;
    CanvasPen pen_;
    QPoint first_;
    qsizetype drawn_ = 0; // points already on the layer
    qreal dashOffset_ = 0;
};

} // namespace molvane
