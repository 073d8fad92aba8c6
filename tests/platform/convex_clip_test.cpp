// Cutting shapes to a convex polygon edge by edge: what is left covers the shape's part inside the
// polygon, by the shape's own fill rule, and only convex polygons are taken as cutters.

#include "platform/convex_clip.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace molvane;

namespace {

// Pixels of a 100 x 100 picture whose centres the path covers.
int covered(const QPainterPath& path)
{
    QImage image(100, 100, QImage::Format_Grayscale8);
    image.fill(0);
    QPainter p(&image);
    p.fillPath(path, Qt::white);
    p.end();
    int n = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            n += image.scanLine(y)[x] != 0;
    return n;
}

QPainterPath polygonPath(const QPolygonF& corners)
{
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

} // namespace

TEST(ConvexClip, OnlyAConvexRunOfStraightEdgesCuts)
{
    const QPolygonF triangle{{10, 10}, {90, 10}, {10, 90}};
    ASSERT_TRUE(convexPolygonOf(polygonPath(triangle)));
    EXPECT_EQ(convexPolygonOf(polygonPath(triangle))->size(), 3);
    EXPECT_FALSE(convexPolygonOf(polygonPath({{0, 0}, {60, 0}, {60, 60}, {30, 20}, {0, 60}}))) << "concave";
    EXPECT_FALSE(convexPolygonOf(polygonPath({{0, 0}, {50, 0}, {90, 0}}))) << "flat";
    QPainterPath round;
    round.addEllipse(QRectF(10, 10, 50, 50));
    EXPECT_FALSE(convexPolygonOf(round));
}

TEST(ConvexClip, ACutKeepsExactlyThePartInsideByTheShapesFillRule)
{
    const QPolygonF triangle{{10, 10}, {90, 10}, {10, 90}};
    // A square over the triangle's corner, wound either way: half of it lies inside.
    for (const QPolygonF& square : {QPolygonF{{30, 30}, {70, 30}, {70, 70}, {30, 70}},
                                    QPolygonF{{30, 30}, {30, 70}, {70, 70}, {70, 30}}}) {
        const QPainterPath cut = cutToConvex(polygonPath(square), triangle);
        const int expected = covered(polygonPath(square).intersected(polygonPath(triangle)));
        EXPECT_NEAR(covered(cut), expected, 40);
        EXPECT_GT(expected, 600);
    }
    // Two overlapping squares, filled by winding: the overlap stays filled after the cut.
    QPainterPath twice(polygonPath({{20, 20}, {50, 20}, {50, 50}, {20, 50}}));
    twice.addPolygon(QPolygonF{{35, 35}, {65, 35}, {65, 65}, {35, 65}});
    twice.setFillRule(Qt::WindingFill);
    const QPainterPath cut = cutToConvex(twice, triangle);
    EXPECT_EQ(cut.fillRule(), Qt::WindingFill);
    EXPECT_NEAR(covered(cut), covered(twice.intersected(polygonPath(triangle))), 40);
    const QPainterPath outside = polygonPath(QPolygonF{{70, 70}, {95, 70}, {95, 95}});
    EXPECT_EQ(covered(cutToConvex(outside, triangle)), 0) << "all outside";
}
