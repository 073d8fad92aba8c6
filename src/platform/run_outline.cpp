#include "platform/run_outline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace molvane {

namespace {

// Directions along pixel edges; a boundary is walked with the area on its right.
enum Direction : int { East, South, West, North };
constexpr std::array<QPoint, 4> kStep{QPoint(1, 0), QPoint(0, 1), QPoint(-1, 0), QPoint(0, -1)};

// The painted pixels of the runs' bounding box, with an unpainted border one pixel wide.
class RunMask {
public:
    explicit RunMask(const std::vector<PaintedRun>& runs)
    {
        int top = runs.front().y, bottom = top, left = runs.front().left, right = runs.front().right;
        for (const PaintedRun& r : runs) {
            top = std::min(top, r.y);
            bottom = std::max(bottom, r.y);
            left = std::min(left, r.left);
            right = std::max(right, r.right);
        }
        origin_ = QPoint(left, top);
        width_ = right - left + 1;
        height_ = bottom - top + 1;
        cells_.assign(std::size_t(width_ + 2) * std::size_t(height_ + 2), 0);
        for (const PaintedRun& r : runs)
            std::fill_n(cells_.begin() + index(r.left - left, r.y - top), r.right - r.left + 1, 1);
    }

    // Local pixel coordinates, -1..width and -1..height.
    bool painted(int x, int y) const { return cells_[index(x, y)] != 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    QPoint origin() const { return origin_; }

    // Whether the edge leaving corner (x, y) in that direction has the area on its right.
    bool edge(int x, int y, int d) const
    {
        switch (d) {
        case East: return painted(x, y) && !painted(x, y - 1);
        case South: return painted(x - 1, y) && !painted(x, y);
        case West: return painted(x - 1, y - 1) && !painted(x - 1, y);
        default: return painted(x, y - 1) && !painted(x - 1, y - 1);
        }
    }

private:
    std::size_t index(int x, int y) const
    {
        return std::size_t(y + 1) * std::size_t(width_ + 2) + std::size_t(x + 1);
    }

    QPoint origin_;
    int width_ = 0, height_ = 0;
    std::vector<std::uint8_t> cells_;
};

// Walks every boundary loop of the mask once, giving each as its corners (local corner coordinates).
class LoopWalker {
public:
    explicit LoopWalker(const RunMask& mask)
        : mask_(mask), used_(std::size_t(mask.width() + 1) * std::size_t(mask.height() + 1), 0)
    {
    }

    template <typename Take> void walkAll(Take&& take)
    {
        // Every loop has an eastward edge along the top of some pixel.
        for (int y = 0; y <= mask_.height(); ++y)
            for (int x = 0; x < mask_.width(); ++x)
                if (mask_.edge(x, y, East) && !used(x, y, East))
                    take(walk(QPoint(x, y)));
    }

private:
    bool used(int x, int y, int d) const { return (used_[slot(x, y)] >> d) & 1; }
    void use(QPoint at, int d) { used_[slot(at.x(), at.y())] |= std::uint8_t(1 << d); }
    std::size_t slot(int x, int y) const
    {
        return std::size_t(y) * std::size_t(mask_.width() + 1) + std::size_t(x);
    }

    // The next edge from a corner: a right turn first, so areas that touch only at a corner stay
    // apart, then straight on, then left; -1 when the loop is closed.
    int next(QPoint at, int arrived) const
    {
        for (int turn : {1, 0, 3}) {
            const int d = (arrived + turn) % 4;
            if (mask_.edge(at.x(), at.y(), d) && !used(at.x(), at.y(), d))
                return d;
        }
        return -1;
    }

    std::vector<QPoint> walk(QPoint start)
    {
        std::vector<QPoint> corners{start};
        QPoint at = start;
        int d = East;
        while (d >= 0) {
            use(at, d);
            at += kStep[std::size_t(d)];
            const int following = next(at, d);
            if (following != d && following >= 0)
                corners.push_back(at);
            d = following;
        }
        return corners;
    }

    const RunMask& mask_;
    std::vector<std::uint8_t> used_; // a bit per direction for each corner
};

double distanceToLine(QPoint p, QPoint a, QPoint b)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return std::hypot(p.x() - a.x(), p.y() - a.y());
    return std::abs(dx * (a.y() - p.y()) - dy * (a.x() - p.x())) / length;
}

// Douglas-Peucker over the closed loop, split at the corner farthest from the first; a stack of
// spans instead of recursion, for loops of many thousands of corners.
std::vector<QPoint> simplifyLoop(const std::vector<QPoint>& loop, double tolerance)
{
    const std::size_t n = loop.size();
    if (n <= 4 || tolerance <= 0)
        return loop;
    std::vector<bool> keep(n, false);
    std::size_t far = 0;
    double farthest = -1;
    for (std::size_t i = 1; i < n; ++i)
        if (const double d = std::hypot(loop[i].x() - loop[0].x(), loop[i].y() - loop[0].y()); d > farthest) {
            farthest = d;
            far = i;
        }
    keep[0] = keep[far] = true;
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, far}, {far, n}};
    const auto at = [&](std::size_t i) { return loop[i % n]; };
    while (!spans.empty()) {
        const auto [from, to] = spans.back();
        spans.pop_back();
        double worst = tolerance;
        std::size_t split = 0;
        for (std::size_t i = from + 1; i < to; ++i)
            if (const double d = distanceToLine(loop[i], at(from), at(to)); d > worst) {
                worst = d;
                split = i;
            }
        if (split == 0)
            continue;
        keep[split] = true;
        spans.emplace_back(from, split);
        spans.emplace_back(split, to);
    }
    std::vector<QPoint> kept;
    for (std::size_t i = 0; i < n; ++i)
        if (keep[i])
            kept.push_back(loop[i]);
    return kept;
}

} // namespace

QPainterPath outlineOfRuns(const std::vector<PaintedRun>& runs, double unit, double tolerance)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    if (runs.empty())
        return path;
    const RunMask mask(runs);
    const QPointF origin = QPointF(mask.origin());
    LoopWalker(mask).walkAll([&](const std::vector<QPoint>& loop) {
        const std::vector<QPoint> corners = simplifyLoop(loop, tolerance);
        QPolygonF polygon;
        polygon.reserve(qsizetype(corners.size()));
        for (QPoint c : corners)
            polygon.append((origin + QPointF(c)) * unit);
        path.addPolygon(polygon);
        path.closeSubpath();
    });
    return path;
}

} // namespace molvane
