#include "document/main_window/canvas_view.h"

#include "document/canvas_geometry.h"
#include "document/geometry.h"

#include <QPaintEvent>
#include <QPainter>
#include <array>

namespace molvane {

namespace {

constexpr int kPrecisionMarkHalf = 5;
constexpr TColor kMarkColour = 0xC0C0C0;
constexpr TColor kCrossHairColour = 0x808080;

// The one-pixel precision mark at c: the square's 40 pixels and the two diagonals' 16.
constexpr int kPrecisionMarkPixels = 8 * kPrecisionMarkHalf + 16;
std::array<QPoint, kPrecisionMarkPixels> precisionMarkPixels(QPoint c)
{
    std::array<QPoint, kPrecisionMarkPixels> out;
    std::size_t n = 0;
    const int h = kPrecisionMarkHalf;
    for (int i = -h; i <= h; ++i) {
        out[n++] = {c.x() + i, c.y() - h};
        out[n++] = {c.x() + i, c.y() + h};
    }
    for (int i = -h + 1; i <= h - 1; ++i) {
        out[n++] = {c.x() - h, c.y() + i};
        out[n++] = {c.x() + h, c.y() + i};
    }
    for (int i = 0; i < 8; ++i) {
        out[n++] = {c.x() - 4 + i, c.y() - 4 + i};
        out[n++] = {c.x() + 3 - i, c.y() - 4 + i};
    }
    return out;
}

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
    if (style == markStyle_)
        return;
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
    if (marksShown_)
        update(markRegion(markAt_));
    markAt_ = p;
    marksShown_ = true;
    update(markRegion(p));
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
    const ViewLook shown = look();
    const QRegion exposed = event->region();
    QPainter p(this);
    if (!drawing_.bitmapMade()) {
        // A new drawing's white canvas: nothing to keep in tiles, and no bitmap is made for it.
        for (const QRect& part : exposed)
            paintNewCanvasView(p, part, drawing_.canvasSize(), shown, strip_);
    } else {
        strip_ = QImage();
        tiles_.show(drawing_.bitmap(), shown);
        for (const QRect& part : exposed)
            tiles_.draw(p, part);
    }
    const QRegion overlaid = overlaidRegion() & exposed;
    if (!overlaid.isEmpty())
        paintOverlaid(p, overlaid);
}

ViewLook CanvasView::look() const
{
    ViewLook look;
    look.zoom = zoom_;
    look.grid = drawing_.settings.showMasu;
    look.gridColour = drawing_.settings.masuColor;
    look.gridSpacing = drawing_.settings.masuHaba;
    if (sampleShown_ && !sample_.isNull()) {
        look.sample = &sample_;
        look.samplePlace = QRect(toScreen(samplePlace_.topLeft(), zoom_), zoomedSize(samplePlace_.size(), zoom_));
    }
    return look;
}

QRegion CanvasView::overlaidRegion() const
{
    QRegion r;
    if (overlay_)
        r = overlayArea_ ? overlayArea_() : QRegion(rect());
    if (marksShown_)
        r += markRegion(markAt_);
    return r;
}

void CanvasView::paintOverlaid(QPainter& p, const QRegion& parts)
{
    // Straight over what the tiles put on the window: inverting rubber bands and marks see the view
    // beneath them, and no picture of the parts is composed first.
    if (overlay_) {
        Canvas canvas(p, size());
        canvas.setClipRegion(parts);
        overlay_(canvas, parts.boundingRect());
    }
    // The marks lie within their own region, which is part of the overlaid one: the system's clip to
    // what is exposed keeps them within the parts.
    if (marksShown_)
        paintMarks(p);
}

void CanvasView::setSample(const QImage& picture, const QRect& place, bool shown)
{
    sample_ = picture;
    samplePlace_ = place;
    sampleShown_ = shown;
    update();
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
        const int h = kPrecisionMarkHalf;
        if (red) {
            p.drawRect(QRect(QPoint(x - h, y - h), QPoint(x + h - 1, y + h - 1)));
            p.drawLine(x - 4, y - 4, x + 3, y + 3);
            p.drawLine(x + 3, y - 4, x - 4, y + 3);
        } else {
            // The square's and the diagonals' pixels, each inverted once.
            const std::array<QPoint, kPrecisionMarkPixels> pixels = precisionMarkPixels(markAt_);
            p.drawPoints(pixels.data(), int(pixels.size()));
        }
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
