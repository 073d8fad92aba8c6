#pragma once
// The pen's line while it is dragged out, kept drawn on a copy of the visible part of the view: the
// view as it was when the line began (painted once into the copy), with the line over it. Each mouse
// move draws only its new piece on the copy, and the view's paint copies the exposed part. A new piece
// with round caps paints what the round join of the whole line would, and a dash pattern goes on where
// the piece before left off, so the copy holds the pixels of the whole line drawn at once.

#include "document/figure.h"
#include "platform/canvas.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>

namespace molvane {

class PenTrail {
public:
    // Paints the view under the line on a canvas in view pixels, within area.
    using Background = std::function<void(Canvas&, const QRect& area)>;

    // Whether the copy can paint exposed: it lies inside visible (the view's visible part), and the pen
    // is wider than a pixel (a one-pixel line is cheap to draw whole, and its pieces would not meet as
    // the whole line does).
    static bool covers(const QRect& exposed, const QRect& visible, const CanvasPen& pen);
    // Paints the view with points (view pixels) drawn with pen where exposed; background paints the
    // view under them when the copy is begun again (a new line, pen or visible part).
    void paint(Canvas& canvas, const QRect& exposed, const QRect& visible, const CanvasPen& pen,
               const TDynamicPtArray& points, const Background& background);
    // The drag ended: the layer's memory goes.
    void clear();

private:
    bool follows(const QRect& visible, const CanvasPen& pen, const TDynamicPtArray& points) const;
    void restart(const QRect& visible, const CanvasPen& pen, QPoint first, const Background& background);
    void drawNewPoints(const TDynamicPtArray& points);

    QImage layer_;
    std::unique_ptr<QPainter> painter_; // open on the copy while the line grows
    QRect visible_;
    CanvasPen pen_;
    QPoint first_;
    qsizetype drawn_ = 0; // points already on the layer
    qreal dashOffset_ = 0;
};

} // namespace molvane
