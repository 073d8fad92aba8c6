#include "platform/canvas.h"
#include "platform/flood_fill.h"

#include "support/image_test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <vector>

using namespace molvane;
using namespace molvane::test;

namespace {

// A diamond of 1-pixel diagonal lines: its pixels touch only at corners.
QImage diamondRing()
{
    QImage image = whiteImage(101, 101);
    for (int i = 0; i <= 40; ++i) {
        image.setPixel(50 + i, 10 + i, toQRgb(clBlack));
        image.setPixel(90 - i, 50 + i, toQRgb(clBlack));
        image.setPixel(50 - i, 90 - i, toQRgb(clBlack));
        image.setPixel(10 + i, 50 - i, toQRgb(clBlack));
    }
    return image;
}

} // namespace

TEST(FloodFill, StaysInsideARingOfOnePixelDiagonalLines)
{
    QImage image = diamondRing();
    const std::int64_t painted = floodFillSurface(image, {50, 50}, toQRgb(clRed));
    EXPECT_GT(painted, 0);
    EXPECT_EQ(painted, countPixels(image, clRed));
    EXPECT_EQ(pixelAt(image, 50, 50), clRed);
    EXPECT_EQ(pixelAt(image, 2, 2), clWhite);
    EXPECT_EQ(pixelAt(image, 98, 98), clWhite);
    // Every filled pixel is inside the diamond |x-50| + |y-50| < 40.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixelAt(image, x, y) == clRed) {
                ASSERT_LT(std::abs(x - 50) + std::abs(y - 50), 40) << x << "," << y;
            }
}

TEST(FloodFill, FillsOnlyTheSeedsExactColour)
{
    QImage image = whiteImage(30, 10);
    // A wall of near-white splits the canvas: the fill must not cross it.
    for (int y = 0; y < 10; ++y)
        image.setPixel(15, y, toQRgb(clUnderlayWhite));
    floodFillSurface(image, {3, 3}, toQRgb(clSilver));
    EXPECT_EQ(countPixels(image, clSilver), 15 * 10);
    EXPECT_EQ(countPixels(image, clUnderlayWhite), 10);
    EXPECT_EQ(pixelAt(image, 20, 5), clWhite);
}

TEST(FloodFill, ReachesAroundObstaclesInEveryDirection)
{
    // A spiral-like maze: the fill has to turn back up and left to reach every cell.
    QImage image = whiteImage(60, 60);
    {
        Canvas c(image);
        c.setPen({clBlack, 1, PenStyle::Solid});
        c.polyline(QPolygon({QPoint(10, 0), QPoint(10, 50), QPoint(50, 50), QPoint(50, 10), QPoint(20, 10),
                             QPoint(20, 40), QPoint(40, 40), QPoint(40, 20), QPoint(30, 20)}));
    }
    const int white = countPixels(image, clWhite);
    floodFillSurface(image, {0, 59}, toQRgb(clRed));
    EXPECT_EQ(countPixels(image, clRed), white) << "the maze is one connected area";
}

TEST(FloodFill, AWholeLargeCanvasNeedsNoRecursion)
{
    QImage image = whiteImage(2000, 1500);
    // Vertical stripes with gaps make a long serpentine path: the worst case for a recursive fill.
    for (int x = 2; x < 2000; x += 2)
        for (int y = 0; y < 1500; ++y)
            if ((x / 2) % 2 ? y != 0 : y != 1499)
                image.setPixel(x, y, toQRgb(clBlack));
    const int white = countPixels(image, clWhite);
    EXPECT_EQ(floodFillSurface(image, {0, 0}, toQRgb(clRed)), white);
    EXPECT_EQ(countPixels(image, clWhite), 0);
}

TEST(FloodFill, ASeedOutsideOrAlreadyInTheFillColourChangesNothing)
{
    QImage image = whiteImage(10, 10);
    const QImage before = image;
    EXPECT_EQ(floodFillSurface(image, {-1, 0}, toQRgb(clRed)), 0);
    EXPECT_EQ(floodFillSurface(image, {0, 10}, toQRgb(clRed)), 0);
    EXPECT_EQ(floodFillSurface(image, {5, 5}, toQRgb(clWhite)), 0);
    EXPECT_EQ(image, before);
}

TEST(FloodFill, TheCanvasFillsTheAreaUnderTheSeed)
{
    QImage image = whiteImage(50, 50);
    Canvas c(image);
    c.setPen({clBlack, 1, PenStyle::Solid});
    c.rectangle({10, 10}, {40, 40});
    c.floodFill({25, 25}, clSilver);
    EXPECT_EQ(c.pixel({25, 25}), clSilver);
    EXPECT_EQ(c.pixel({5, 5}), clWhite);
    EXPECT_EQ(countPixels(image, clSilver), 29 * 29);
    // Drawing goes on after the fill.
    c.line({0, 0}, {5, 0});
    c.flush();
    EXPECT_EQ(pixelAt(image, 3, 0), clBlack);
}

namespace {

// The area a fill must paint, found the slow way: every 4-connected pixel of the seed's colour.
std::vector<bool> reachable(const QImage& image, QPoint seed)
{
    const int w = image.width();
    std::vector<bool> seen(std::size_t(w * image.height()), false);
    const QRgb colour = image.pixel(seed) & 0xFFFFFF;
    std::vector<QPoint> todo{seed};
    seen[std::size_t(seed.y() * w + seed.x())] = true;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (!image.rect().contains(q) || (image.pixel(q) & 0xFFFFFF) != colour || seen[std::size_t(q.y() * w + q.x())])
                continue;
            seen[std::size_t(q.y() * w + q.x())] = true;
            todo.push_back(q);
        }
    }
    return seen;
}

} // namespace

// Obstacles scattered over rows of many widths: the fill paints exactly the pixels a breadth-first walk
// reaches. Every other round has few obstacles, so that long runs meet them too.
TEST(FloodFill, PaintsExactlyTheReachablePixelsAroundScatteredObstacles)
{
    std::mt19937 dice(7);
    for (int width : {1, 3, 16, 17, 37, 70, 101, 259}) {
        for (int round = 0; round < 8; ++round) {
            QImage image = whiteImage(width, 9);
            const int obstacles = width * 9 / (round % 2 ? 60 : 6);
            for (int n = 0; n < obstacles; ++n)
                image.setPixel(int(dice() % unsigned(width)), int(dice() % 9u), toQRgb(clBlack));
            const QPoint seed(int(dice() % unsigned(width)), int(dice() % 9u));
            image.setPixel(seed, toQRgb(clWhite));
            const std::vector<bool> expected = reachable(image, seed);
            const std::int64_t painted = floodFillSurface(image, seed, toQRgb(clRed));
            EXPECT_EQ(painted, std::count(expected.begin(), expected.end(), true)) << width << "/" << round;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < width; ++x)
                    ASSERT_EQ(pixelAt(image, x, y) == clRed, bool(expected[std::size_t(y * width + x)]))
                        << "width " << width << " round " << round << " at " << x << "," << y;
        }
    }
}
