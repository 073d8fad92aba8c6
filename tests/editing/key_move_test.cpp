#include "editing/key_move.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

QPoint ticks(KeyMover& m, int n)
{
    QPoint sum;
    for (int i = 0; i < n; ++i)
        sum += m.tick();
    return sum;
}

} // namespace

// --- Held keys ---

TEST(KeyMove, TenTicksOfRightWithOnePixelStepsMoveTenPixels)
{
    KeyMover m(true, 6);
    EXPECT_TRUE(m.keyDown(Qt::Key_Right));
    EXPECT_EQ(ticks(m, 10), QPoint(10, 0));
    EXPECT_TRUE(m.keyUp(Qt::Key_Right));
    EXPECT_EQ(m.tick(), QPoint(0, 0)) << "nothing after the release";
    EXPECT_EQ(m.travelled(), QPoint(10, 0));
}

TEST(KeyMove, SpaceSwitchesToThePrecisionStepAndBack)
{
    KeyMover m(true, 1);
    m.setStep(6);
    m.keyDown(Qt::Key_Left);
    EXPECT_EQ(m.tick(), QPoint(-1, 0));
    EXPECT_TRUE(m.keyDown(Qt::Key_Space));
    EXPECT_TRUE(m.keyUp(Qt::Key_Space));
    EXPECT_FALSE(m.oneDot());
    EXPECT_EQ(m.tick(), QPoint(-6, 0));
    EXPECT_EQ(m.tick(), QPoint(-6, 0));
    m.keyDown(Qt::Key_Space);
    EXPECT_TRUE(m.oneDot());
    EXPECT_EQ(m.tick(), QPoint(-1, 0));
}

TEST(KeyMove, APrecisionStepBelowOneMovesOnePixel)
{
    KeyMover m(false, 0);
    m.keyDown(Qt::Key_Down);
    EXPECT_EQ(m.tick(), QPoint(0, 1));
    m.setStep(-4);
    EXPECT_EQ(m.step(), 1);
}

TEST(KeyMove, LettersMoveLikeTheArrows)
{
    const std::pair<int, QPoint> keys[] = {
        {Qt::Key_A, {-1, 0}},  {Qt::Key_D, {1, 0}},    {Qt::Key_W, {0, -1}},    {Qt::Key_S, {0, 1}},
        {Qt::Key_Z, {0, 1}},   {Qt::Key_X, {0, 1}},    {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}},
        {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}},
    };
    for (const auto& [key, offset] : keys) {
        KeyMover m;
        EXPECT_TRUE(m.keyDown(key)) << key;
        EXPECT_EQ(m.tick(), offset) << key;
    }
}

TEST(KeyMove, OtherKeysAreNotTheMoversAndMoveNothing)
{
    KeyMover m;
    EXPECT_FALSE(m.keyDown(Qt::Key_Q));
    EXPECT_FALSE(m.keyUp(Qt::Key_Q));
    EXPECT_FALSE(m.active());
    EXPECT_EQ(m.tick(), QPoint(0, 0));
}

TEST(KeyMove, TwoAxesHeldMoveDiagonally)
{
    KeyMover m;
    m.keyDown(Qt::Key_Up);
    m.keyDown(Qt::Key_D);
    EXPECT_EQ(ticks(m, 3), QPoint(3, -3));
    EXPECT_TRUE(m.held().has(KeyDirection::Up));
    EXPECT_TRUE(m.held().has(KeyDirection::Right));
    EXPECT_FALSE(m.held().has(KeyDirection::Left));
}

// --- Opposite directions ---

TEST(KeyMove, TheDirectionPressedLastWins)
{
    KeyMover m;
    m.keyDown(Qt::Key_Right);
    EXPECT_EQ(m.tick(), QPoint(1, 0));
    m.keyDown(Qt::Key_Left);
    EXPECT_EQ(ticks(m, 2), QPoint(-2, 0));
    m.keyUp(Qt::Key_Left);
    EXPECT_EQ(m.tick(), QPoint(1, 0)) << "the key still held takes over";
    m.keyDown(Qt::Key_W);
    m.keyDown(Qt::Key_S);
    EXPECT_EQ(m.tick(), QPoint(1, 1));
}

TEST(KeyMove, TwoKeysOfOneDirectionHoldItUntilBothAreUp)
{
    KeyMover m;
    m.keyDown(Qt::Key_Down);
    m.keyDown(Qt::Key_S);
    m.keyUp(Qt::Key_Down);
    EXPECT_EQ(m.tick(), QPoint(0, 1));
    EXPECT_TRUE(m.active());
    m.keyUp(Qt::Key_S);
    EXPECT_FALSE(m.active());
}

// --- Taps ---

TEST(KeyMove, ATapMovesExactlyOneStepAtTheNextTick)
{
    KeyMover m(false, 5);
    m.keyDown(Qt::Key_Up);
    m.keyUp(Qt::Key_Up);
    EXPECT_TRUE(m.active()) << "the tap is still to move";
    EXPECT_EQ(m.tick(), QPoint(0, -5));
    EXPECT_FALSE(m.active());
    EXPECT_EQ(m.tick(), QPoint(0, 0));
}

TEST(KeyMove, ATapNeverMovesByStaleValues)
{
    KeyMover m;
    m.keyDown(Qt::Key_Left);
    ticks(m, 3);
    m.keyUp(Qt::Key_Left);
    m.keyDown(Qt::Key_Up);
    m.keyUp(Qt::Key_Up);
    EXPECT_EQ(m.tick(), QPoint(0, -1)) << "no step left from the earlier key";
    EXPECT_EQ(m.travelled(), QPoint(0, -1)) << "a new move starts from nothing";
}

TEST(KeyMove, ATapAgainstAHeldKeyStillMovesItsStep)
{
    KeyMover m;
    m.keyDown(Qt::Key_Right);
    EXPECT_EQ(m.tick(), QPoint(1, 0));
    m.keyDown(Qt::Key_Left);
    m.keyUp(Qt::Key_Left);
    EXPECT_EQ(m.tick(), QPoint(-1, 0));
    EXPECT_EQ(m.tick(), QPoint(1, 0));
}

TEST(KeyMove, AHeldKeyPressedAgainAddsNoStep)
{
    KeyMover m;
    m.keyDown(Qt::Key_Right);
    m.keyDown(Qt::Key_Left);
    EXPECT_EQ(m.tick(), QPoint(-1, 0));
    m.keyDown(Qt::Key_Right); // a repeat of a key still down is not a new press
    EXPECT_EQ(m.tick(), QPoint(-1, 0));
}

// --- The end of a move ---

TEST(KeyMove, CtrlHeldAtTheLastReleaseAsksForADuplicate)
{
    KeyMover m;
    m.keyDown(Qt::Key_Right);
    m.keyDown(Qt::Key_Down);
    m.keyUp(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_FALSE(m.duplicateOnRelease()) << "not the last key";
    m.keyUp(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_TRUE(m.duplicateOnRelease());
    EXPECT_EQ(m.tick(), QPoint(1, 1)) << "the taps still move before the caller duplicates";
    EXPECT_TRUE(m.duplicateOnRelease());
    m.keyDown(Qt::Key_Left);
    EXPECT_FALSE(m.duplicateOnRelease()) << "a new move";
    m.keyUp(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_FALSE(m.duplicateOnRelease());
    m.keyDown(Qt::Key_Up);
    m.keyUp(Qt::Key_Up, Qt::ControlModifier);
    m.keyDown(Qt::Key_Right);
    EXPECT_FALSE(m.duplicateOnRelease()) << "a key went down again: that release was not the last";
}

TEST(KeyMove, ResetForgetsKeysAndTaps)
{
    KeyMover m;
    m.keyDown(Qt::Key_Right);
    m.keyDown(Qt::Key_Up);
    m.keyUp(Qt::Key_Up);
    m.reset();
    EXPECT_FALSE(m.active());
    EXPECT_EQ(m.tick(), QPoint(0, 0));
    EXPECT_TRUE(m.held().empty());
}
