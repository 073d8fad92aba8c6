#include "platform/flood_fill.h"
#include "platform/run_outline.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace molvane;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF, kInk = 0xFF000000, kFill = 0xFF0000FF, kOtherFill = 0xFF00FF00;

// The runs a fill of the area around seed paints.
std::vector<PaintedRun> fillRuns(QImage& image, QPoint seed, std::int64_t* count = nullptr,
                                 QRgb colour = kFill)
{
    PaintedArea area;
    const std::int64_t painted = floodFillSurface(image, seed, colour, &area);
    if (count)
        *count = painted;
    return area.runs;
}

// Pixels where an aliased odd-even fill of the outline and the pixels of the fill's colour disagree.
int differingPixels(const QImage& filled, const QPainterPath& outline, QRgb colour = kFill)
{
    QImage drawn(filled.size(), QImage::Format_RGB32);
    drawn.fill(kWhite);
    {
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillPath(outline, QColor::fromRgb(colour));
    }
    int differing = 0;
    for (int y = 0; y < filled.height(); ++y)
        for (int x = 0; x < filled.width(); ++x)
            differing += (filled.pixel(x, y) == colour) != (drawn.pixel(x, y) == colour);
    return differing;
}

} // namespace

// A ring with a hole, a pixel touching it only at a corner, and the image's edges: unsimplified, the
// outline fills back to exactly the pixels the fill painted, and the runs count those pixels.
TEST(RunOutline, UnsimplifiedItFillsBackToExactlyThePaintedPixels)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kWhite);
    {
        QPainter p(&image);
        p.fillRect(10, 5, 15, 15, QColor::fromRgb(kInk)); // a block ...
    }
    for (int y = 9; y < 16; ++y) // ... with a white hole in it
        for (int x = 14; x < 21; ++x)
            image.setPixel(x, y, kWhite);
    image.setPixel(25, 20, kInk); // touches the block's corner only
    std::int64_t painted = 0;
    const std::vector<PaintedRun> runs = fillRuns(image, {0, 0}, &painted);
    std::int64_t inRuns = 0;
    for (const PaintedRun& r : runs)
        inRuns += r.right - r.left + 1;
    EXPECT_EQ(inRuns, painted);
    EXPECT_EQ(painted, 40 * 30 - 15 * 15 - 1); // the hole is not reached from outside
    EXPECT_EQ(differingPixels(image, outlineOfRuns(runs)), 0);

    const QPainterPath square = outlineOfRuns(fillRuns(image, {16, 12}, nullptr, kOtherFill));
    EXPECT_EQ(differingPixels(image, square, kOtherFill), 0);
    EXPECT_EQ(square.elementCount(), 5); // four corners and the closing one
}

// Inside a circle the staircase of an aliased edge becomes a few straight segments that stay within
// the tolerance of the pixels.
TEST(RunOutline, SimplifiedARoundAreaHasFewSegmentsCloseToItsPixels)
{
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(kWhite);
    {
        QPainter p(&image);
        p.setPen(QPen(QColor::fromRgb(kInk), 4));
        p.drawEllipse(QPoint(200, 200), 150, 150);
    }
    const std::vector<PaintedRun> runs = fillRuns(image, {200, 200});
    const QPainterPath exact = outlineOfRuns(runs);
    const QPainterPath simple = outlineOfRuns(runs, 1.0, 1.5);
    EXPECT_GT(exact.elementCount(), 400);
    EXPECT_LT(simple.elementCount(), 120);
    // Only pixels the edge passes through can change sides.
    EXPECT_LT(differingPixels(image, simple), 2 * 3.1416 * 148 * 0.6);
}
