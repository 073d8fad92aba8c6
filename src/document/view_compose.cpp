#include "document/view_compose.h"

#include "document/canvas_geometry.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <vector>

namespace molvane {

namespace {

constexpr QRgb kWhiteBits = 0xFFFFFF;

bool isPureWhite(QRgb p) { return (p & kWhiteBits) == kWhiteBits; }

// White, then the sample stretched into its place.
void paintUnderlay(QImage& out, const QRect& area, const ViewLook& look)
{
    QPainter p(&out);
    p.setClipRect(QRect(QPoint(0, 0), area.size()));
    p.translate(-area.topLeft());
    p.fillRect(area, Qt::white);
    if (look.sample)
        p.drawImage(look.samplePlace, *look.sample);
}

// For each view column of the area, the bitmap column it shows.
std::vector<int> bitmapColumns(const QRect& area, int bitmapWidth, int zoom)
{
    std::vector<int> columns(std::size_t(area.width()));
    for (int i = 0; i < area.width(); ++i)
        columns[std::size_t(i)] = std::clamp(bitmapPixelUnder(area.left() + i, zoom), 0, bitmapWidth - 1);
    return columns;
}

void stretchRow(QRgb* dst, const QRgb* src, const std::vector<int>& columns, bool overSample)
{
    const std::size_t n = columns.size();
    if (!overSample) {
        for (std::size_t i = 0; i < n; ++i)
            dst[i] = src[columns[i]];
        return;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const QRgb s = src[columns[i]];
        if (!isPureWhite(s))
            dst[i] = s;
    }
}

void stretchBitmap(QImage& out, const QRect& area, const QImage& bitmap, int zoom, bool overSample)
{
    const std::vector<int> columns = bitmapColumns(area, bitmap.width(), zoom);
    const std::size_t rowBytes = columns.size() * sizeof(QRgb);
    // At 100 % a row of the view is a run of a bitmap row.
    const bool straight = zoom == 100 && !overSample && columns.back() - columns.front() == area.width() - 1;
    int previous = -1;
    for (int r = 0; r < area.height(); ++r) {
        const int sy = std::clamp(bitmapPixelUnder(area.top() + r, zoom), 0, bitmap.height() - 1);
        auto* dst = reinterpret_cast<QRgb*>(out.scanLine(r));
        const auto* src = reinterpret_cast<const QRgb*>(bitmap.constScanLine(sy));
        if (sy == previous && !overSample)
            std::memcpy(dst, out.constScanLine(r - 1), rowBytes);
        else if (straight)
            std::memcpy(dst, src + columns.front(), rowBytes);
        else
            stretchRow(dst, src, columns, overSample);
        previous = sy;
    }
}

// Mask mode: the grid colour is ANDed into the dots, so dark figures stay dark over the grid.
void maskGrid(QImage& out, const QRect& area, QSize canvas, const ViewLook& look)
{
    const QRgb mask = toQRgb(look.gridColour);
    for (int y : gridLines(canvas.height(), look.gridSpacing, look.zoom)) {
        if (y < area.top() || y > area.bottom())
            continue;
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y - area.top()));
        for (int x = area.left(); x <= area.right(); ++x)
            if (gridDotAt(x))
                row[x - area.left()] &= mask;
    }
    for (int x : gridLines(canvas.width(), look.gridSpacing, look.zoom)) {
        if (x < area.left() || x > area.right())
            continue;
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (gridDotAt(y))
                reinterpret_cast<QRgb*>(out.scanLine(y - area.top()))[x - area.left()] &= mask;
    }
}

// A grid line's dots as a brush: the grid colour every third pixel along the line (anchored to the
// view by the painter's brush origin), white, which the AND leaves alone, between them.
QBrush gridLineBrush(QRgb mask, bool horizontal)
{
    QImage dots(horizontal ? QSize(3, 1) : QSize(1, 3), QImage::Format_RGB32);
    dots.fill(Qt::white);
    dots.setPixel(0, 0, mask);
    return QBrush(dots);
}

void maskGridWithPainter(QPainter& p, const QRect& area, QSize canvas, const ViewLook& look)
{
    const QRgb mask = toQRgb(look.gridColour);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.setBrushOrigin(0, 0);
    const QBrush across = gridLineBrush(mask, true);
    for (int y : gridLines(canvas.height(), look.gridSpacing, look.zoom))
        if (y >= area.top() && y <= area.bottom())
            p.fillRect(QRect(area.left(), y, area.width(), 1), across);
    const QBrush down = gridLineBrush(mask, false);
    for (int x : gridLines(canvas.width(), look.gridSpacing, look.zoom))
        if (x >= area.left() && x <= area.right())
            p.fillRect(QRect(x, area.top(), 1, area.height()), down);
}

} // namespace

int bitmapPixelUnder(int v, int zoom)
{
    // The centre v + 0.5 in bitmap pixels, rounded down (view pixels are never negative here).
    return int(((2 * qint64(v) + 1) * 100) / (2 * qint64(zoom)));
}

void composeView(QImage& out, const QRect& area, const QImage& bitmap, const ViewLook& look)
{
    if (area.isEmpty())
        return;
    const bool overSample = look.sample && !look.sample->isNull();
    if (overSample || bitmap.isNull())
        paintUnderlay(out, area, look);
    if (!bitmap.isNull()) {
        const bool plain = bitmap.format() == QImage::Format_RGB32;
        stretchBitmap(out, area, plain ? bitmap : bitmap.convertToFormat(QImage::Format_RGB32), look.zoom,
                      overSample);
    }
    if (look.grid && look.gridSpacing > 0)
        maskGrid(out, area, bitmap.size(), look);
}

bool viewIsUnzoomed(const ViewLook& look)
{
    return look.zoom == 100 && !(look.sample && !look.sample->isNull());
}

void paintUnzoomedView(QPainter& p, const QRect& area, const QImage* bitmap, QSize canvas,
                       const ViewLook& look)
{
    const QRect shown = area & QRect(QPoint(0, 0), canvas);
    if (shown.isEmpty())
        return;
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (bitmap)
        p.drawImage(shown.topLeft(), *bitmap, shown);
    else
        p.fillRect(shown, Qt::white);
    if (look.grid && look.gridSpacing > 0)
        maskGridWithPainter(p, shown, canvas, look);
    p.restore();
}

} // namespace molvane
