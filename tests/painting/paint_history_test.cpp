#include "painting/paint_history.h"

#include "paint_strokes.h"

#include <gtest/gtest.h>

#include <vector>

using namespace molvane;
using namespace molvane::test;

namespace {

const QSize kCanvas{600, 400};

// State n: one pen stroke of width n.
FigureList state(int n)
{
    return {penStroke(n)};
}

int shown(const PaintState& s)
{
    return s.strokes.empty() ? 0 : s.strokes.front().lineWidth;
}

std::vector<int> undoAll(PaintHistory& h)
{
    std::vector<int> seen;
    PaintState s;
    while (h.undo(s))
        seen.push_back(shown(s));
    return seen;
}

} // namespace

TEST(PaintHistory, ThirtyStepsBackAndForward)
{
    PaintHistory h;
    h.reset(kCanvas);
    EXPECT_FALSE(h.canUndo());
    for (int n = 1; n <= 31; ++n)
        ASSERT_TRUE(h.take(kCanvas, state(n)));
    const std::vector<int> back = undoAll(h);
    ASSERT_EQ(back.size(), 30u) << "31 slots: the newest and 30 before it";
    EXPECT_EQ(back.front(), 30);
    EXPECT_EQ(back.back(), 1);
    PaintState s;
    int steps = 0;
    while (h.redo(s))
        ++steps;
    EXPECT_EQ(steps, 30);
    EXPECT_EQ(shown(s), 31);
}

TEST(PaintHistory, AnEditAfterUndoingKeepsTheUndoneStatesReachable)
{
    PaintHistory h;
    h.reset(kCanvas);
    for (int n : {1, 2, 3}) // A, B, C
        h.take(kCanvas, state(n));
    PaintState s;
    h.undo(s);
    h.undo(s);
    EXPECT_EQ(shown(s), 1);
    h.take(kCanvas, state(4)); // D
    const std::vector<int> back = undoAll(h);
    ASSERT_GE(back.size(), 5u);
    EXPECT_EQ(std::vector<int>(back.begin(), back.begin() + 5), (std::vector<int>{1, 2, 3, 2, 1}));
}

TEST(PaintHistory, AnIdenticalStateIsNoStep)
{
    const QImage picture = filledPicture(40, 30, qRgb(1, 2, 3));
    PaintHistory h;
    h.reset(kCanvas);
    ASSERT_TRUE(h.take(kCanvas, {pictureStroke(picture)}));
    EXPECT_FALSE(h.take(kCanvas, {pictureStroke(picture)}));
    EXPECT_FALSE(h.take(kCanvas, {pictureStroke(picture.copy())})) << "equal pixels, not shared";
    QImage changed = picture.copy();
    changed.setPixel(0, 0, qRgb(1, 2, 4));
    EXPECT_TRUE(h.take(kCanvas, {pictureStroke(changed)}));
}

TEST(PaintHistory, UnchangedPicturesAreSharedNotCopied)
{
    const QImage picture = filledPicture(200, 150, qRgb(9, 9, 9));
    PaintHistory h;
    h.reset(kCanvas);
    for (int n = 1; n <= 30; ++n)
        h.take(kCanvas, {pictureStroke(picture), penStroke(n)});
    PaintState s;
    for (int n = 0; n < 29; ++n)
        ASSERT_TRUE(h.undo(s));
    ASSERT_EQ(s.strokes.size(), 2u);
    EXPECT_EQ(s.strokes[0].picture.image().constBits(), picture.constBits());
    EXPECT_FALSE(s.strokes[0].selected);
}

TEST(PaintHistory, UndoAfterClearAllBringsBackTheOpenedPicture)
{
    const QImage base = filledPicture(300, 200, qRgb(0, 0, 255));
    for (const FigureList& drawn : {state(5), FigureList()}) {
        PaintHistory h;
        h.reset(kCanvas, base); // opened: the reset refers to the loaded picture
        h.take({300, 200}, drawn, base);
        EXPECT_TRUE(h.take({300, 200}, {}, QImage())) << "clear all is a step even without strokes";
        PaintState s;
        ASSERT_TRUE(h.undo(s));
        EXPECT_EQ(s.basePicture, base);
        EXPECT_EQ(s.strokes.size(), drawn.size());
    }
}

TEST(PaintHistory, ModifiedWhenTheBytesDifferFromTheSavedState)
{
    PaintHistory h;
    h.reset(kCanvas);
    h.recordSavedState(kCanvas, {});
    EXPECT_FALSE(h.isModified(kCanvas, {}));
    EXPECT_TRUE(h.isModified({300, 200}, {})) << "an opened picture of another size";
    EXPECT_TRUE(h.isModified(kCanvas, state(1)));
    h.recordSavedState(kCanvas, state(1));
    EXPECT_FALSE(h.isModified(kCanvas, state(1)));
}
