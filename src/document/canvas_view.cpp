#include "document/canvas_view.h"

#include "document/canvas_geometry.h"
#include "document/geometry.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace molvane {

namespace {

constexpr int kPrecisionMarkHalf = 5;
constexpr TColor kMarkColour = 0xC0C0C0;
constexpr TColor kCrossHairColour = 0x808080;

} // namespace

CanvasView::CanvasView(const Drawing& drawing, QWidget* parent) : QWidget(parent), drawing_(drawing)
{
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // every exposed pixel is painted
    updateSize();
}

void CanvasView::setZoom(int zoom)
{
    zoom_ = zoom;
    updateSize();
    update();
}

void CanvasView::updateSize() { setFixedSize(zoomedSize(drawing_.canvasSize(), zoom_)); }

void CanvasView::setMarkStyle(const CursorMarkStyle& style)
{
    if (marksShown_)
        update(markRegion(markAt_));
    markStyle_ = style;
    if (marksShown_)
        update(markRegion(markAt_));
}

QRegion CanvasView::markRegion(QPoint p) const
{
    QRegion r;
    if (markStyle_.precisionMark)
        r += QRect(p.x() - 7, p.y() - 7, 15, 15);
    if (markStyle_.crossHair) {
        r += QRect(0, p.y() - 1, width(), 3);
        r += QRect(p.x() - 1, 0, 3, height());
    }
    return r;
}

void CanvasView::showMarks(QPoint p)
{
    QRegion dirty = markRegion(p);
    if (marksShown_)
        dirty += markRegion(markAt_);
    markAt_ = p;
    marksShown_ = true;
    update(dirty);
}

void CanvasView::eraseMarks()
{
    if (!marksShown_)
        return;
    marksShown_ = false;
    update(markRegion(markAt_));
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    const QRect exposed = event->rect();
    if (scratch_.width() < exposed.width() || scratch_.height() < exposed.height())
        scratch_ = QImage(exposed.size().expandedTo(scratch_.size()), QImage::Format_RGB32);
    compose(scratch_, exposed);
    QPainter p(this);
    p.drawImage(exposed.topLeft(), scratch_, QRect(QPoint(0, 0), exposed.size()));
}

void CanvasView::compose(QImage& part, const QRect& exposed) const
{
    {
        QPainter p(&part);
        p.setClipRect(QRect(QPoint(0, 0), exposed.size()));
        p.translate(-exposed.topLeft());
        p.fillRect(exposed, Qt::white);
        const bool withSample = sampleShown_ && !sample_.isNull();
        if (withSample)
            paintSample(p);
        // Over a sample the drawing's white lets the sample show through.
        paintDrawing(p, exposed, withSample);
        if (drawing_.settings.showMasu)
            paintGrid(p, exposed);
    }
    if (overlay_) {
        Canvas canvas(part);
        canvas.setOrigin(-exposed.topLeft());
        canvas.setClipRegion(QRegion(exposed));
        overlay_(canvas, exposed);
    }
    if (marksShown_) {
        QPainter p(&part);
        p.translate(-exposed.topLeft());
        paintMarks(p);
    }
}

void CanvasView::setSample(const QImage& picture, const QRect& place, bool shown)
{
    sample_ = picture;
    samplePlace_ = place;
    sampleShown_ = shown;
    update();
}

void CanvasView::paintSample(QPainter& p) const
{
    const QRect place(toScreen(samplePlace_.topLeft(), zoom_), zoomedSize(samplePlace_.size(), zoom_));
    p.drawImage(place, sample_);
}

void CanvasView::paintDrawing(QPainter& p, const QRect& exposed, bool whiteTransparent) const
{
    const QImage& bitmap = drawing_.bitmap();
    const double scale = zoom_ / 100.0;
    // The part of the bitmap under the exposed rectangle, in whole bitmap pixels.
    const int left = std::max(0, int(std::floor(exposed.left() / scale)));
    const int top = std::max(0, int(std::floor(exposed.top() / scale)));
    const int right = std::min(bitmap.width(), int(std::ceil((exposed.right() + 1) / scale)));
    const int bottom = std::min(bitmap.height(), int(std::ceil((exposed.bottom() + 1) / scale)));
    if (right <= left || bottom <= top)
        return;
    const QRectF source(left, top, right - left, bottom - top);
    const QRectF target(left * scale, top * scale, (right - left) * scale, (bottom - top) * scale);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!whiteTransparent) {
        p.drawImage(target, bitmap, source);
        return;
    }
    p.drawImage(target, whiteAsTransparent(bitmap.copy(source.toRect())));
}

void CanvasView::paintGrid(QPainter& p, const QRect& exposed) const
{
    const QSize canvas = drawing_.canvasSize();
    const int spacing = drawing_.settings.masuHaba;
    QPen pen(toQColor(drawing_.settings.masuColor), 1, Qt::DotLine);
    pen.setCosmetic(true);
    p.setPen(pen);
    // Mask mode: the grid colour is ANDed in, so dark figures stay dark over the grid.
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    for (int y : gridLines(canvas.height(), spacing, zoom_))
        if (y >= exposed.top() && y <= exposed.bottom())
            p.drawLine(exposed.left(), y, exposed.right(), y);
    for (int x : gridLines(canvas.width(), spacing, zoom_))
        if (x >= exposed.left() && x <= exposed.right())
            p.drawLine(x, exposed.top(), x, exposed.bottom());
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void CanvasView::paintMarks(QPainter& p) const
{
    // Inverting, as on the screen of old: the marks show on any colour beneath.
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    const int x = markAt_.x(), y = markAt_.y();
    if (markStyle_.precisionMark) {
        const bool red = markStyle_.selectionPen;
        QPen pen(toQColor(red ? clRed : kMarkColour), red ? 2 : 1);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(x - kPrecisionMarkHalf, y - kPrecisionMarkHalf),
                         QPoint(x + kPrecisionMarkHalf - 1, y + kPrecisionMarkHalf - 1)));
        p.drawLine(x - 4, y - 4, x + 3, y + 3);
        p.drawLine(x + 3, y - 4, x - 4, y + 3);
    }
    if (markStyle_.crossHair) {
        QPen pen(toQColor(kCrossHairColour), 1, Qt::DotLine);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.drawLine(0, y, width() - 1, y);
        p.drawLine(x, 0, x, height() - 1);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace molvane
