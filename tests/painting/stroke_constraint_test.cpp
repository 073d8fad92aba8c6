#include "painting/stroke_constraint.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(StrokeConstraint, ALineGoesHorizontalOrVerticalAndAShapeBecomesASquareOnTheMousesSide)
{
    EXPECT_EQ(constrainLine({10, 10}, {50, 20}), QPoint(50, 10));
    EXPECT_EQ(constrainLine({10, 10}, {15, 40}), QPoint(10, 40));
    EXPECT_EQ(constrainLine({10, 10}, {40, 40}), QPoint(10, 40)) << "exactly diagonal goes vertical";
    EXPECT_EQ(constrainSquare({100, 100}, {130, 90}), QPoint(130, 70)) << "the larger side, upward";
    EXPECT_EQ(constrainSquare({100, 100}, {95, 140}), QPoint(60, 140)) << "leftward";
}

TEST(StrokeConstraint, TheAxisLockDecidesOnceAndShiftStartsTheDecisionOverFromWhereThePointerIs)
{
    AxisLock lock;
    lock.reset({100, 100});
    EXPECT_EQ(lock.apply({103, 103}), QPoint(103, 103)) << "a diagonal decides nothing";
    EXPECT_EQ(lock.axis(), AxisLock::Axis::Undecided);
    EXPECT_EQ(lock.apply({110, 104}), QPoint(110, 100)) << "more across: locked horizontally";
    EXPECT_EQ(lock.apply({111, 190}), QPoint(111, 100)) << "the decision holds";

    lock.restartAt({140, 170});
    EXPECT_EQ(lock.axis(), AxisLock::Axis::Undecided);
    EXPECT_EQ(lock.apply({141, 180}), QPoint(140, 180)) << "from (140, 100): now vertical";
    lock.reset({0, 0});
    EXPECT_EQ(lock.apply({-2, -9}), QPoint(0, -9));
}
