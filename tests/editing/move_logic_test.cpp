#include "editing/move_logic.h"

#include "document/drawing_bitmap.h"
#include "document/figure_commit.h"
#include "document/geometry.h"

#include "support/figure_builders.h"
#include "support/image_test_util.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

constexpr TColor kYellow = makeTColor(255, 200, 0);

TFigure fillAt(QPoint p, TColor colour = kYellow)
{
    TFigure f;
    f.kind = fkNuri;
    f.fillColor = colour;
    f.ends[kMainStart] = f.ends[kMainEnd] = p;
    f.freeEnds = f.ends;
    return f;
}

// A drawing committed figure by figure as the editor does, so fills know their real surroundings.
class Sheet {
public:
    int add(TFigure f) { return commitFinishedFigure(list, bitmap, std::move(f), recorded, {}); }

    // Six bonds of a hexagon of radius 60 around centre, then the fill inside it; returns the fill.
    int addFilledRing(QPoint centre, TColor colour = kYellow)
    {
        for (int i = 0; i < 6; ++i)
            add(bond(centre + polar(60, 60.0 * i), centre + polar(60, 60.0 * (i + 1))));
        return add(fillAt(centre, colour));
    }

    void rebuild() { recorded.update(rebuildDrawingBitmap(bitmap, list, QImage(), {})); }
    void select(std::initializer_list<int> indices)
    {
        for (int i : indices)
            list[std::size_t(i)].selected = true;
    }

    FigureList list;
    QImage bitmap = whiteImage(500, 300);
    RenderRecord recorded;
};

} // namespace

// --- Fills follow their rings ---

TEST(MoveFills, MovingAWholeRingTakesItsFillAlong)
{
    Sheet d;
    const int fill = d.addFilledRing({120, 150});
    ASSERT_EQ(d.list[std::size_t(fill)].points.size(), 6u);
    d.select({0, 1, 2, 3, 4, 5});
    EXPECT_EQ(captureFillsForMove(d.list), 1);
    EXPECT_TRUE(d.list[std::size_t(fill)].selected);
    EXPECT_TRUE(d.list[std::size_t(fill)].frameShown);
    moveSelected(d.list, {250, 0});
    EXPECT_EQ(d.list[std::size_t(fill)].ends[kMainStart], QPoint(370, 150));
    EXPECT_TRUE(leakingFills(d.list, d.bitmap).empty());
    d.rebuild();
    EXPECT_EQ(pixelAt(d.bitmap, 370, 150), kYellow);
    EXPECT_EQ(pixelAt(d.bitmap, 120, 150), clWhite);
}

TEST(MoveFills, AFillStaysWhilePartOfItsRingStaysBehind)
{
    Sheet d;
    const int fill = d.addFilledRing({120, 150});
    d.select({0, 1, 2, 3, 4});
    EXPECT_EQ(captureFillsForMove(d.list), 0);
    EXPECT_FALSE(d.list[std::size_t(fill)].selected);
}

TEST(MoveFills, AFillNamingNoFiguresGoesAlongWithAnyMoveButNotWithoutOne)
{
    Sheet d;
    d.add(bond({10, 10}, {60, 10}));
    TFigure loose = fillAt({300, 200});
    loose.points = {QPoint(40, 0)}; // pasted from elsewhere: the index names nothing here
    d.list.push_back(loose);
    EXPECT_EQ(captureFillsForMove(d.list), 0) << "nothing selected, nothing moves";
    d.select({0});
    EXPECT_EQ(captureFillsForMove(d.list), 1);
    EXPECT_TRUE(d.list[1].selected);
}

// --- Moving ---

TEST(MoveSelected, EndsAndFreeEndsShiftTogetherSoTipConnectionsStay)
{
    Sheet d;
    d.add(bond({50, 50}, {150, 50}));
    d.add(bond({50, 150}, {150, 150}));
    d.list[0].ends[kMainEnd] = {152, 51}; // joined to a neighbour's tip
    const std::uint8_t mask = connectionMask(d.list[0]);
    ASSERT_NE(mask, 0);
    const TFigure before = d.list[0];
    d.select({0});
    moveSelected(d.list, {7, -3});
    const TFigure& moved = d.list[0];
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(moved.ends[i], before.ends[i] + QPoint(7, -3)) << i;
        EXPECT_EQ(moved.freeEnds[i], before.freeEnds[i] + QPoint(7, -3)) << i;
    }
    EXPECT_EQ(connectionMask(moved), mask);
    EXPECT_EQ(moved.handle, before.handle + QPoint(7, -3));
    EXPECT_EQ(moved.occupiedRect(), before.occupiedRect().translated(7, -3));
    EXPECT_EQ(d.list[1].ends[kMainStart], QPoint(50, 150)) << "unselected figures stay";
}

TEST(MoveSelected, DuplicatesAreShiftedUnselectedCopiesAndTheOriginalsStay)
{
    Sheet d;
    d.add(bond({50, 50}, {150, 50}));
    d.add(bond({50, 150}, {150, 150}));
    d.select({1});
    const FigureList copies = duplicateSelected(d.list, {0, 40});
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].ends[kMainStart], QPoint(50, 190));
    EXPECT_FALSE(copies[0].selected || copies[0].frameShown);
    EXPECT_EQ(d.list[1].ends[kMainStart], QPoint(50, 150));
    EXPECT_TRUE(d.list[1].selected);
}

TEST(MoveSelected, ADuplicatedRingsFillNamesTheCopiedRing)
{
    Sheet d;
    d.add(bond({10, 10}, {60, 10}));
    d.addFilledRing({120, 150});
    d.select({1, 2, 3, 4, 5, 6});
    captureFillsForMove(d.list);
    const FigureList copies = duplicateSelected(d.list, {250, 0});
    ASSERT_EQ(copies.size(), 7u);
    const TFigure& fill = copies.back();
    ASSERT_EQ(fill.kind, fkNuri);
    ASSERT_EQ(fill.points.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(fill.points[i], QPoint(8 + int(i), 0)) << "after the eight figures already there";
    d.list.insert(d.list.end(), copies.begin(), copies.end());
    EXPECT_TRUE(leakingFills(d.list, d.bitmap).empty());
    d.rebuild();
    EXPECT_EQ(pixelAt(d.bitmap, 370, 150), kYellow);
    EXPECT_EQ(pixelAt(d.bitmap, 120, 150), kYellow);
}

// --- Leaks ---

TEST(MoveLeaks, DraggingOneBondOutOfARingMakesItsFillLeakAndItIsRemoved)
{
    Sheet d;
    d.add(bond({10, 280}, {60, 280}));
    const int fill = d.addFilledRing({200, 150});
    EXPECT_TRUE(leakingFills(d.list, d.bitmap).empty()) << "the closed ring holds";
    d.select({1});
    EXPECT_EQ(captureFillsForMove(d.list), 0);
    moveSelected(d.list, {150, 0});
    const std::vector<int> leaking = leakingFills(d.list, d.bitmap);
    EXPECT_EQ(leaking, std::vector<int>({fill}));
    removeFigures(d.list, leaking);
    ASSERT_EQ(d.list.size(), 7u);
    for (const TFigure& f : d.list)
        EXPECT_NE(f.kind, fkNuri);
    d.rebuild();
    EXPECT_EQ(pixelAt(d.bitmap, 200, 150), clWhite);
    EXPECT_EQ(pixelAt(d.bitmap, 0, 0), clWhite);
}

TEST(MoveLeaks, EveryBrokenRingsFillIsFoundEvenInTheSameColour)
{
    Sheet d;
    const int first = d.addFilledRing({120, 150});
    const int second = d.addFilledRing({370, 150});
    d.select({0, 7});
    moveSelected(d.list, {0, 100});
    EXPECT_EQ(leakingFills(d.list, d.bitmap), std::vector<int>({first, second}));
}

TEST(MoveLeaks, AFillOfTheOpenCanvasCountsAsLeaking)
{
    Sheet d;
    d.addFilledRing({200, 150});
    d.add(fillAt({450, 20}, clRed));
    EXPECT_EQ(leakingFills(d.list, d.bitmap), std::vector<int>({7}));
}

// --- Removing ---

TEST(RemoveFigures, FillsKeepNamingTheSameFigures)
{
    FigureList list(7);
    list[6].kind = fkNuri;
    list[6].points = {QPoint(1, 0), QPoint(3, 0), QPoint(5, 0)};
    list[2].kind = fkNuri;
    list[2].points = {QPoint(0, 0), QPoint(4, 0)};
    list[1].text = QStringLiteral("one");
    list[5].text = QStringLiteral("five");
    removeFigures(list, {3, 0, 3, 99, -1});
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].text, QStringLiteral("one"));
    EXPECT_EQ(list[3].text, QStringLiteral("five"));
    EXPECT_EQ(list[4].points, TDynamicPtArray({QPoint(0, 0), QPoint(3, 0)}));
    EXPECT_EQ(list[1].points, TDynamicPtArray({QPoint(2, 0)}));
}

TEST(RemoveFigures, NothingToRemoveChangesNothing)
{
    FigureList list(2);
    list[1].kind = fkNuri;
    list[1].points = {QPoint(0, 0)};
    removeFigures(list, {});
    removeFigures(list, {2, -5});
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].points, TDynamicPtArray({QPoint(0, 0)}));
}
