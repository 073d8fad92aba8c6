// The drawing rendered at a scale: at 1 the drawing bitmap itself; at 4 every canvas pixel a 4 x 4
// block, a bond's width multiplied, and a fill made at that resolution still stopping at its outline.

#include "document/drawing_bitmap.h"
#include "support/figure_builders.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

// A bond of width 3, a stadium-shaped outline and a red fill inside it.
FigureList sampleFigures()
{
    FigureList list{twoPointFigure(fkSingle, {20, 30}, {120, 30}, 3),
                    twoPointFigure(fkCircle, {100, 100}, {200, 100}, 1, 4),
                    twoPointFigure(fkNuri, {150, 100}, {150, 100})};
    list.back().fillColor = 0x0000FF; // red
    return list;
}

int count(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

} // namespace

TEST(ScaledBitmap, AtScaleOneItIsTheDrawingBitmap)
{
    QImage bitmap(300, 200, QImage::Format_RGB32);
    rebuildDrawingBitmap(bitmap, sampleFigures(), {}, {});
    EXPECT_TRUE(scaledDrawingBitmap({300, 200}, sampleFigures(), {}, {}, 1) == bitmap);
}

TEST(ScaledBitmap, AtScaleFourABondIsFourTimesAsWideAndAFillStopsAtItsOutline)
{
    QImage plain(300, 200, QImage::Format_RGB32);
    rebuildDrawingBitmap(plain, sampleFigures(), {}, {});
    const QImage big = scaledDrawingBitmap({300, 200}, sampleFigures(), {}, {}, 4);
    ASSERT_EQ(big.size(), QSize(1200, 800));

    // Down the middle of the bond: 3 rows at 100 %, 12 at 400 %, both around the bond's own line
    // (which the three rows hold whole, and the twelve exactly).
    std::vector<int> rows, bigRows;
    for (int y = 0; y < 200; ++y)
        if ((plain.pixel(70, y) & 0xFFFFFF) != 0xFFFFFF)
            rows.push_back(y);
    for (int y = 0; y < 800; ++y)
        if ((big.pixel(281, y) & 0xFFFFFF) != 0xFFFFFF)
            bigRows.push_back(y);
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_EQ(bigRows.size(), 12u);
    const int line = sampleFigures()[0].ends[kMainStart].y();
    EXPECT_TRUE(rows.front() < line && rows.back() >= line);
    EXPECT_EQ(bigRows.front(), line * 4 - 6);
    EXPECT_EQ(bigRows.back(), line * 4 + 5);

    // The fill covers sixteen times the pixels, within the outline's own rounding, and nothing outside.
    const QRgb red = qRgb(255, 0, 0);
    const int filled = count(plain, red), bigFilled = count(big, red);
    ASSERT_GT(filled, 1000);
    EXPECT_NEAR(bigFilled, 16 * filled, 16 * filled / 20);
    EXPECT_EQ(big.pixel(150 * 4 + 2, 100 * 4 + 2) & 0xFFFFFF, red & 0xFFFFFF);
    EXPECT_EQ(big.pixel(150 * 4, 60 * 4) & 0xFFFFFF, 0xFFFFFFu) << "the fill did not leak out";
}

// A wedge is clipped to its triangle: at 4 times along the triangle's own sides, not along the blocks of
// the pixels that clip it at 100 % (where every edge would start on a multiple of 4).
TEST(ScaledBitmap, AtScaleFourAWedgeIsClippedAlongItsTriangle)
{
    const FigureList wedge{twoPointFigure(fkStereo, {20, 80}, {140, 20}, 1, 8)};
    const QImage big = scaledDrawingBitmap({160, 100}, wedge, {}, {}, 4);
    int rows = 0, offBlock = 0;
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x)
            if ((big.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                ++rows;
                offBlock += x % 4 != 0;
                break;
            }
    ASSERT_GT(rows, 200);
    EXPECT_GT(offBlock, rows / 2);
}
