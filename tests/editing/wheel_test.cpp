#include "editing/wheel.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

const QSize kView(300, 210);

} // namespace

TEST(Wheel, TheCentreZoomsInAwayFromTheUserAndOutTowardsThem)
{
    EXPECT_EQ(wheelEffect(kView, {150, 105}, 120), (WheelEffect{1, 0, 0}));
    EXPECT_EQ(wheelEffect(kView, {150, 105}, -120), (WheelEffect{-1, 0, 0}));
}

TEST(Wheel, TheSidesScrollTowardsTheirSide)
{
    EXPECT_EQ(wheelEffect(kView, {150, 10}, 120), (WheelEffect{0, 0, -1})) << "top third: up";
    EXPECT_EQ(wheelEffect(kView, {150, 200}, 120), (WheelEffect{0, 0, 1})) << "bottom third: down";
    EXPECT_EQ(wheelEffect(kView, {10, 105}, 120), (WheelEffect{0, -1, 0})) << "left third: left";
    EXPECT_EQ(wheelEffect(kView, {290, 105}, 120), (WheelEffect{0, 1, 0})) << "right third: right";
}

TEST(Wheel, TheSignOfTheDeltaTurnsTheScrollAround)
{
    EXPECT_EQ(wheelEffect(kView, {150, 10}, -120), (WheelEffect{0, 0, 1}));
    EXPECT_EQ(wheelEffect(kView, {10, 105}, -15), (WheelEffect{0, 1, 0}));
}

TEST(Wheel, CornersScrollDiagonally)
{
    EXPECT_EQ(wheelEffect(kView, {0, 0}, 120), (WheelEffect{0, -1, -1}));
    EXPECT_EQ(wheelEffect(kView, {299, 0}, 120), (WheelEffect{0, 1, -1}));
    EXPECT_EQ(wheelEffect(kView, {0, 209}, 120), (WheelEffect{0, -1, 1}));
    EXPECT_EQ(wheelEffect(kView, {299, 209}, -120), (WheelEffect{0, -1, -1}));
}

TEST(Wheel, TheCellsAreEqualThirds)
{
    EXPECT_EQ(wheelEffect(kView, {99, 105}, 1).dx, -1);
    EXPECT_EQ(wheelEffect(kView, {100, 105}, 1).zoomStep, 1);
    EXPECT_EQ(wheelEffect(kView, {199, 105}, 1).zoomStep, 1);
    EXPECT_EQ(wheelEffect(kView, {200, 105}, 1).dx, 1);
    EXPECT_EQ(wheelEffect(kView, {150, 69}, 1).dy, -1);
    EXPECT_EQ(wheelEffect(kView, {150, 70}, 1).zoomStep, 1);
    EXPECT_EQ(wheelEffect(kView, {150, 140}, 1).dy, 1);
}

TEST(Wheel, NoTurnOrNoViewDoesNothing)
{
    EXPECT_EQ(wheelEffect(kView, {150, 105}, 0), WheelEffect{});
    EXPECT_EQ(wheelEffect(QSize(0, 100), {0, 50}, 120), WheelEffect{});
}

TEST(Wheel, PointsOutsideTheViewCountAsTheNearestCell)
{
    EXPECT_EQ(wheelEffect(kView, {-20, 500}, 120), (WheelEffect{0, -1, 1}));
}
