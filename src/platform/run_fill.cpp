#include "platform/run_fill.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace molvane {

namespace {

constexpr double kFlatness = 0.1; // pixels a line may stray from the curve it stands for

QPointF cubicAt(const QPointF& p0, const QPointF& c1, const QPointF& c2, const QPointF& p3, double t)
{
    const double u = 1 - t;
    return u * u * u * p0 + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * p3;
}

// Lines enough for the curve to stay within kFlatness: cut into n equal steps, a cubic strays at most
// 3/4 of its largest second difference over n squared.
int stepsFor(const QPointF& p0, const QPointF& c1, const QPointF& c2, const QPointF& p3)
{
    const QPointF d1 = p0 - 2 * c1 + c2, d2 = c1 - 2 * c2 + p3;
    const double bend = std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y()));
    return std::clamp(int(std::ceil(std::sqrt(0.75 * bend / kFlatness))), 1, 256);
}

// Coordinates beyond this many pixels are no drawing's.
constexpr double kFarOff = 1 << 20;

// What a pixel is XORed with to become NOT(colour XOR pixel) in its colour channels, alpha kept.
QRgb notXorFlip(QRgb colour) { return ~colour & 0x00FFFFFFu; }

struct Fixed {
    long x, y; // 1/64 pixel
};

// The nearest 1/64 of a pixel, halves away from zero (v within kFarOff).
long toFixed(double v)
{
    const double scaled = v * 64;
    return long(scaled + (scaled < 0 ? -0.5 : 0.5));
}

// The runs of the rows of an area, from the edges crossing each row's centre line. Crossings are
// worked out as the engine's aliased rasterizer does, in fixed point: a row counts an edge whose
// ends lie on both sides of its centre (the upper end strictly above), a crossing covers the pixels
// whose centres lie strictly right of it, and a run ends at the pixel whose centre lies on its right
// crossing or just left of it.
class Runs {
public:
    explicit Runs(const QRect& area) : area_(area), rows_(std::size_t(area.height()), Row{kNone, kNone}) {}

    // The polygon's edges in order: those going down make one side of every row's run, those going
    // up the other.
    void cross(Fixed a, Fixed b)
    {
        if (a.y == b.y)
            return;
        const bool down = a.y < b.y;
        if (!down)
            std::swap(a, b);
        const long top = std::max<long>((a.y + 32) >> 6, area_.top());
        const long bottom = std::min<long>((b.y - 32) >> 6, area_.bottom());
        if (top > bottom)
            return;
        // x in 16.16 fixed point, half a pixel on: its whole part is the first pixel right of it.
        const std::int64_t start = 32768 + (a.x << 10);
        std::int64_t step = 0, x = start;
        if (b.x != a.x) {
            step = std::int64_t(double(b.x - a.x) / double(b.y - a.y) * 65536.);
            x = start + ((step * ((top << 16) + 32768 - (a.y << 10))) >> 16);
        }
        // Points are within kFarOff pixels, so are the crossings between them.
        int Row::*const side = down ? &Row::down : &Row::up;
        Row* row = rows_.data() + (top - area_.top());
        for (long y = top; y <= bottom; ++y, x += step, ++row)
            row->*side = int(x >> 16);
    }

    // The pixels of each row's run, within the area, become pixel XOR flip.
    void flip(const PixelRows& pixels, QRgb flip) const
    {
        const int left = area_.left(), right = area_.right() + 1;
        uchar* line = pixels.bits + (area_.top() - pixels.bounds.top()) * pixels.stride;
        for (const Row& row : rows_) {
            if (row.down != kNone && row.up != kNone) {
                const int from = std::max(std::min(row.down, row.up), left);
                const int to = std::min(std::max(row.down, row.up), right);
                flipRun(reinterpret_cast<QRgb*>(line) + (from - pixels.bounds.left()), to - from, flip);
            }
            line += pixels.stride;
        }
    }

private:
    static constexpr int kNone = INT_MIN;
    struct Row {
        int down, up; // the columns where the two sides cross the row
    };

    // Four pixels at a time, then one by one.
    static void flipRun(QRgb* run, int count, QRgb flip)
    {
        typedef quint32 Pixels4 __attribute__((vector_size(16)));
        const Pixels4 flips = {flip, flip, flip, flip};
        for (; count >= 4; count -= 4, run += 4) {
            Pixels4 four;
            std::memcpy(&four, run, sizeof four);
            four ^= flips;
            std::memcpy(run, &four, sizeof four);
        }
        for (; count > 0; --count)
            *run++ ^= flip;
    }

    QRect area_;
    std::vector<Row> rows_;
};

} // namespace

bool runFillable(const QImage& image)
{
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

std::optional<PaintedPixels> paintedPixels(QPainter& p, const QRegion& within)
{
    QPaintEngine* engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return std::nullopt;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return std::nullopt;
    const QImage& image = *static_cast<const QImage*>(device);
    const QTransform t = p.deviceTransform();
    if (!runFillable(image) || t.type() > QTransform::TxTranslate || t.dx() != std::round(t.dx()) ||
        t.dy() != std::round(t.dy()))
        return std::nullopt;
    const QPoint shift(int(t.dx()), int(t.dy()));
    QRegion allowed = within.translated(shift) & image.rect();
    if (!engine->systemClip().isEmpty())
        allowed &= engine->systemClip();
    if (allowed.rectCount() != 1)
        return std::nullopt;
    // The painter paints these pixels in place, as they are, while it is active: so are they written.
    const PixelRows rows{const_cast<uchar*>(image.constBits()), image.bytesPerLine(), image.rect()};
    return PaintedPixels{rows, shift, allowed.boundingRect()};
}

void notXorPoints(const PixelRows& pixels, const QPoint* points, int count, QRgb colour, const QRect& clip)
{
    const QRect area = clip & pixels.bounds;
    const int left = area.left(), right = area.right(), top = area.top(), bottom = area.bottom();
    const QRgb flip = notXorFlip(colour);
    for (int i = 0; i < count; ++i) {
        const int x = points[i].x(), y = points[i].y();
        if (x >= left && x <= right && y >= top && y <= bottom)
            reinterpret_cast<QRgb*>(pixels.bits + (y - pixels.bounds.top()) *
                                                      pixels.stride)[x - pixels.bounds.left()] ^= flip;
    }
}

QPolygonF flattenFigure(const QPainterPath& path)
{
    QPolygonF out;
    const int n = path.elementCount();
    out.reserve(n);
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type != QPainterPath::CurveToElement) {
            if (e.type != QPainterPath::CurveToDataElement)
                out.append(e);
            continue;
        }
        if (i + 2 >= n || out.isEmpty())
            break;
        const QPointF p0 = out.last(), c1 = e, c2 = path.elementAt(i + 1), p3 = path.elementAt(i + 2);
        const int steps = stepsFor(p0, c1, c2, p3);
        for (int s = 1; s < steps; ++s)
            out.append(cubicAt(p0, c1, c2, p3, double(s) / steps));
        out.append(p3);
        i += 2;
    }
    return out;
}

QPolygonF roundCappedLine(QPointF a, QPointF b, double width)
{
    const double r = width / 2;
    // Steps of an angle whose chord strays at most kFlatness from the circle.
    const double step = 2 * std::acos(std::max(-1.0, 1 - kFlatness / r));
    const int steps = std::clamp(int(std::ceil(M_PI / step)), 2, 512);
    const double along = std::atan2(b.y() - a.y(), b.x() - a.x());
    QPolygonF out;
    out.reserve(2 * (steps + 1));
    // Round b from its left side to its right, then round a back.
    for (const auto& [centre, from] : {std::pair{b, along - M_PI / 2}, std::pair{a, along + M_PI / 2}})
        for (int i = 0; i <= steps; ++i) {
            const double angle = from + M_PI * i / steps;
            out.append(centre + QPointF(r * std::cos(angle), r * std::sin(angle)));
        }
    return out;
}

void notXorRuns(const PixelRows& pixels, const QPolygonF& polygon, QPoint shift, QRgb colour,
                const QRect& clip)
{
    QRect area = clip & pixels.bounds;
    if (area.isEmpty() || polygon.size() < 3)
        return;
    // The points in 26.6 fixed point, as the engine takes them; a polygon reaching far off is none
    // of a drawing's.
    std::vector<Fixed> points;
    points.reserve(std::size_t(polygon.size()));
    long minY = LONG_MAX, maxY = LONG_MIN;
    for (const QPointF& unshifted : polygon) {
        const QPointF p = unshifted + shift;
        if (!(std::abs(p.x()) < kFarOff && std::abs(p.y()) < kFarOff))
            return;
        points.push_back({toFixed(p.x()), toFixed(p.y())});
        minY = std::min(minY, points.back().y);
        maxY = std::max(maxY, points.back().y);
    }
    area &= QRect(area.left(), int((minY + 32) >> 6), area.width(),
                  int(((maxY - 32) >> 6) - ((minY + 32) >> 6) + 1));
    if (area.isEmpty())
        return;
    // Each row's run lies between the leftmost and the rightmost edge crossing its centre line.
    Runs runs(area);
    for (std::size_t i = 0; i < points.size(); ++i)
        runs.cross(points[i], points[(i + 1) % points.size()]);
    // NOT(c XOR d) is (NOT c) XOR d.
    runs.flip(pixels, notXorFlip(colour));
}

} // namespace molvane
