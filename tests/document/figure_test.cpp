#include "document/figure.h"

#include <gtest/gtest.h>

#include <limits>

using namespace molvane;

namespace {

TFigure figureOf(int kind, QPoint a, QPoint b)
{
    TFigure f;
    f.kind = kind;
    f.ends[kMainStart] = a;
    f.ends[kMainEnd] = b;
    f.freeEnds = f.ends;
    return f;
}

} // namespace

TEST(Figure, HandleIsTheStartForPointLikeKindsAndTheGenerousMidpointForBonds)
{
    const QPoint a(10, 20), b(15, 27);
    for (int kind : {fkMoji, fkCurve, fkArrow, fkFree, fkPai, fkCircle})
        EXPECT_EQ(handlePoint(figureOf(kind, a, b)), a) << kind;
    // (10 + 15) / 2 = 12.5 -> 13 and (20 + 27) / 2 = 23.5 -> 24: generous rounding goes up from .1.
    for (int kind : {fkSingle, fkDouble, fkTriple, fkStereo, fkNuri, fkRange})
        EXPECT_EQ(handlePoint(figureOf(kind, a, b)), QPoint(13, 24)) << kind;
    // Negative coordinates round away from zero.
    EXPECT_EQ(handlePoint(figureOf(fkSingle, QPoint(-10, 0), QPoint(-15, 1))), QPoint(-13, 1));
}

TEST(Figure, APicturesHandleIsItsCentreWithTruncatedHalves)
{
    TFigure f = figureOf(fkPicture, {0, 0}, {100, 50});
    f.picture = QImage(31, 20, QImage::Format_RGB32);
    EXPECT_EQ(handlePoint(f), QPoint(115, 60));
}

TEST(Figure, TheConnectionMaskHasOneBitPerEnd)
{
    TFigure f = figureOf(fkTriple, {0, 0}, {50, 0});
    EXPECT_EQ(connectionMask(f), 0);
    EXPECT_FALSE(isConnected(f));
    const std::pair<int, int> endBits[] = {{kMainStart, 0x01}, {kMainEnd, 0x02},  {kSecondStart, 0x04},
                                           {kSecondEnd, 0x08}, {kThirdStart, 0x10}, {kThirdEnd, 0x20}};
    for (auto [end, bit] : endBits) {
        TFigure g = f;
        g.ends[end] += QPoint(1, 0);
        EXPECT_EQ(connectionMask(g), bit) << end;
        EXPECT_TRUE(isConnected(g));
    }
    f.ends[kMainEnd] = {51, 1};
    f.ends[kThirdStart] = {3, 3};
    EXPECT_EQ(connectionMask(f), 0x12);
}

TEST(Figure, ShiftMovesEveryPointButLeavesMarginsAndFillIndices)
{
    TFigure free = figureOf(fkFree, {1, 2}, {3, 4});
    free.points = {{1, 2}, {5, 5}, {3, 4}};
    free.handle = {1, 2};
    free.extremes = {QPoint(1, 2), QPoint(5, 2), QPoint(5, 5), QPoint(3, 5)};
    free.margins = {-2, -2, 2, 2};
    shiftFigure(free, 10, -1);
    EXPECT_EQ(free.ends[kMainStart], QPoint(11, 1));
    EXPECT_EQ(free.freeEnds[kMainEnd], QPoint(13, 3));
    EXPECT_EQ(free.ends[kSecondStart], QPoint(10, -1)) << "unused ends move too";
    EXPECT_EQ(free.handle, QPoint(11, 1));
    EXPECT_EQ(free.extremes[kRightmost], QPoint(15, 4));
    EXPECT_EQ(free.points[1], QPoint(15, 4));
    EXPECT_EQ(free.margins, (TMargins{-2, -2, 2, 2}));

    TFigure fill = figureOf(fkNuri, {1, 1}, {1, 1});
    fill.points = {{0, 0}, {3, 0}};
    shiftFigure(fill, 7, 7);
    EXPECT_EQ(fill.points[1], QPoint(3, 0));
}

TEST(Figure, ShiftingPositionsFromAFileWrapsAroundInsteadOfOverflowing)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    TFigure free = figureOf(fkFree, {kMax, kMin}, {kMax - 1, 0});
    free.points = {{kMax, kMin}};
    shiftFigure(free, 2, -1);
    EXPECT_EQ(free.ends[kMainStart], QPoint(kMin + 1, kMax));
    EXPECT_EQ(free.freeEnds[kMainEnd], QPoint(kMin, -1));
    EXPECT_EQ(free.points[0], QPoint(kMin + 1, kMax));
    EXPECT_EQ(wrappingSum({kMin, 5}, {-1, -6}), QPoint(kMax, -1));
}

TEST(Figure, CopiesAreDeep)
{
    TFigure f = figureOf(fkPicture, {0, 0}, {0, 0});
    f.picture = QImage(4, 4, QImage::Format_RGB32);
    f.picture.image().fill(Qt::red);
    f.points = {{1, 1}};
    TFigure g = f;
    g.picture.image().setPixel(0, 0, qRgb(0, 0, 255));
    g.points[0] = {9, 9};
    g.text = "x";
    EXPECT_EQ(f.picture.image().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(f.points[0], QPoint(1, 1));
    EXPECT_TRUE(f.text.isEmpty());
}

TEST(Figure, APictureIsThereFromANonNullImageUntilANullOneIsGiven)
{
    TFigure f = figureOf(fkPicture, {0, 0}, {0, 0});
    EXPECT_TRUE(f.picture.isNull());
    EXPECT_TRUE(f.picture.image().isNull());
    EXPECT_EQ(f.picture.size(), QSize(0, 0));

    f.picture = QImage(3, 2, QImage::Format_RGB32);
    EXPECT_FALSE(f.picture.isNull());
    EXPECT_EQ(f.picture.size(), QSize(3, 2));
    TFigure g;
    g = f; // into a figure that had none
    EXPECT_EQ(g.picture.size(), QSize(3, 2));
    g.picture = QImage(5, 5, QImage::Format_RGB32); // over one it had
    EXPECT_EQ(g.picture.size(), QSize(5, 5));
    EXPECT_EQ(f.picture.size(), QSize(3, 2));

    f.picture = QImage();
    EXPECT_TRUE(f.picture.isNull());
    EXPECT_EQ(f.picture.size(), QSize(0, 0));
    g = f;
    EXPECT_TRUE(g.picture.isNull()) << "copying a figure without a picture takes the picture away";
    const TFigure moved = std::move(g);
    EXPECT_TRUE(moved.picture.isNull());
}

TEST(Figure, TheOccupiedRectIsTheExtremesPushedOutByTheMargins)
{
    TFigure f;
    f.extremes = {QPoint(10, 30), QPoint(20, 5), QPoint(60, 25), QPoint(40, 70)};
    f.margins = {-3, -4, 5, 6};
    EXPECT_EQ(f.occupiedRect(), QRect(QPoint(7, 1), QPoint(65, 76)));
}

TEST(DataList, AddsGetsCountsAndFindsTheFirstPosition)
{
    TDataList list;
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.indexOf(3), -1);
    list.add(3);
    list.add(7);
    list.add(3);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.get(1), 7);
    EXPECT_EQ(list.indexOf(3), 0);
    EXPECT_EQ(list.indexOf(7), 1);
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

TEST(FillRemoval, FillsNamingASelectedFigureGoAndForeignIndicesAreIgnored)
{
    FigureList list(6);
    for (TFigure& f : list)
        f.kind = fkSingle;
    list[1].selected = true;
    list[3].kind = fkNuri;
    list[3].points = {{0, 0}, {1, 0}}; // names the selected bond
    list[4].kind = fkNuri;
    list[4].points = {{0, 0}, {2, 0}}; // names only unselected bonds
    list[5].kind = fkNuri;
    list[5].points = {{-4, 0}, {99, 0}}; // pasted from elsewhere: indices outside the list
    EXPECT_EQ(removeFillsOfSelected(list), 1);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[3].points[1], QPoint(2, 0));
    EXPECT_EQ(list[4].points[1], QPoint(99, 0));
}

