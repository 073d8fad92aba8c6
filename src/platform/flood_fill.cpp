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
    SurfaceFill(QImage& image, QRgb target, QRgb fill, std::vector<PaintedRun>* runs)
        : runs_(runs), bits_(reinterpret_cast<QRgb*>(image.bits())),
          stride_(image.bytesPerLine() / qsizetype(sizeof(QRgb))), width_(image.width()),
          height_(image.height()), target_(target & kColourMask), fill_(fill | 0xFF000000u)
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
    bool matches(QRgb pixel) const { return (pixel & kColourMask) == target_; }
    QRgb* row(int y) const { return bits_ + y * stride_; }

    // The run of matching pixels from the matching pixel x rightwards, painted; its last x.
    int paintRight(QRgb* line, int x) const
    {
        while (x < width_ && matches(line[x]))
            line[x++] = fill_;
        return x - 1;
    }
    // The run of matching pixels left of x, painted; its first x (x when there are none).
    int paintLeft(QRgb* line, int x) const
    {
        while (x > 0 && matches(line[x - 1]))
            line[--x] = fill_;
        return x;
    }

    // Paints the run through the matching pixel (x, y) and returns its extent.
    std::pair<int, int> fillRow(int x, int y)
    {
        QRgb* line = row(y);
        const int l = paintLeft(line, x);
        const int r = paintRight(line, x);
        painted_ += r - l + 1;
        if (runs_)
            runs_->push_back({y, l, r});
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
        const QRgb* line = row(s.y);
        int x = s.left;
        while (x <= s.right) {
            if (!matches(line[x])) {
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

    std::vector<PaintedRun>* runs_;
    QRgb* bits_; // detached once, up front
    qsizetype stride_;
    int width_;
    int height_;
    QRgb target_;
    QRgb fill_;
    std::vector<Span> stack_;
    std::int64_t painted_ = 0;
};

} // namespace

std::int64_t floodFillSurface(QImage& image, QPoint seed, QRgb fillColor, PaintedArea* painted)
{
    if (image.isNull() || !image.rect().contains(seed))
        return 0;
    Q_ASSERT(image.depth() == 32);
    const QRgb target = reinterpret_cast<const QRgb*>(image.constScanLine(seed.y()))[seed.x()];
    // Filling an area with its own colour changes nothing.
    if ((target & kColourMask) == (fillColor & kColourMask))
        return 0;
    if (painted) {
        painted->replaced = target;
        painted->colour = fillColor;
    }
    SurfaceFill fill(image, target, fillColor, painted ? &painted->runs : nullptr);
    return fill.run(seed);
}

} // namespace molvane
