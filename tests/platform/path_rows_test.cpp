#include "platform/path_rows.h"

#include "support/image_test_util.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <gtest/gtest.h>
#include <random>

namespace molvane {
namespace {

using test::imagesMatch;
using test::whiteImage;

constexpr int kSize = 160;

// The path filled aliased in black on white, clipped to the rows top..bottom.
QImage filledRows(const QPainterPath& path, int top, int bottom)
{
    QImage image = whiteImage(kSize, kSize);
    QPainter p(&image);
    p.setClipRect(QRect(0, top, kSize, bottom - top + 1));
    p.fillPath(path, Qt::black);
    return image;
}

// Every band of `rows` rows, filled from the part near it, against the whole path filled there.
void expectSameRowsInEveryBand(const QPainterPath& path, int rows, const QString& what)
{
    for (int top = 0; top < kSize; top += rows) {
        const int bottom = top + rows - 1;
        const QImage whole = filledRows(path, top, bottom);
        const QImage near = filledRows(pathNearRows(path, top, bottom), top, bottom);
        ASSERT_TRUE(imagesMatch(near, whole, 0, QString("%1-rows-%2").arg(what).arg(top))) << what.toStdString()
                                                                                            << " rows " << top;
    }
}

QPointF randomPoint(std::mt19937& random)
{
    std::uniform_real_distribution<double> at(-20, kSize + 20);
    return {at(random), at(random)};
}

// Subpaths of lines and curves going anywhere, closed or not, with both fill rules.
QPainterPath randomPath(std::mt19937& random)
{
    QPainterPath path;
    path.setFillRule(random() % 2 ? Qt::WindingFill : Qt::OddEvenFill);
    const int subpaths = 1 + int(random() % 3);
    for (int s = 0; s < subpaths; ++s) {
        path.moveTo(randomPoint(random));
        const int elements = 2 + int(random() % 8);
        for (int e = 0; e < elements; ++e) {
            if (random() % 3 == 0)
                path.cubicTo(randomPoint(random), randomPoint(random), randomPoint(random));
            else
                path.lineTo(randomPoint(random));
        }
        if (random() % 2)
            path.closeSubpath();
    }
    return path;
}

TEST(PathNearRows, FillsTheSamePixelsOfItsRowsAsTheWholePath)
{
    std::mt19937 random(20261209);
    for (int i = 0; i < 60; ++i) {
        const QPainterPath path = randomPath(random);
        expectSameRowsInEveryBand(path, 1 + int(random() % 24), QString("random-%1").arg(i));
    }
    // A wide dashed zigzag's outline: many pieces, each crossing bands over and over.
    QPainterPath zigzag(QPointF(5, 5));
    for (int k = 1; k < 8; ++k)
        zigzag.lineTo(QPointF(20 * k, k % 2 ? 150 : 8));
    QPen pen(Qt::black, 7, Qt::DashDotLine, Qt::RoundCap, Qt::RoundJoin);
    expectSameRowsInEveryBand(QPainterPathStroker(pen).createStroke(zigzag), 9, "zigzag");
    // Fractional coordinates right at the band edges.
    QPainterPath edges(QPointF(10, 9.5));
    edges.lineTo(QPointF(150, 9.4999));
    edges.lineTo(QPointF(80, 20.5));
    edges.lineTo(QPointF(20, 10.01));
    edges.closeSubpath();
    expectSameRowsInEveryBand(edges, 10, "edges");
}

int curvesIn(const QPainterPath& path)
{
    int curves = 0;
    for (int i = 0; i < path.elementCount(); ++i)
        curves += path.elementAt(i).isCurveTo() ? 1 : 0;
    return curves;
}

TEST(PathNearRows, LeavesOutTheCurvesFarFromItsRows)
{
    // A wavy line down the whole height, one curve every 10 rows, stroked wide.
    QPainterPath wave(QPointF(80, 0));
    for (int y = 10; y <= kSize; y += 10)
        wave.cubicTo(QPointF(110, y - 7), QPointF(50, y - 3), QPointF(80, y));
    const QPainterPath outline = QPainterPathStroker(QPen(Qt::black, 9)).createStroke(wave);
    const int all = curvesIn(outline);
    ASSERT_GE(all, 2 * kSize / 10);
    const QPainterPath band = pathNearRows(outline, 80, 84);
    // Only the pieces of the two waves through those rows (and the margin), on both sides of the
    // outline: a small share of the hundreds of the whole outline.
    EXPECT_LE(curvesIn(band), all / 8) << "of " << all;
    EXPECT_LT(band.elementCount(), outline.elementCount() / 4);
    EXPECT_EQ(band.fillRule(), outline.fillRule());
    // Rows nowhere near the path leave nothing that could fill a pixel there.
    QPainterPath low;
    low.addEllipse(QRectF(20, 100, 100, 50));
    EXPECT_EQ(curvesIn(pathNearRows(low, 0, 40)), 0);
    EXPECT_TRUE(imagesMatch(filledRows(pathNearRows(low, 0, 40), 0, 40), whiteImage(kSize, kSize), 0, "none"));
    EXPECT_TRUE(pathNearRows(QPainterPath(), 0, 10).isEmpty());
}

} // namespace
} // namespace molvane
