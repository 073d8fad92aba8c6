#include "document/undo_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace molvane;

namespace {

QByteArray state(int n)
{
    return "S" + QByteArray::number(n);
}

// Starts from S0 and pushes S1 .. Sn.
UndoHistory historyWithStates(int n)
{
    UndoHistory h;
    h.reset(state(0));
    for (int k = 1; k <= n; ++k)
        EXPECT_TRUE(h.push(state(k)));
    return h;
}

// Undoes until it is no longer possible, listing the states shown.
std::vector<std::string> undoAll(UndoHistory& h)
{
    std::vector<std::string> shown;
    while (const QByteArray* s = h.undo())
        shown.push_back(s->toStdString());
    return shown;
}

std::vector<std::string> redoAll(UndoHistory& h)
{
    std::vector<std::string> shown;
    while (const QByteArray* s = h.redo())
        shown.push_back(s->toStdString());
    return shown;
}

// The same append rule with every counter kept, no ring.
struct UnboundedHistory {
    std::vector<QByteArray> states;
    int current = 0;

    void push(const QByteArray& s)
    {
        if (states[current] == s)
            return;
        const int n = int(states.size()) - 1;
        for (int i = 1; i <= n - current; ++i)
            states.push_back(states[n - i]);
        states.push_back(s);
        current = int(states.size()) - 1;
    }
};

} // namespace

TEST(UndoHistory, AfterResetNothingCanBeUndoneOrRedone)
{
    UndoHistory h;
    h.reset(state(0));
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.canRedo());
    EXPECT_EQ(h.undo(), nullptr);
    EXPECT_EQ(h.redo(), nullptr);
    EXPECT_EQ(h.currentSnapshot(), state(0));
}

TEST(UndoHistory, ResetForgetsEarlierStates)
{
    UndoHistory h = historyWithStates(3);
    h.undo();
    h.reset(state(9));
    EXPECT_EQ(h.current(), 0);
    EXPECT_EQ(h.newest(), 0);
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.canRedo());
    EXPECT_EQ(h.currentSnapshot(), state(9));
}

TEST(UndoHistory, PushingUnchangedBytesStoresNoState)
{
    UndoHistory h;
    h.reset(state(0));
    EXPECT_FALSE(h.push(state(0)));
    EXPECT_TRUE(h.push(state(1)));
    EXPECT_FALSE(h.push(state(1)));
    EXPECT_EQ(h.newest(), 1);
    EXPECT_EQ(undoAll(h), std::vector<std::string>{"S0"});
}

TEST(UndoHistory, BytesThatDifferOnlyInLengthAreANewState)
{
    UndoHistory h;
    h.reset(QByteArray("ab"));
    EXPECT_TRUE(h.push(QByteArray("ab\0", 3)));
    EXPECT_EQ(h.newest(), 1);
}

TEST(UndoHistory, EditAfterUndoAppendsUndoneStatesInReverse)
{
    UndoHistory h = historyWithStates(3);
    h.undo();
    EXPECT_EQ(*h.undo(), state(1));
    EXPECT_EQ(h.current(), 1);

    EXPECT_TRUE(h.push(state(4)));
    EXPECT_EQ(h.current(), 6);
    EXPECT_EQ(h.newest(), 6);
    EXPECT_EQ(h.oldest(), 0);
    EXPECT_FALSE(h.canRedo());

    const std::vector<std::string> down{"S1", "S2", "S3", "S2", "S1", "S0"};
    EXPECT_EQ(undoAll(h), down);
    EXPECT_FALSE(h.canUndo());
    const std::vector<std::string> up{"S1", "S2", "S3", "S2", "S1", "S4"};
    EXPECT_EQ(redoAll(h), up);
    EXPECT_FALSE(h.canRedo());
}

TEST(UndoHistory, OnlyTheNewestTwentyOneStatesStayReachable)
{
    UndoHistory h = historyWithStates(25);
    EXPECT_EQ(h.newest(), 25);
    EXPECT_EQ(h.oldest(), 25 - 20);

    std::vector<std::string> expected;
    for (int k = 24; k >= 25 - 20; --k)
        expected.push_back(state(k).toStdString());
    EXPECT_EQ(undoAll(h), expected);
    EXPECT_EQ(h.currentSnapshot(), state(5));
    EXPECT_EQ(h.current(), h.oldest());
    EXPECT_FALSE(h.canUndo());
}

TEST(UndoHistory, RedoAfterUndoReturnsToTheSameStates)
{
    UndoHistory h = historyWithStates(25);
    std::vector<std::string> before;
    for (int k = 5; k <= 25; ++k)
        before.push_back(state(k).toStdString());

    const std::vector<std::string> down = undoAll(h);
    ASSERT_EQ(down.size(), 20u);
    std::vector<std::string> after{h.currentSnapshot().toStdString()};
    for (const std::string& s : redoAll(h))
        after.push_back(s);
    EXPECT_EQ(after, before);
    EXPECT_EQ(h.current(), 25);
}

TEST(UndoHistory, PushingTheShownStateAfterUndoAppendsNothing)
{
    UndoHistory h = historyWithStates(3);
    h.undo();
    EXPECT_FALSE(h.push(state(2)));
    EXPECT_EQ(h.current(), 2);
    EXPECT_EQ(h.newest(), 3);
    ASSERT_TRUE(h.canRedo());
    EXPECT_EQ(*h.redo(), state(3));
}

TEST(UndoHistory, EditAfterManyUndosKeepsTheNewestStatesOfTheWholeHistory)
{
    // More than ten undone states: the copied run overlaps the slots it is written to.
    for (const int undos : {11, 15, 20}) {
        SCOPED_TRACE(undos);
        UndoHistory h = historyWithStates(25);
        UnboundedHistory model;
        for (int k = 0; k <= 25; ++k)
            model.states.push_back(state(k));
        model.current = 25;
        for (int i = 0; i < undos; ++i) {
            ASSERT_NE(h.undo(), nullptr);
            --model.current;
        }
        EXPECT_TRUE(h.push("E"));
        model.push("E");

        const int newest = int(model.states.size()) - 1;
        EXPECT_EQ(h.newest(), newest);
        EXPECT_EQ(h.oldest(), newest - 20);
        std::vector<std::string> expected;
        for (int k = newest - 1; k >= newest - 20; --k)
            expected.push_back(model.states[k].toStdString());
        EXPECT_EQ(undoAll(h), expected);
    }
}
