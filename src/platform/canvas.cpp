#include "platform/canvas.h"

#include "platform/convex_clip.h"
#include "platform/flood_fill.h"
#include "platform/polyline_pieces.h"

#include <QFontMetrics>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace molvane {

namespace {

constexpr TColor kNoColour = 0xFFFFFFFF;
constexpr int kDefaultFontPixels = 16; // the height a font of size 0 gets

Qt::PenStyle toQtStyle(PenStyle s)
{
    switch (s) {
    case PenStyle::Solid: return Qt::SolidLine;
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::DashDotDot: return Qt::DashDotDotLine;
    case PenStyle::Null: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

QPainter::CompositionMode toComposition(PenMode m)
{
    switch (m) {
    case PenMode::Copy: return QPainter::CompositionMode_SourceOver;
    case PenMode::NotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case PenMode::Mask: return QPainter::RasterOp_SourceAndDestination;
    }
    return QPainter::CompositionMode_SourceOver;
}

QPolygonF toPolygonF(const QPolygon& p)
{
    QPolygonF f;
    f.reserve(p.size());
    for (const QPoint& q : p)
        f.append(QPointF(q));
    return f;
}

// Moves strokes by a part of a canvas pixel while they are drawn (see Canvas::strokeShift).
class StrokeCentre {
public:
    StrokeCentre(QPainter& p, double shift, bool stroked) : p_(p), shift_(stroked ? shift : 0.0)
    {
        if (shift_ != 0)
            p_.translate(shift_, shift_);
    }
    ~StrokeCentre()
    {
        if (shift_ != 0)
            p_.translate(-shift_, -shift_);
    }
    StrokeCentre(const StrokeCentre&) = delete;
    StrokeCentre& operator=(const StrokeCentre&) = delete;

private:
    QPainter& p_;
    double shift_;
};

// Aliased painting fills a pixel when its centre lies inside the shape, and an edge exactly through a
// centre counts for the pixel right of and below it. On a vector device the shape is drawn that much
// right and down, so a picture made from it at the canvas's size takes the same pixels.
constexpr double kTieShift = 1.0 / 32;

} // namespace

void whiteAsTransparent(const QImage& src, QImage& into)
{
    // An opaque picture keeps its colours premultiplied, the format a painter draws fastest; one with
    // its own alpha keeps it as it is, so its whites are still found.
    const QImage::Format format =
        src.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_ARGB32_Premultiplied;
    if (into.size() != src.size() || into.format() != format)
        into = QImage(src.size(), format);
    // RGB32 pixels are read as they are and made opaque, whatever their unused byte holds.
    const bool rgb32 = src.format() == QImage::Format_RGB32;
    const QImage converted = rgb32 ? src : src.convertToFormat(format);
    const QRgb opaque = rgb32 ? 0xFF000000u : 0u;
    const int width = src.width();
    for (int y = 0; y < src.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(converted.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(into.scanLine(y));
        for (int x = 0; x < width; ++x)
            to[x] = (from[x] & 0x00FFFFFFu) == 0x00FFFFFFu ? 0u : (from[x] | opaque);
    }
}

QImage whiteAsTransparent(const QImage& src)
{
    QImage out;
    whiteAsTransparent(src, out);
    return out;
}

PenStyle penStyleFromIndex(int index)
{
    return index >= 1 && index <= 4 ? PenStyle(index) : PenStyle::Solid;
}

QPen toQPen(const CanvasPen& pen)
{
    QPen p(toQColor(pen.color));
    p.setWidth(std::max(1, pen.width));
    p.setStyle(toQtStyle(pen.style));
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCosmetic(false);
    return p;
}

int fontPixelSize(int pointSize)
{
    if (pointSize == 0)
        return kDefaultFontPixels;
    return std::max(1, int(std::lround(std::abs(pointSize) * 96.0 / 72.0)));
}

QFont toQFont(const CanvasFont& font)
{
    QFont f(font.name);
    f.setPixelSize(fontPixelSize(font.pointSize));
    f.setItalic(font.italic);
    f.setBold(font.bold);
    return f;
}

Canvas::Canvas(QImage& target) : target_(&target) {}

Canvas::Canvas(QPainter& painter, QSize size) : external_(&painter), externalSize_(size) {}

Canvas::~Canvas()
{
    flush();
}

void Canvas::flush()
{
    if (!painter_)
        return;
    if (external_)
        external_->restore();
    else
        own_.reset(); // ends the painting
    painter_ = nullptr;
}

QPainter& Canvas::painter()
{
    if (!painter_) {
        if (external_) {
            painter_ = external_;
            painter_->save();
        } else {
            own_ = std::make_unique<QPainter>(target_);
            painter_ = own_.get();
        }
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->translate(origin_);
        painter_->scale(scale_, scale_);
        if (clipped_)
            applyClip(*painter_);
    }
    return *painter_;
}

void Canvas::setOrigin(QPoint origin)
{
    flush();
    origin_ = origin;
}

void Canvas::setScale(int scale)
{
    flush();
    scale_ = std::max(1, scale);
}

double Canvas::strokeShift() const
{
    // A one-pixel pen steps through the pixels right of and below its points: scaled, or on a vector
    // device, it lies in their middle. A wider pen covers the pixels whose centres its outline holds,
    // so its outline stays where the points put it.
    const double thin = pen_.width <= 1 ? 0.5 : 0.0;
    if (vector_)
        return thin + kTieShift;
    return scale_ > 1 ? thin : 0.0;
}

void Canvas::measure(const QRectF& box, bool stroked)
{
    // Round caps and joins reach half the pen beyond the outline; a pixel more for the aliasing.
    const double margin = (stroked && pen_.style != PenStyle::Null ? std::max(1, pen_.width) / 2.0 : 0.0) + 2;
    QRect touched = box.adjusted(-margin, -margin, margin, margin).toAlignedRect();
    if (clipped_)
        touched &= clip_.boundingRect();
    if (reach_)
        *reach_ |= touched;
    if (work_ && !stroked)
        work_->areaPixels += areaWithin(touched, workBounds_);
}

void Canvas::measurePath(const QPainterPath& path, bool stroked, bool filled)
{
    const QRectF box = path.boundingRect();
    if (filled || !stroked)
        measure(box, false);
    if (!stroked || pen_.style == PenStyle::Null)
        return;
    if (reach_)
        measure(box, true);
    if (!work_)
        return;
    const int width = std::max(1, pen_.width);
    const double margin = width / 2.0 + 2;
    const PathSpan span = spanWithin(path, QRectF(workBounds_).adjusted(-margin, -margin, margin, margin));
    work_->strokePoints += path.elementCount();
    // A pen's dash pattern grows with its width.
    const double dashes = pen_.style != PenStyle::Solid ? span.length / width : 0.0;
    if (width == 1) {
        work_->thinLength += span.length;
        work_->thinJoins += span.joins;
        work_->thinDashes += dashes;
        return;
    }
    work_->dashPixels += dashes * width;
    work_->wideLength += span.length;
    work_->widePixels += span.length * width;
    work_->wideJoinPixels += span.joins * width;
}

void Canvas::setVectorDevice(bool vector)
{
    flush();
    vector_ = vector;
}

QPoint Canvas::device(QPoint at) const
{
    return at * scale_ + QPoint(scale_ / 2, scale_ / 2) + origin_;
}

void Canvas::setClipRegion(const QRegion& region)
{
    clip_ = region;
    clipped_ = true;
    if (painter_)
        applyClip(*painter_);
}

void Canvas::applyClip(QPainter& p) const
{
    if (vector_) {
        p.setClipping(false);
        return;
    }
    // Clipping is turned on first: after setClipping(false), Qt 6.4's raster painter ignores a new clip
    // region of more than one rectangle (it reports clipping on and paints everywhere; a wedge became
    // its whole stroke).
    p.setClipping(true);
    // Scaled, a smooth outline clips finer than the blocks of the region's pixels.
    if (scale_ > 1 && !clipShape_.isEmpty())
        p.setClipPath(clipShape_);
    else
        p.setClipRegion(clip_);
}

Canvas::NarrowedClip::NarrowedClip(Canvas& canvas, const QRegion& region, const QPainterPath& shape)
    : canvas_(canvas), hadClip_(canvas.clipped_), outer_(canvas.clip_), outerShape_(canvas.clipShape_)
{
    canvas_.clipShape_ =
        hadClip_ && !outerShape_.isEmpty() && !shape.isEmpty() ? shape.intersected(outerShape_) : shape;
    canvas_.setClipRegion(hadClip_ ? outer_ & region : region);
}

Canvas::NarrowedClip::~NarrowedClip()
{
    canvas_.clipShape_ = outerShape_;
    if (hadClip_)
        canvas_.setClipRegion(outer_);
    else
        canvas_.clearClip();
}

void Canvas::clearClip()
{
    clip_ = QRegion();
    clipped_ = false;
    if (painter_)
        painter_->setClipping(false);
}

void Canvas::applyState(QPainter& p, bool withBrush)
{
    p.setCompositionMode(toComposition(mode_));
    p.setPen(toQPen(pen_));
    if (withBrush && brush_.style == BrushStyle::Solid)
        p.setBrush(toQColor(brush_.color));
    else
        p.setBrush(Qt::NoBrush);
}

void Canvas::drawPath(const QPainterPath& shape, bool filled)
{
    if (recording_) {
        path_.addPath(shape);
        return;
    }
    if (measuring()) {
        measurePath(shape, true, filled && brush_.style == BrushStyle::Solid);
        return;
    }
    if (vector_ && clipped_) {
        drawCutToClip(shape, filled);
        return;
    }
    // A wide pen's outline of a long polyline is made a piece at a time; a one-pixel pen makes none,
    // unless the canvas is scaled and it is wide on the picture. Not when inverting: the points where
    // pieces meet would be inverted twice.
    if (!filled && mode_ == PenMode::Copy && std::max(1, pen_.width) * scale_ > 1 &&
        pen_.style != PenStyle::Null) {
        const int piecePoints = clipped_ ? kClippedPiecePoints : kPolylinePiecePoints;
        if (const std::vector<QPainterPath> pieces = polylinePieces(shape, piecePoints); !pieces.empty()) {
            strokeInPieces(pieces);
            return;
        }
    }
    QPainter& p = painter();
    applyState(p, filled);
    if (vector_) {
        p.drawPath(centredOnVector(shape));
        return;
    }
    const StrokeCentre centre(p, strokeShift(), pen_.style != PenStyle::Null);
    p.drawPath(shape);
}

QPainterPath Canvas::centredOnVector(const QPainterPath& shape) const
{
    // A vector device would write each change of the painter's transform as a group of its own, so the
    // path moves instead.
    const double shift = pen_.style != PenStyle::Null ? strokeShift() : 0.0;
    return shift != 0 ? shape.translated(shift, shift) : shape;
}

void Canvas::drawCutToClip(const QPainterPath& shape, bool filled)
{
    QPainterPath clip;
    if (clipShape_.isEmpty())
        clip.addRegion(clip_);
    else
        clip = clipShape_.translated(kTieShift, kTieShift);
    // A wedge's triangle cuts by its edges alone, far cheaper than a general intersection.
    const std::optional<QPolygonF> convex = convexPolygonOf(clip);
    auto cut = [&](const QPainterPath& path) {
        const double shift = strokeShift();
        return convex ? cutToConvex(path.translated(shift, shift), *convex)
                      : path.translated(shift, shift).intersected(clip);
    };
    QPainter& p = painter();
    p.setCompositionMode(toComposition(mode_));
    p.setPen(Qt::NoPen);
    if (filled && brush_.style == BrushStyle::Solid) {
        p.setBrush(toQColor(brush_.color));
        p.drawPath(cut(shape));
    }
    if (pen_.style != PenStyle::Null) {
        p.setBrush(toQColor(pen_.color));
        p.drawPath(cut(widenPath(shape, pen_)));
    }
}

void Canvas::strokeInPieces(const std::vector<QPainterPath>& pieces)
{
    QPainter& p = painter();
    applyState(p, false);
    QPen pen = p.pen();
    // A piece whose pen-widened box misses the clip paints nothing; its length still moves the dashes on.
    const QRectF clipBox = clipped_ ? QRectF(clip_.boundingRect()) : QRectF();
    const qreal reach = pen_.width / 2.0 + 1;
    const StrokeCentre centre(p, strokeShift(), true);
    for (const QPainterPath& piece : pieces) {
        if (!clipped_ ||
            piece.controlPointRect().adjusted(-reach, -reach, reach, reach).intersects(clipBox)) {
            p.setPen(pen);
            p.drawPath(piece);
        }
        if (pen.style() != Qt::SolidLine)
            pen.setDashOffset(dashOffsetAfter(pen, pen.dashOffset(), piece.length()));
    }
}

void Canvas::line(QPoint from, QPoint to)
{
    QPainterPath path(from);
    path.lineTo(to);
    drawPath(path, false);
}

void Canvas::polyline(const QPolygon& points)
{
    if (points.isEmpty())
        return;
    QPainterPath path;
    path.addPolygon(toPolygonF(points));
    drawPath(path, false);
}

void Canvas::bezier(QPoint p0, QPoint c1, QPoint c2, QPoint p3)
{
    QPainterPath path(p0);
    path.cubicTo(c1, c2, p3);
    drawPath(path, false);
}

void Canvas::polyBezier(const QPolygon& points)
{
    if (points.size() < 4)
        return;
    QPainterPath path(points[0]);
    for (int i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    drawPath(path, false);
}

void Canvas::rectangle(QPoint corner1, QPoint corner2)
{
    QPainterPath path;
    path.addRect(QRectF(QPointF(corner1), QPointF(corner2)).normalized());
    drawPath(path, true);
}

void Canvas::ellipse(QPoint corner1, QPoint corner2)
{
    QPainterPath path;
    path.addEllipse(QRectF(QPointF(corner1), QPointF(corner2)).normalized());
    drawPath(path, true);
}

void Canvas::polygon(const QPolygon& points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(toPolygonF(points));
    path.closeSubpath();
    drawPath(path, true);
}

void Canvas::fillRect(const QRect& rect, TColor color)
{
    if (measuring()) {
        measure(rect, false);
        return;
    }
    QPainter& p = painter();
    p.setCompositionMode(toComposition(mode_));
    p.fillRect(rect, toQColor(color));
}

void Canvas::textOut(QPoint topLeft, const QString& text)
{
    if (text.isEmpty())
        return;
    if (measuring()) {
        if (work_)
            work_->characters += text.size();
        if (!reach_) {
            measure(QRect(topLeft, textExtent(text)), false);
            return;
        }
        const QFontMetrics fm(toQFont(font_));
        const QRect cell(topLeft, QSize(fm.horizontalAdvance(text), fm.height()));
        measure(cell | fm.boundingRect(text).translated(topLeft.x(), topLeft.y() + fm.ascent()), false);
        return;
    }
    QPainter& p = painter();
    QFont f = toQFont(font_);
    // Raster operations work on whole pixels; an antialiased edge drawn twice would not cancel out.
    if (mode_ != PenMode::Copy)
        f.setStyleStrategy(QFont::NoAntialias);
    p.setFont(f);
    p.setCompositionMode(toComposition(mode_));
    p.setPen(toQColor(font_.color));
    p.setBrush(Qt::NoBrush);
    const QFontMetrics fm(f);
    p.drawText(QPoint(topLeft.x(), topLeft.y() + fm.ascent()), text);
}

QSize Canvas::textExtent(const QString& text) const
{
    // A tally needs no exact layout, and laying out a text of a million characters takes a second: no
    // character is wider than two ems.
    if (work_ && !reach_) {
        const int em = fontPixelSize(font_.pointSize);
        return {int(std::min<qint64>(2 * text.size() * em, std::numeric_limits<int>::max())), 2 * em};
    }
    const QFontMetrics fm(toQFont(font_));
    return {fm.horizontalAdvance(text), fm.height()};
}

int Canvas::lineHeight() const
{
    if (work_ && !reach_)
        return textExtent(QString()).height();
    return QFontMetrics(toQFont(font_)).height();
}

void Canvas::beginPath()
{
    recording_ = true;
    path_ = QPainterPath();
}

QPainterPath Canvas::endPath()
{
    recording_ = false;
    return std::exchange(path_, QPainterPath());
}

void Canvas::strokePath(const QPainterPath& path)
{
    if (measuring()) {
        measurePath(path, true, false);
        return;
    }
    QPainter& p = painter();
    applyState(p, false);
    if (vector_) {
        p.drawPath(centredOnVector(path));
        return;
    }
    const StrokeCentre centre(p, strokeShift(), pen_.style != PenStyle::Null);
    p.drawPath(path);
}

void Canvas::fillPath(const QPainterPath& path, TColor color)
{
    if (measuring()) {
        measurePath(path, false, true);
        return;
    }
    QPainter& p = painter();
    p.setCompositionMode(toComposition(mode_));
    p.fillPath(path, toQColor(color));
}

TColor Canvas::pixel(QPoint at) const
{
    const QPoint p = device(at);
    if (!target_ || !target_->rect().contains(p))
        return kNoColour;
    return fromQRgb(reinterpret_cast<const QRgb*>(target_->constScanLine(p.y()))[p.x()]);
}

void Canvas::setPixel(QPoint at, TColor color)
{
    if (measuring()) {
        measure(QRectF(at, QSizeF(1, 1)), false);
        return;
    }
    const QPoint p = device(at);
    if (!target_ || !target_->rect().contains(p))
        return;
    if (scale_ > 1) {
        fillRect(QRect(at, QSize(1, 1)), color);
        return;
    }
    flush();
    reinterpret_cast<QRgb*>(target_->scanLine(p.y()))[p.x()] = toQRgb(color);
}

void Canvas::drawImage(const QRect& dest, const QImage& src, const QRect& srcRect, bool smooth,
                       bool whiteTransparent)
{
    if (src.isNull() || dest.isEmpty())
        return;
    if (measuring()) {
        measure(dest, false);
        return;
    }
    QRect from = srcRect.isNull() ? src.rect() : srcRect;
    QRect to = dest;
    if (whiteTransparent && clipped_ && !vector_ && to.size() == from.size()) {
        // Unstretched through a clip: only the part the clip lets through is made transparent.
        const QRect shown = to & clip_.boundingRect();
        if (shown.isEmpty())
            return;
        from = QRect(from.topLeft() + (shown.topLeft() - to.topLeft()), shown.size());
        to = shown;
    }
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    if (whiteTransparent) {
        // Made in memory kept for the next picture: a large one is not allocated, and its pages not
        // faulted in, at every draw.
        static thread_local QImage transparent;
        whiteAsTransparent(from == src.rect() ? src : src.copy(from), transparent);
        p.drawImage(to, transparent);
    } else
        p.drawImage(to, src, from);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void Canvas::floodFill(QPoint seed, TColor color)
{
    if (work_)
        work_->floodPixels += areaWithin(workBounds_, workBounds_);
    if (!target_ || measuring())
        return;
    flush();
    floodFillSurface(*target_, device(seed), toQRgb(color), fillRecord_);
}

QList<QPolygon> flattenPath(const QPainterPath& path)
{
    QList<QPolygon> out;
    for (const QPolygonF& poly : path.toSubpathPolygons())
        out.append(poly.toPolygon());
    return out;
}

QPainterPath widenPath(const QPainterPath& path, const CanvasPen& pen)
{
    QPainterPathStroker stroker(toQPen(pen));
    return stroker.createStroke(path);
}

QRegion pathToRegion(const QPainterPath& path)
{
    const QRect box = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    if (box.isEmpty())
        return {};
    QImage mask(box.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.translate(-box.topLeft());
        p.fillPath(path, Qt::white);
    }
    // One band per row: the runs of covered pixels, which is the order QRegion::setRects wants.
    std::vector<QRect> rects;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* line = mask.constScanLine(y);
        int x = 0;
        while (x < mask.width()) {
            while (x < mask.width() && line[x] == 0)
                ++x;
            const int start = x;
            while (x < mask.width() && line[x] != 0)
                ++x;
            if (x > start)
                rects.emplace_back(box.left() + start, box.top() + y, x - start, 1);
        }
    }
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

bool strokeCovers(const QPainterPath& widened, QPoint pixel)
{
    constexpr double kTieBreak = 1.0 / 64;
    return widened.contains(QPointF(pixel.x() + 0.5 - kTieBreak, pixel.y() + 0.5 - kTieBreak));
}

QRegion polygonRegion(const QPolygon& polygon)
{
    QPainterPath path;
    path.addPolygon(toPolygonF(polygon));
    path.closeSubpath();
    path.setFillRule(Qt::OddEvenFill);
    return pathToRegion(path);
}

} // namespace molvane
