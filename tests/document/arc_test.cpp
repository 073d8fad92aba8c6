#include "document/arc.h"

#include "document/geometry.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(Arc, NoBendIsTheStraightLineWithTheReferenceAtTheStart)
{
    const Arc arc = computeArc({0, 0}, {100, 0}, 0);
    EXPECT_TRUE(arc.straight);
    EXPECT_DOUBLE_EQ(arc.radius, 100);
    EXPECT_EQ(arc.c2, QPoint(0, 0));
    EXPECT_EQ(arc.reference, QPoint(0, 0));
}

TEST(Arc, AQuarterBendHasItsCentreOnTheBisectorAndControlsOnTheCircle)
{
    const QPoint p(0, 0), e(100, 0);
    const Arc arc = computeArc(p, e, 90);
    EXPECT_FALSE(arc.straight);
    // h = 45: r = 100 / (2 cos 45) = 70.71; the centre lies below the chord's middle (theta = -45).
    EXPECT_NEAR(arc.radius, 70.71, 0.01);
    const QPoint c = p + polar(arc.radius, -45);
    EXPECT_EQ(c, QPoint(50, 50));
    EXPECT_NEAR(distance(c, arc.c1), arc.radius, 1.0);
    EXPECT_NEAR(distance(c, arc.c2), arc.radius, 1.0);
    // A positive bend bows the curve upwards (to the left of P -> E).
    EXPECT_LT(arc.c1.y(), 0);
    EXPECT_LT(arc.c2.y(), 0);
    // A negative bend mirrors it.
    const Arc down = computeArc(p, e, -90);
    EXPECT_GT(down.c1.y(), 0);
    EXPECT_EQ(down.c1.x(), arc.c1.x());
}

TEST(Arc, AFullTurnIsDrawnAsOneDegreeMore)
{
    const Arc full = computeArc({0, 0}, {100, 20}, 360);
    const Arc more = computeArc({0, 0}, {100, 20}, 361);
    EXPECT_EQ(full.c1, more.c1);
    EXPECT_EQ(full.c2, more.c2);
    EXPECT_EQ(full.reference, more.reference);
    EXPECT_DOUBLE_EQ(full.radius, more.radius);
}

TEST(Arc, BendsBeyondAFullTurnPutTheControlsAtOnePointSixRadii)
{
    for (int bend : {370, 450, 500, -370, -500}) {
        const QPoint p(0, 0), e(60, 0);
        const Arc arc = computeArc(p, e, bend);
        const double h = bend <= 0 ? (bend + 180) / 2.0 : (180 - bend) / 2.0;
        const double theta = dir(p, e) + (bend <= 0 ? h : -h);
        const QPoint c = p + polar(arc.radius, theta);
        EXPECT_NEAR(distance(c, arc.c1), 1.6 * std::abs(arc.radius), 1.5) << bend;
        EXPECT_NEAR(distance(c, arc.c2), 1.6 * std::abs(arc.radius), 1.5) << bend;
        // The reference point lies ahead of E along the loop's tangent: R = E + v.
        const QPoint v = polar(arc.radius, dir(arc.c2, e));
        EXPECT_EQ(arc.reference, e + v) << bend;
    }
}
