#include "document/figure_creation.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

DrawingConditions conditions(int kind)
{
    DrawingConditions c;
    c.kind = kind;
    c.width = 5;
    c.shape = -7;
    c.sizeStep = 2;
    c.penStyle = 3;
    c.penColor = 0x112233;
    c.auxColor = 0x445566;
    c.fillColor = 0x778899;
    c.fontName = "ＭＳ Ｐゴシック";
    c.text = "CH3";
    return c;
}

} // namespace

TEST(FigureCreation, EachKindTakesOnlyItsOwnConditions)
{
    struct Row {
        int kind, width, shape, size, style;
        bool text;
    };
    const Row rows[] = {
        {fkMoji, 0, -7, 2, 0, true},    {fkSingle, 5, 0, 0, 3, false},  {fkFree, 5, 0, 0, 3, false},
        {fkDouble, 5, -7, 0, 3, false}, {fkTriple, 5, -7, 0, 3, false}, {fkCurve, 5, -7, 0, 3, false},
        {fkArrow, 5, -7, 0, 3, false},  {fkPai, 5, -7, 0, 3, false},    {fkCircle, 5, -7, 0, 3, false},
        {fkStereo, 0, -7, 0, 3, false}, {fkPicture, 0, 0, 2, 0, true},  {fkRange, 0, 0, 0, 0, false},
    };
    for (const Row& r : rows) {
        const TFigure f = createFigure(conditions(r.kind), {10, 20}, {30, 40});
        EXPECT_EQ(f.kind, r.kind);
        EXPECT_EQ(f.lineWidth, r.width) << r.kind;
        EXPECT_EQ(f.shape, r.shape) << r.kind;
        EXPECT_EQ(f.sizeStep, r.size) << r.kind;
        EXPECT_EQ(f.penStyle, r.style) << r.kind;
        EXPECT_EQ(!f.text.isEmpty(), r.text) << r.kind;
        EXPECT_EQ(!f.fontName.isEmpty(), r.kind == fkMoji) << r.kind;
        EXPECT_EQ(f.penColor, 0x112233u);
        EXPECT_EQ(f.auxColor, 0x445566u);
        EXPECT_EQ(f.fillColor, 0x778899u);
        EXPECT_EQ(f.ends[kMainStart], QPoint(10, 20));
        EXPECT_EQ(f.ends[kMainEnd], QPoint(30, 40));
        EXPECT_EQ(f.ends[kSecondStart], QPoint());
        EXPECT_EQ(f.freeEnds, f.ends);
        for (QPoint e : f.extremes)
            EXPECT_EQ(e, QPoint(10, 20));
        EXPECT_FALSE(f.fineMoved);
    }
}

TEST(FigureCreation, AFillTakesModelPixelsAtOnce)
{
    DrawingConditions c = conditions(fkNuri);
    c.zoom = 200;
    const TFigure f = createFigure(c, {100, 61}, {100, 61});
    EXPECT_EQ(f.ends[kMainStart], QPoint(50, 30)); // 30.5 -> 30
    EXPECT_EQ(f.freeEnds[kMainStart], QPoint(50, 30));
}

TEST(FigureFinish, ConvertsToModelPixelsAndKeepsTheComputedBondLines)
{
    DrawingConditions c = conditions(fkTriple);
    c.freeRange = true;
    TFigure working = createFigure(c, {100, 100}, {300, 100});
    FinishInputs in;
    in.zoom = 200;
    in.mouseDown = {100, 100};
    in.mouseUp = {300, 100};
    in.secondStart = {100, 114};
    in.secondEnd = {300, 114};
    in.thirdStart = {100, 128};
    in.thirdEnd = {300, 128};
    in.cursorPrecision = 6;
    const TFigure f = finishFigure(working, in);
    EXPECT_EQ(f.ends[kMainStart], QPoint(50, 50));
    EXPECT_EQ(f.ends[kMainEnd], QPoint(150, 50));
    EXPECT_EQ(f.ends[kSecondStart], QPoint(50, 57));
    EXPECT_EQ(f.ends[kThirdEnd], QPoint(150, 64));
    EXPECT_EQ(f.freeEnds, f.ends);
    EXPECT_EQ(f.handle, QPoint(100, 50));
    EXPECT_EQ(f.cursorPrecision, 6);
    EXPECT_FALSE(f.freeForm);
    EXPECT_FALSE(f.fineMoved);
    in.fineMoveActive = true;
    EXPECT_TRUE(finishFigure(working, in).fineMoved);
}

TEST(FigureFinish, FreeCurvesTakeTheDraggedPointsAndPicturesTheirPendingOffset)
{
    TFigure free = createFigure(conditions(fkFree), {10, 10}, {30, 30});
    FinishInputs in;
    in.zoom = 50;
    in.mouseDown = {10, 10};
    in.mouseUp = {30, 30};
    in.draggedPoints = {{10, 10}, {20, 12}, {30, 30}};
    const TFigure f = finishFigure(free, in);
    ASSERT_EQ(f.points.size(), 3u);
    EXPECT_EQ(f.points[1], QPoint(40, 24));
    EXPECT_EQ(f.handle, QPoint(20, 20));

    TFigure pic = createFigure(conditions(fkPicture), {0, 0}, {40, 40});
    FinishInputs pin;
    pin.mouseDown = pin.mouseUp = {40, 40};
    pin.picturePendingOffset = {-25, -16};
    pin.picture = QImage(150, 100, QImage::Format_RGB32);
    pin.pictureFileName = "画像ファイル/a.bmp";
    const TFigure p = finishFigure(pic, pin);
    EXPECT_EQ(p.ends[kMainEnd], QPoint(15, 24));
    EXPECT_EQ(p.text, "画像ファイル/a.bmp");
    EXPECT_EQ(p.picture.size(), QSize(150, 100));
    EXPECT_EQ(p.handle, QPoint(15 + 75, 24 + 50));
}

TEST(FigurePlacing, ACopyDropsConnectionsAndMovesByTheModelOffset)
{
    TFigure waiting;
    waiting.kind = fkDouble;
    waiting.ends[kMainStart] = {0, 0};
    waiting.ends[kMainEnd] = {40, 0};
    waiting.freeEnds = waiting.ends;
    waiting.ends[kMainEnd] = {42, 1}; // connected at its end
    waiting.handle = {20, 0};
    waiting.selected = true;
    const TFigure placed = placedCopy(waiting, {20, 10}, 200, false);
    EXPECT_EQ(placed.ends[kMainStart], QPoint(10, 5));
    EXPECT_EQ(placed.ends[kMainEnd], QPoint(52, 6));
    EXPECT_EQ(placed.freeEnds, placed.ends);
    EXPECT_EQ(connectionMask(placed), 0);
    EXPECT_EQ(placed.handle, QPoint(30, 5));
    EXPECT_FALSE(placed.selected);

    TFigure free;
    free.kind = fkFree;
    free.points = {{1, 1}, {2, 2}};
    EXPECT_EQ(placedCopy(free, {3, 4}, 100, true).points[1], QPoint(5, 6));
    EXPECT_TRUE(placedCopy(free, {3, 4}, 100, true).fineMoved);
}
