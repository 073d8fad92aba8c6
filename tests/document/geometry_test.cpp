#include "document/geometry.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(Geometry, TheThreeRoundingsDifferOnTiesAndFractions)
{
    EXPECT_EQ(roundEven(2.5), 2);
    EXPECT_EQ(roundEven(3.5), 4);
    EXPECT_EQ(roundEven(-2.5), -2);
    EXPECT_EQ(roundEven(2.6), 3);
    EXPECT_EQ(roundHalfAway(2.5), 3);
    EXPECT_EQ(roundHalfAway(-2.5), -3);
    EXPECT_EQ(roundHalfAway(2.49), 2);
    EXPECT_EQ(roundGenerous(2.1), 3);
    EXPECT_EQ(roundGenerous(2.09), 2);
    EXPECT_EQ(roundGenerous(-2.1), -3);
    EXPECT_EQ(roundGenerous(4.0), 4);
}

TEST(Geometry, ScreenAndModelConversionsRoundTiesToEven)
{
    EXPECT_EQ(toScreen(10, 125), 12);   // 12.5 -> 12
    EXPECT_EQ(toScreen(14, 125), 18);   // 17.5 -> 18
    EXPECT_EQ(toScreen(3, 50), 2);      // 1.5 -> 2
    EXPECT_EQ(toScreen(5, 50), 2);      // 2.5 -> 2
    EXPECT_EQ(toModel(5, 200), 2);      // 2.5 -> 2
    EXPECT_EQ(toModel(7, 200), 4);      // 3.5 -> 4
    EXPECT_EQ(toModel(QPoint(300, -25), 25), QPoint(1200, -100));
    EXPECT_EQ(toScreen(QPoint(1500, 1000), 500), QPoint(7500, 5000));
}

TEST(Geometry, DirectionsAreCounterClockwiseWithYDown)
{
    const QPoint o(10, 10);
    EXPECT_DOUBLE_EQ(dir(o, QPoint(20, 10)), 0);
    EXPECT_DOUBLE_EQ(dir(o, QPoint(10, 0)), 90);   // straight up on screen
    EXPECT_DOUBLE_EQ(dir(o, QPoint(0, 10)), 180);
    EXPECT_DOUBLE_EQ(dir(o, QPoint(10, 20)), -90); // down
    EXPECT_DOUBLE_EQ(dir(o, QPoint(20, 0)), 45);
}

TEST(Geometry, PolarGoesUpForPositiveAnglesAndRoundsTiesToEven)
{
    EXPECT_EQ(polar(10, 0), QPoint(10, 0));
    EXPECT_EQ(polar(10, 90), QPoint(0, -10));
    EXPECT_EQ(polar(10, 180), QPoint(-10, 0));
    EXPECT_EQ(polar(10, -90), QPoint(0, 10));
    EXPECT_EQ(polar(0.5, 0), QPoint(0, 0));
    EXPECT_EQ(polar(1.5, 0), QPoint(2, 0));
    EXPECT_EQ(polar(-10, 0), QPoint(-10, 0));
    EXPECT_DOUBLE_EQ(distance(QPoint(0, 0), QPoint(3, 4)), 5);
}
