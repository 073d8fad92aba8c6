#include "platform/run_fill.h"

#include "platform/path_rows.h"
#include "support/image_test_util.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <gtest/gtest.h>
#include <random>

namespace molvane {
namespace {

using test::imagesMatch;

constexpr int kSize = 120;
constexpr QRgb kColour = 0xFF2080C0;

// Stripes of colours, so an inverted pixel always differs from its neighbours' inversions.
QImage background(QImage::Format format)
{
    QImage image(kSize, kSize, format);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, ((x + y) * 3) % 256));
    return image;
}

PixelRows rowsOf(QImage& image)
{
    return {image.bits(), image.bytesPerLine(), image.rect()};
}

// What the paint engine makes of the same fill: aliased, inverting, clipped.
QImage paintedByQt(const QImage& from, const QPainterPath& path, const QRect& clip)
{
    QImage image = from.copy();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    p.setClipRect(clip);
    p.fillPath(path, QColor::fromRgb(kColour));
    return image;
}

// A polygon going down one side and up the other: one run a row, anywhere in or around the image.
QPolygonF randomOneRunPolygon(std::mt19937& random)
{
    std::uniform_real_distribution<double> x(-15, kSize + 15), y(-15, kSize + 15);
    std::vector<double> ys;
    for (int i = 0; i < 2 + int(random() % 8); ++i)
        ys.push_back(y(random));
    std::sort(ys.begin(), ys.end());
    QPolygonF down, up;
    down.append({x(random), ys.front()});
    for (std::size_t i = 1; i + 1 < ys.size(); ++i)
        (random() % 2 ? down : up).append({x(random), ys[i]});
    down.append({x(random), ys.back()});
    std::reverse(up.begin(), up.end());
    return down + up;
}

TEST(RunFill, InvertsTheSamePixelsAsTheEngineForPolygonsOfOneRunARow)
{
    std::mt19937 random(7);
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        const QImage start = background(format);
        for (int i = 0; i < 300; ++i) {
            const QPolygonF polygon = randomOneRunPolygon(random);
            const QPoint shift = i % 2 ? QPoint(7, -3) : QPoint();
            QPainterPath path;
            path.addPolygon(polygon.translated(shift));
            ASSERT_TRUE(atMostOneRunPerRow(path));
            const QRect clip = i % 3 ? QRect(0, 0, kSize, kSize) : QRect(10, 20, 70, 60);
            QImage direct = start.copy();
            notXorRuns(rowsOf(direct), polygon, shift, kColour, clip);
            ASSERT_TRUE(imagesMatch(direct, paintedByQt(start, path, clip), 0, QString("run-fill-%1").arg(i)))
                << "polygon " << i;
        }
    }
}

TEST(RunFill, ABondsOutlineDiffersFromTheEngineAtMostAtAFewEdgePixels)
{
    // Round caps are curves, which the engine cuts into lines more coarsely.
    std::mt19937 random(11);
    std::uniform_real_distribution<double> at(5, kSize - 5);
    const QImage start = background(QImage::Format_RGB32);
    for (int i = 0; i < 60; ++i) {
        QPainterPath line(QPointF(std::round(at(random)), std::round(at(random))));
        line.lineTo(std::round(at(random)), std::round(at(random)));
        QPen pen(Qt::black, 2 + int(random() % 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        const QPainterPath outline = QPainterPathStroker(pen).createStroke(line);
        ASSERT_TRUE(atMostOneRunPerRow(outline));
        QImage direct = start.copy();
        notXorRuns(rowsOf(direct), flattenFigure(outline), {}, kColour, direct.rect());
        const QImage expected = paintedByQt(start, outline, start.rect());
        int inverted = 0, differing = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                inverted += expected.pixel(x, y) != start.pixel(x, y);
                differing += direct.pixel(x, y) != expected.pixel(x, y);
            }
        EXPECT_GT(inverted, 0);
        EXPECT_LE(differing, 4) << "line " << i << " of width " << pen.width();
    }
}

TEST(RunFill, ARoundCappedLineCoversWhatThePensStrokeCovers)
{
    // The pen's caps are curves standing for half circles, cut into lines by the engine; these are the
    // half circles themselves.
    std::mt19937 random(13);
    std::uniform_int_distribution<int> at(5, kSize - 5);
    const QImage start = background(QImage::Format_RGB32);
    for (int i = 0; i < 80; ++i) {
        const QPointF a(at(random), at(random)), b(at(random), at(random));
        if (a == b)
            continue;
        const int width = 2 + int(random() % 14);
        QPainterPath line(a);
        line.lineTo(b);
        const QPen pen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        const QPolygonF outline = roundCappedLine(a, b, width);
        QPainterPath asPath;
        asPath.addPolygon(outline);
        ASSERT_TRUE(atMostOneRunPerRow(asPath));
        QImage direct = start.copy();
        notXorRuns(rowsOf(direct), outline, {}, kColour, direct.rect());
        const QImage expected = paintedByQt(start, QPainterPathStroker(pen).createStroke(line), start.rect());
        int differing = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                differing += direct.pixel(x, y) != expected.pixel(x, y);
        EXPECT_LE(differing, 8) << "line " << i << " of width " << width
                                << ": a few pixels at each cap at most";
    }
}

TEST(RunFill, FlatteningKeepsLinesAndCutsCurvesFinely)
{
    QPainterPath path(QPointF(0, 0));
    path.lineTo(10, 0);
    path.cubicTo(QPointF(20, 0), QPointF(20, 40), QPointF(10, 40));
    path.closeSubpath();
    const QPolygonF flat = flattenFigure(path);
    EXPECT_EQ(flat.first(), QPointF(0, 0));
    EXPECT_EQ(flat[1], QPointF(10, 0));
    EXPECT_GT(flat.size(), 8) << "the curve in many steps";
    EXPECT_TRUE(flat.contains(QPointF(10, 40)));
    // Every step's midpoint lies within a tenth of a pixel of the curve (a half-circle-like bulge
    // reaching x = 17.5 at t = 0.5).
    double reach = 0;
    for (const QPointF& p : flat)
        reach = std::max(reach, p.x());
    EXPECT_NEAR(reach, 17.5, 0.1);
}

TEST(RunFill, StaysWithinTheClipTheRowsAndTheRowsGiven)
{
    // Rows given as a part of a larger image: what lies outside them is never written.
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    PixelRows part{image.scanLine(10) + 10 * 4, image.bytesPerLine(), QRect(10, 10, 20, 20)};
    const QPolygonF everywhere(
        {QPointF(-100, -100), QPointF(200, -100), QPointF(200, 200), QPointF(-100, 200)});
    notXorRuns(part, everywhere, {}, 0xFF000000, QRect(0, 0, 25, 40));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x < 25 && y >= 10 && y < 30;
            // NOT(black XOR white) is black.
            EXPECT_EQ(image.pixel(x, y), inside ? 0xFF000000u : 0xFFFFFFFFu) << x << "," << y;
        }
    // Degenerate and far-off polygons change nothing and do not fail.
    const QImage before = image.copy();
    notXorRuns(rowsOf(image), QPolygonF({QPointF(1, 1), QPointF(30, 1)}), {}, kColour, image.rect());
    notXorRuns(rowsOf(image), QPolygonF({QPointF(1e12, 1e12), QPointF(2e12, 3e12), QPointF(1e12, 4e12)}), {},
               kColour, image.rect());
    notXorRuns(rowsOf(image), QPolygonF({QPointF(5, 5), QPointF(30, 5), QPointF(5, 5.2)}), {}, kColour,
               image.rect());
    EXPECT_EQ(image, before);
}

TEST(RunFill, PathsOfOneRunARow)
{
    QPainterPath ring;
    ring.addEllipse(QRectF(0, 0, 50, 50));
    ring.addEllipse(QRectF(10, 10, 30, 30));
    EXPECT_FALSE(atMostOneRunPerRow(ring)) << "two figures";
    QPainterPath notch(QPointF(0, 0));
    notch.lineTo(50, 0);
    notch.lineTo(50, 50);
    notch.lineTo(25, 10); // up again inside: two runs on the rows below 10
    notch.lineTo(0, 50);
    notch.closeSubpath();
    EXPECT_FALSE(atMostOneRunPerRow(notch));
    QPainterPath disc;
    disc.addEllipse(QRectF(0, 0, 50, 30));
    EXPECT_TRUE(atMostOneRunPerRow(disc));
    EXPECT_TRUE(atMostOneRunPerRow(QPainterPath()));
    // Curves count by their control points, which bound them.
    QPainterPath wave(QPointF(0, 0));
    wave.cubicTo(QPointF(10, 40), QPointF(20, -40), QPointF(30, 0));
    wave.lineTo(30, 10);
    wave.lineTo(0, 10);
    wave.closeSubpath();
    EXPECT_FALSE(atMostOneRunPerRow(wave));
}

} // namespace
} // namespace molvane
