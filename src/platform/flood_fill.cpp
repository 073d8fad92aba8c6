#include "platform/flood_fill.h"

#include <vector>

namespace molvane {

namespace {

constexpr QRgb kColourMask = 0x00FFFFFF;

struct Span {
    int y;
    int left;  // inclusive range of x on the parent row from which to look for seeds
    int right;
    int dy;    // direction to continue in
};

class SurfaceFill {
public:
    SurfaceFill(QImage& image, QRgb target, QRgb fill)
        : image_(image), width_(image.width()), height_(image.height()), target_(target & kColourMask),
          fill_(fill | 0xFF000000u)
    {
    }

    std::int64_t run(QPoint seed)
    {
        const auto [l, r] = fillRow(seed.x(), seed.y());
        pushBoth(seed.y(), l, r);
        while (!stack_.empty()) {
            const Span s = stack_.back();
            stack_.pop_back();
            scanRow(s);
        }
        return painted_;
    }

private:
    // A painted pixel no longer matches, because the fill colour differs from the target colour.
    bool matches(int x, int y) const { return (row(y)[x] & kColourMask) == target_; }
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(image_.scanLine(y)); }

    // Paints the run through (x, y) and returns its extent.
    std::pair<int, int> fillRow(int x, int y)
    {
        int l = x;
        while (l > 0 && matches(l - 1, y))
            --l;
        int r = x;
        while (r + 1 < width_ && matches(r + 1, y))
            ++r;
        QRgb* line = row(y);
        for (int i = l; i <= r; ++i)
            line[i] = fill_;
        painted_ += r - l + 1;
        return {l, r};
    }

    void pushBoth(int y, int l, int r)
    {
        if (y > 0)
            stack_.push_back({y - 1, l, r, -1});
        if (y + 1 < height_)
            stack_.push_back({y + 1, l, r, +1});
    }

    // Fills every run of row s.y that touches columns s.left..s.right, queueing the rows beyond.
    void scanRow(const Span& s)
    {
        int x = s.left;
        while (x <= s.right) {
            if (!matches(x, s.y)) {
                ++x;
                continue;
            }
            const auto [l, r] = fillRow(x, s.y);
            const int next = s.y + s.dy;
            if (next >= 0 && next < height_)
                stack_.push_back({next, l, r, s.dy});
            // The run may reach past the parent's extent: those parts need the way back too.
            const int back = s.y - s.dy;
            if (back >= 0 && back < height_) {
                if (l < s.left)
                    stack_.push_back({back, l, s.left - 1, -s.dy});
                if (r > s.right)
                    stack_.push_back({back, s.right + 1, r, -s.dy});
            }
            x = r + 1;
        }
    }

    QImage& image_;
    int width_;
    int height_;
    QRgb target_;
    QRgb fill_;
    std::vector<Span> stack_;
    std::int64_t painted_ = 0;
};

} // namespace

std::int64_t floodFillSurface(QImage& image, QPoint seed, QRgb fillColor)
{
    if (image.isNull() || !image.rect().contains(seed))
        return 0;
    Q_ASSERT(image.depth() == 32);
    const QRgb target = reinterpret_cast<const QRgb*>(image.constScanLine(seed.y()))[seed.x()];
    // Filling an area with its own colour changes nothing.
    if ((target & kColourMask) == (fillColor & kColourMask))
        return 0;
    SurfaceFill fill(image, target, fillColor);
    return fill.run(seed);
}

} // namespace molvane
