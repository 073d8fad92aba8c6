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

// composeView of a canvas whose bitmap may not be made yet (null: white).
void composeCanvas(QImage& out, const QRect& area, const QImage* bitmap, QSize canvas, const ViewLook& look)
{
    const bool overSample = look.sample && !look.sample->isNull();
    if (overSample || !bitmap)
        paintUnderlay(out, area, look);
    if (bitmap) {
        const bool plain = bitmap->format() == QImage::Format_RGB32;
        stretchBitmap(out, area, plain ? *bitmap : bitmap->convertToFormat(QImage::Format_RGB32), look.zoom,
                      overSample);
    }
    if (look.grid && look.gridSpacing > 0)
        maskGrid(out, area, canvas, look);
}

// Rows of view composed at a time by paintNewCanvasView: a strip of a wide view stays in the cache
// between being composed and being drawn.
constexpr int kStripRows = 32;

} // namespace

int bitmapPixelUnder(int v, int zoom)
{
    // The centre v + 0.5 in bitmap pixels, rounded down (view pixels are never negative here).
    return int(((2 * qint64(v) + 1) * 100) / (2 * qint64(zoom)));
}

void composeView(QImage& out, const QRect& area, const QImage& bitmap, const ViewLook& look)
{
    if (!area.isEmpty())
        composeCanvas(out, area, bitmap.isNull() ? nullptr : &bitmap, bitmap.size(), look);
}

void paintNewCanvasView(QPainter& p, const QRect& area, QSize canvas, const ViewLook& look, QImage& strip)
{
    const QRect shown = area & QRect(QPoint(0, 0), zoomedSize(canvas, look.zoom));
    if (shown.isEmpty())
        return;
    const QSize stripSize(shown.width(), std::min(shown.height(), kStripRows));
    if (strip.width() < stripSize.width() || strip.height() < stripSize.height())
        strip = QImage(stripSize.expandedTo(strip.size()), QImage::Format_RGB32);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int top = shown.top(); top <= shown.bottom(); top += kStripRows) {
        const QRect part(shown.left(), top, shown.width(), std::min(kStripRows, shown.bottom() - top + 1));
        composeCanvas(strip, part, nullptr, canvas, look);
        p.drawImage(part.topLeft(), strip, QRect(QPoint(0, 0), part.size()));
    }
    p.restore();
}

} // namespace molvane
