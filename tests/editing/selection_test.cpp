#include "editing/selection.h"

#include "document/figure_commit.h"
#include "document/geometry.h"

#include "support/figure_builders.h"
#include "support/image_test_util.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

TFigure text(QPoint centre, const QString& s)
{
    TFigure f;
    f.kind = fkMoji;
    f.shape = 36;
    f.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    f.text = s;
    f.ends[kMainStart] = f.ends[kMainEnd] = centre;
    f.freeEnds = f.ends;
    f.handle = handlePoint(f);
    return f;
}

// Figures committed the way the editor commits them, so their extents are the rendered ones.
class Sheet {
public:
    int add(TFigure f) { return commitFinishedFigure(list, bitmap, std::move(f), recorded, {}); }

    FigureList list;
    QImage bitmap = whiteImage(400, 300);
    RenderRecord recorded;
};

std::vector<int> selectedIndices(const FigureList& list)
{
    std::vector<int> out;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].selected)
            out.push_back(int(i));
    return out;
}

} // namespace

// --- Frame hits ---

TEST(SelectionFrameHit, OverlappingFramesPickTheOlderFigure)
{
    Sheet d;
    d.add(bond({80, 100}, {120, 100})); // handle (100, 100)
    d.add(bond({86, 104}, {126, 104})); // handle (106, 104)
    EXPECT_EQ(frameHit(d.list, {107, 104}, 100), 0) << "nearer the newer handle, inside both frames";
    EXPECT_EQ(frameHit(d.list, {112, 104}, 100), 1) << "only inside the newer frame";
}

TEST(SelectionFrameHit, TheSquareIsSeventeenPixelsAtZoom100)
{
    Sheet d;
    d.add(bond({80, 100}, {120, 100}));
    ASSERT_EQ(d.list[0].handle, QPoint(100, 100));
    for (int edge : {92, 108}) {
        EXPECT_EQ(frameHit(d.list, {edge, 100}, 100), 0) << edge;
        EXPECT_EQ(frameHit(d.list, {100, edge}, 100), 0) << edge;
    }
    for (int outside : {91, 109}) {
        EXPECT_EQ(frameHit(d.list, {outside, 100}, 100), -1) << outside;
        EXPECT_EQ(frameHit(d.list, {100, outside}, 100), -1) << outside;
    }
}

TEST(SelectionFrameHit, TheSquareIsThirtyFourScreenPixelsAtZoom200WhateverTheHandle)
{
    Sheet d;
    d.add(bond({80, 100}, {120, 100})); // handle (100, 100): screen 184 .. 217
    d.add(bond({81, 251}, {121, 251})); // handle (101, 251): screen 186 .. 219 across
    EXPECT_EQ(frameHit(d.list, {184, 200}, 200), 0);
    EXPECT_EQ(frameHit(d.list, {217, 200}, 200), 0);
    EXPECT_EQ(frameHit(d.list, {183, 200}, 200), -1);
    EXPECT_EQ(frameHit(d.list, {218, 200}, 200), -1);
    EXPECT_EQ(frameHit(d.list, {200, 184}, 200), 0);
    EXPECT_EQ(frameHit(d.list, {200, 217}, 200), 0);
    EXPECT_EQ(frameHit(d.list, {200, 218}, 200), -1);
    ASSERT_EQ(d.list[1].handle, QPoint(101, 251));
    EXPECT_EQ(frameHit(d.list, {186, 502}, 200), 1);
    EXPECT_EQ(frameHit(d.list, {219, 502}, 200), 1);
    EXPECT_EQ(frameHit(d.list, {185, 502}, 200), -1);
    EXPECT_EQ(frameHit(d.list, {220, 502}, 200), -1);
}

// --- Ranges ---

TEST(SelectionRange, ABondHalfInsideARectangleIsNotTaken)
{
    Sheet d;
    d.add(bond({50, 100}, {150, 100}));
    EXPECT_EQ(selectByRange(d.list, QRect(QPoint(0, 0), QPoint(100, 200)), 100), 0);
    EXPECT_FALSE(d.list[0].selected);
    EXPECT_EQ(selectByRange(d.list, QRect(QPoint(40, 90), QPoint(160, 110)), 100), 1);
    EXPECT_TRUE(d.list[0].selected);
}

TEST(SelectionRange, AThickBondIsTakenByItsExtremesAndTheFarEdgesAreOutside)
{
    Sheet d;
    TFigure thick = bond({50, 100}, {150, 100});
    thick.lineWidth = 20;
    d.add(thick);
    const auto& e = d.list[0].extremes;
    ASSERT_LT(d.list[0].occupiedRect().left(), e[kLeftmost].x()) << "the stroke reaches past the extremes";
    const QRect snug(QPoint(e[kLeftmost].x(), e[kTopmost].y()),
                     QPoint(e[kRightmost].x() + 1, e[kBottommost].y() + 1));
    EXPECT_EQ(selectByRange(d.list, snug, 100), 1);
    EXPECT_EQ(selectByRange(d.list, snug.adjusted(0, 0, -1, 0), 100), 0) << "right edge exclusive";
    EXPECT_EQ(selectByRange(d.list, snug.adjusted(0, 0, 0, -1), 100), 0) << "bottom edge exclusive";
    EXPECT_EQ(selectByRange(d.list, snug.adjusted(1, 0, 0, 0), 100), 0);
}

TEST(SelectionRange, ASnugLassoTakesASlantedRingBond)
{
    Sheet d;
    d.add(bond({240, 216}, {282, 240}));
    // A thin diamond along the bond: the corners of its bounding box lie outside, its ends inside.
    const QPolygon lasso({QPoint(232, 210), QPoint(250, 214), QPoint(290, 246), QPoint(272, 242)});
    EXPECT_EQ(selectByRange(d.list, lasso, 100), 1);
}

TEST(SelectionRange, ATextIsTakenByItsCentreEvenWhenItsGlyphsStickOut)
{
    Sheet d;
    d.add(text({200, 150}, QStringLiteral("CH3")));
    const QRect aroundCentre(QPoint(190, 140), QPoint(210, 160));
    ASSERT_FALSE(aroundCentre.contains(d.list[0].occupiedRect())) << "the glyphs are wider than the range";
    EXPECT_EQ(selectByRange(d.list, aroundCentre, 100), 1);
    EXPECT_EQ(selectByRange(d.list, QRect(QPoint(201, 0), QPoint(399, 299)), 100), 0)
        << "most of the glyphs, but not the centre";
}

TEST(SelectionRange, ARectangleOnAZoomedViewIsJudgedInModelPixels)
{
    Sheet d;
    d.add(bond({50, 100}, {150, 100}));
    const QRect screen(QPoint(80, 180), QPoint(320, 220)); // model (40, 90) .. (160, 110)
    EXPECT_EQ(selectByRange(d.list, screen, 200), 1);
    EXPECT_EQ(selectByRange(d.list, screen, 100), 0);
}

TEST(SelectionRange, TakenFiguresShowTheirFramesAndTheOthersLoseBothMarks)
{
    Sheet d;
    d.add(bond({50, 100}, {150, 100}));
    d.add(bond({250, 100}, {350, 100}));
    d.list[1].selected = d.list[1].frameShown = true;
    EXPECT_EQ(selectByRange(d.list, QRect(QPoint(0, 0), QPoint(200, 299)), 100), 1);
    EXPECT_TRUE(d.list[0].selected && d.list[0].frameShown);
    EXPECT_FALSE(d.list[1].selected || d.list[1].frameShown);
}

TEST(SelectionRange, ALassoTakesAFigureWhoseOutlineLiesInside)
{
    Sheet d;
    d.add(bond({150, 150}, {250, 150}));          // inside the diamond
    d.add(bond({150, 170}, {380, 170}));          // runs out of it
    d.add(text({200, 120}, QStringLiteral("O"))); // its centre inside
    const QPolygon diamond({QPoint(200, 50), QPoint(320, 150), QPoint(200, 250), QPoint(80, 150)});
    EXPECT_EQ(selectByRange(d.list, diamond, 100), 2);
    EXPECT_EQ(selectedIndices(d.list), std::vector<int>({0, 2}));
}

TEST(SelectionRange, ALassoLeavesACurveWhoseBulgeRunsIntoANotch)
{
    Sheet d;
    TFigure arc = bond({150, 150}, {250, 150});
    arc.kind = fkCurve;
    arc.shape = 12;
    d.add(arc);
    const QRect box = d.list[0].occupiedRect();
    ASSERT_LT(box.top(), 132) << "the arc bulges upwards, its apex near x = 200";
    const QPolygon whole({QPoint(100, 100), QPoint(300, 100), QPoint(300, 200), QPoint(100, 200)});
    EXPECT_EQ(selectByRange(d.list, whole, 100), 1);
    // The notch misses every corner of the occupied rectangle but holds the apex.
    const QPolygon notched({QPoint(100, 100), QPoint(190, 100), QPoint(190, 135), QPoint(210, 135),
                            QPoint(210, 100), QPoint(300, 100), QPoint(300, 200), QPoint(100, 200)});
    EXPECT_EQ(selectByRange(d.list, notched, 100), 0);
}

TEST(SelectionRange, ALassoOnAZoomedViewIsJudgedInModelPixels)
{
    Sheet d;
    d.add(bond({150, 150}, {250, 150}));
    const QPolygon screen({QPoint(400, 100), QPoint(640, 300), QPoint(400, 500), QPoint(160, 300)});
    EXPECT_EQ(selectByRange(d.list, screen, 200), 1);
    EXPECT_EQ(selectByRange(d.list, screen, 100), 0);
}

TEST(SelectionRange, AnEmptyRangeTakesNothingAndClearsTheMarks)
{
    Sheet d;
    d.add(text({200, 150}, QStringLiteral("N")));
    d.add(bond({50, 100}, {150, 100}));
    selectAll(d.list);
    EXPECT_EQ(selectByRange(d.list, QRect(), 100), 0);
    EXPECT_EQ(countSelected(d.list), 0);
    EXPECT_FALSE(d.list[0].frameShown);
    selectAll(d.list);
    EXPECT_EQ(selectByRange(d.list, QPolygon({QPoint(0, 0), QPoint(399, 299)}), 100), 0) << "a lasso line";
    EXPECT_EQ(countSelected(d.list), 0);
    selectAll(d.list);
    EXPECT_EQ(selectByRange(d.list, QPolygon({QPoint(0, 0), QPoint(200, 0), QPoint(399, 0)}), 100), 0)
        << "a lasso without area";
    EXPECT_EQ(countSelected(d.list), 0);
}

TEST(SelectionRange, TheRubberBandRectangleTakesCornersInAnyOrder)
{
    EXPECT_EQ(rangeRect({30, 40}, {10, 20}), QRect(QPoint(10, 20), QPoint(30, 40)));
    EXPECT_EQ(rangeRect({10, 40}, {30, 20}), QRect(QPoint(10, 20), QPoint(30, 40)));
    EXPECT_EQ(rangeRect({5, 5}, {5, 5}).size(), QSize(1, 1));
}

// --- Marks ---

TEST(SelectionMarks, CtrlClickTogglesOneFigureAndKeepsTheOthers)
{
    Sheet d;
    d.add(bond({50, 100}, {150, 100}));
    d.add(bond({50, 200}, {150, 200}));
    d.add(bond({250, 100}, {350, 100}));
    d.list[0].selected = d.list[0].frameShown = true;
    EXPECT_TRUE(toggleSelected(d.list, 2));
    EXPECT_EQ(selectedIndices(d.list), std::vector<int>({0, 2}));
    EXPECT_TRUE(d.list[2].frameShown);
    EXPECT_FALSE(toggleSelected(d.list, 0));
    EXPECT_EQ(selectedIndices(d.list), std::vector<int>({2}));
    EXPECT_FALSE(toggleSelected(d.list, 3));
    EXPECT_FALSE(toggleSelected(d.list, -1));
    EXPECT_EQ(selectedIndices(d.list), std::vector<int>({2}));
}

TEST(SelectionMarks, APlainClickSelectsThatFigureAlone)
{
    Sheet d;
    d.add(bond({50, 100}, {150, 100}));
    d.add(bond({50, 200}, {150, 200}));
    selectAll(d.list);
    selectOnly(d.list, 1);
    EXPECT_EQ(selectedIndices(d.list), std::vector<int>({1}));
    EXPECT_TRUE(d.list[0].frameShown) << "frames stay";
    selectOnly(d.list, -1);
    EXPECT_EQ(countSelected(d.list), 0);
}

TEST(SelectionMarks, AllFramesShowAndHideWithoutTouchingTheSelection)
{
    Sheet d;
    d.add(bond({50, 100}, {150, 100}));
    d.add(bond({50, 200}, {150, 200}));
    toggleSelected(d.list, 0);
    showAllFrames(d.list, true);
    EXPECT_TRUE(d.list[1].frameShown);
    EXPECT_FALSE(d.list[1].selected);
    showAllFrames(d.list, false);
    EXPECT_FALSE(d.list[0].frameShown);
    EXPECT_TRUE(d.list[0].selected);
    selectAll(d.list);
    EXPECT_EQ(countSelected(d.list), 2);
    EXPECT_TRUE(d.list[1].frameShown);
    clearMarks(d.list);
    EXPECT_EQ(countSelected(d.list), 0);
    EXPECT_FALSE(d.list[0].frameShown || d.list[1].frameShown);
}
