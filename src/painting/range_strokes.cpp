#include "painting/range_strokes.h"

#include "painting/new_stroke.h"
#include "painting/paint_mode.h"
#include "painting/paint_whites.h"
#include "platform/canvas.h"

#include <QPainter>

namespace molvane {

bool PaintRange::contains(QPoint p) const
{
    if (!exists())
        return false;
    if (free)
        return outline.containsPoint(p, Qt::OddEvenFill);
    return p.x() >= rect.left() && p.x() < rect.right() && p.y() >= rect.top() && p.y() < rect.bottom();
}

QRect rangeToCanvas(const QRect& viewRange, PaintViewScale scale)
{
    // The range runs from its first corner up to its far corner, which it does not include: a drag
    // from (10, 10) to (110, 60) at 100 % covers 100 x 50 pixels.
    const QPoint topLeft = scale.toCanvas(viewRange.topLeft());
    const QPoint farCorner = scale.toCanvas(viewRange.bottomRight());
    return QRect(topLeft, farCorner - QPoint(1, 1));
}

QPolygon outlineToCanvas(const QPolygon& viewOutline, PaintViewScale scale)
{
    QPolygon canvas;
    canvas.reserve(viewOutline.size());
    for (const QPoint& p : viewOutline)
        canvas << scale.toCanvas(p);
    return canvas;
}

QImage extractRange(const QImage& source, const QRect& rect, const QPolygon& outline)
{
    if (rect.isEmpty())
        return {};
    if (outline.isEmpty() && source.rect().contains(rect) && source.format() == QImage::Format_RGB32)
        return source.copy(rect);
    QImage piece(rect.size(), QImage::Format_RGB32);
    piece.fill(toQRgb(kTransparentWhite));
    QPainter p(&piece);
    if (!outline.isEmpty())
        p.setClipRegion(polygonRegion(outline.translated(-rect.topLeft())));
    p.drawImage(QPoint(0, 0), source, rect);
    return piece;
}

TFigure eraseStroke(const QRect& rect, const QPolygon& outline)
{
    // Erase strokes of one size share one white picture: lifting ranges again and again makes no new
    // pixels.
    static thread_local QImage white;
    if (white.size() != rect.size()) {
        white = QImage(rect.size(), QImage::Format_RGB32);
        white.fill(toQRgb(kTransparentWhite));
    }
    StrokeInputs in;
    in.kind = kStrokePicture;
    in.colour = kTransparentWhite;
    in.press = in.release = rect.topLeft();
    in.picture = white;
    in.freeForm = !outline.isEmpty();
    in.points = TDynamicPtArray(outline.begin(), outline.end());
    return makeStroke(in);
}

TFigure pieceStroke(const QImage& piece, QPoint corner, TColor colour, const QString& text)
{
    StrokeInputs in;
    in.kind = kStrokePicture;
    in.colour = colour;
    in.press = in.release = corner;
    in.picture = piece;
    in.text = text;
    return makeStroke(in);
}

} // namespace molvane
