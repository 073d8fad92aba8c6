#include "platform/flood_fill.h"
#include "platform/flood_fill_testing.h"

#include <vector>

namespace molvane {

namespace {

constexpr QRgb kColourMask = 0x00FFFFFF;

// Paints the n pixels from p and returns true when all of them match; changes nothing otherwise.
// The loops are written for the compiler to turn into vector instructions.
[[gnu::always_inline]] inline bool paintBlock(QRgb* p, int n, QRgb target, QRgb fill)
{
    QRgb differs = 0; // the colour bits in which any of them differs from the target
    for (int i = 0; i < n; ++i)
        differs |= (p[i] & kColourMask) ^ target;
    if (differs != 0)
        return false;
    for (int i = 0; i < n; ++i)
        p[i] = fill;
    return true;
}

// Paints the run of matching pixels from the matching pixel x rightwards; returns its last x. Long
// runs (an empty canvas) go a block at a time, their ends four pixels at a time.
template <int kBlock>
[[gnu::always_inline]] inline int paintRunRight(QRgb* line, int x, int width, QRgb target, QRgb fill)
{
    while (x + kBlock <= width && paintBlock(line + x, kBlock, target, fill))
        x += kBlock;
    while (x + 4 <= width && paintBlock(line + x, 4, target, fill))
        x += 4;
    while (x < width && (line[x] & kColourMask) == target)
        line[x++] = fill;
    return x - 1;
}

// Paints the run of matching pixels left of x; returns its first x (x when there are none).
template <int kBlock> [[gnu::always_inline]] inline int paintRunLeft(QRgb* line, int x, QRgb target, QRgb fill)
{
    while (x - kBlock >= 0 && paintBlock(line + x - kBlock, kBlock, target, fill))
        x -= kBlock;
    while (x - 4 >= 0 && paintBlock(line + x - 4, 4, target, fill))
        x -= 4;
    while (x > 0 && (line[x - 1] & kColourMask) == target)
        line[--x] = fill;
    return x;
}

// Where the processor has 256-bit vector instructions, runs are painted 32 pixels a step, else 16
// (what suits each best).
#if defined(__x86_64__) && defined(__GNUC__)
#define MOLVANE_WIDE_RUNS 1
__attribute__((target("avx2"))) int paintRunRightWide(QRgb* line, int x, int width, QRgb target, QRgb fill)
{
    return paintRunRight<32>(line, x, width, target, fill);
}
__attribute__((target("avx2"))) int paintRunLeftWide(QRgb* line, int x, QRgb target, QRgb fill)
{
    return paintRunLeft<32>(line, x, target, fill);
}
#endif

thread_local int narrowRunsAsked = 0;

#if defined(MOLVANE_WIDE_RUNS)
bool hasWideRuns() { return !NarrowFillRuns::active() && __builtin_cpu_supports("avx2"); }
#endif

struct Span {
    int y;
    int left;  // inclusive range of x on the parent row from which to look for seeds
    int right;
    int dy;    // direction to continue in
};

class SurfaceFill {
public:
    SurfaceFill(QImage& image, QRgb target, QRgb fill)
        : bits_(reinterpret_cast<QRgb*>(image.bits())), stride_(image.bytesPerLine() / qsizetype(sizeof(QRgb))),
          width_(image.width()), height_(image.height()), target_(target & kColourMask), fill_(fill | 0xFF000000u)
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

    int paintRight(QRgb* line, int x) const
    {
#if defined(MOLVANE_WIDE_RUNS)
        if (wide_)
            return paintRunRightWide(line, x, width_, target_, fill_);
#endif
        return paintRunRight<16>(line, x, width_, target_, fill_);
    }
    int paintLeft(QRgb* line, int x) const
    {
#if defined(MOLVANE_WIDE_RUNS)
        if (wide_)
            return paintRunLeftWide(line, x, target_, fill_);
#endif
        return paintRunLeft<16>(line, x, target_, fill_);
    }

    // Paints the run through the matching pixel (x, y) and returns its extent.
    std::pair<int, int> fillRow(int x, int y)
    {
        QRgb* line = row(y);
        const int l = paintLeft(line, x);
        const int r = paintRight(line, x);
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

    QRgb* bits_; // detached once, up front
    qsizetype stride_;
    int width_;
    int height_;
    QRgb target_;
    QRgb fill_;
#if defined(MOLVANE_WIDE_RUNS)
    bool wide_ = hasWideRuns();
#endif
    std::vector<Span> stack_;
    std::int64_t painted_ = 0;
};

} // namespace

NarrowFillRuns::NarrowFillRuns() { ++narrowRunsAsked; }
NarrowFillRuns::~NarrowFillRuns() { --narrowRunsAsked; }
bool NarrowFillRuns::active() { return narrowRunsAsked > 0; }

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
