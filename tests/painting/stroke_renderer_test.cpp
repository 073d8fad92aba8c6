#include "painting/new_stroke.h"
#include "painting/paint_mode.h"
#include "painting/paint_picture.h"
#include "painting/stroke_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace molvane;

namespace {

TFigure lineStroke(QPoint from, QPoint to, int width, int shape = 0)
{
    StrokeInputs in;
    in.kind = kStrokeLine;
    in.lineWidth = width;
    in.shape = shape;
    in.press = from;
    in.release = to;
    return makeStroke(in);
}

// The pixels of column x that are not pure white.
int inkedInColumn(const QImage& image, int x)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        n += fromQRgb(image.pixel(x, y)) != kTransparentWhite;
    return n;
}

} // namespace

TEST(StrokeRenderer, PenWidthsOfTheThreeRanges)
{
    EXPECT_EQ(effectivePenWidth(kStrokeLine, 10), 10);
    EXPECT_EQ(effectivePenWidth(kStrokeLine, 11), 13);
    EXPECT_EQ(effectivePenWidth(kStrokeRectangle, 20), 40);
    EXPECT_EQ(effectivePenWidth(kStrokeEllipse, 21), 47);
    EXPECT_EQ(effectivePenWidth(kStrokePen, 50), 250);
    EXPECT_EQ(effectivePenWidth(kStrokeLine, 0), 1) << "never below one pixel";
    EXPECT_EQ(effectivePenWidth(kStrokeLine, -11), 13) << "the magnitude counts";
    EXPECT_EQ(effectivePenWidth(kStrokeFill, 30), 30) << "only the line strokes are mapped";
}

TEST(StrokeRenderer, CurveControlPoints)
{
    // Worked out by hand from the centre and radius of each arc.
    const StrokeCurve full = strokeCurve({0, 0}, {100, 0}, 36);
    EXPECT_FALSE(full.straight);
    EXPECT_EQ(full.c1, QPoint(7724, 714)) << "a full turn is drawn one degree further";
    EXPECT_EQ(full.c2, QPoint(-7624, 714));

    const StrokeCurve loop = strokeCurve({0, 0}, {100, 0}, -50);
    EXPECT_EQ(loop.c1, QPoint(134, -4));
    EXPECT_EQ(loop.c2, QPoint(-34, -4));
    // The centre lies at (50, -18) with radius 53.21: the loop's control points sit at 1.6 r.
    const double r = 100 / (2 * std::cos(-160 * 3.14159265358979 / 180));
    for (QPoint c : {loop.c1, loop.c2})
        EXPECT_NEAR(std::hypot(c.x() - 50, c.y() + 18), 1.6 * std::abs(r), 1.0);

    EXPECT_EQ(strokeCurve({0, 0}, {100, 0}, -80).c1, loop.c1) << "curvature is clamped to -50 for drawing";
    EXPECT_TRUE(strokeCurve({0, 0}, {100, 0}, 0).straight);
}

TEST(StrokeRenderer, ZoomedPreviewIsWiderThanTheStoredStroke)
{
    const PaintWhites whites = findPaintWhites();
    QImage view(400, 200, QImage::Format_RGB32);
    view.fill(Qt::white);
    const TFigure onView = lineStroke({30, 60}, {300, 60}, 1);
    {
        Canvas canvas(view);
        renderStroke(onView, {canvas, whites, PenMode::NotXor, true, PaintViewScale{300}});
    }
    EXPECT_EQ(inkedInColumn(view, 150), 3) << "one canvas pixel is three view pixels at 300 %";
    {
        Canvas canvas(view);
        renderStroke(onView, {canvas, whites, PenMode::NotXor, true, PaintViewScale{300}});
    }
    EXPECT_EQ(inkedInColumn(view, 150), 0) << "drawing the preview again takes it away";

    PaintPicture picture;
    picture.addStroke(lineStroke({10, 20}, {100, 20}, 1));
    EXPECT_EQ(inkedInColumn(picture.working(), 50), 1);
    EXPECT_EQ(picture.strokes().back().lineWidth, 1);
}

TEST(StrokeRenderer, DashedRectangleHoldsAFill)
{
    PaintPicture picture;
    StrokeInputs rect;
    rect.kind = kStrokeRectangle;
    rect.penStyle = 1;
    rect.press = {150, 120};
    rect.release = {50, 50};
    picture.addStroke(makeStroke(rect));
    StrokeInputs fill;
    fill.kind = kStrokeFill;
    fill.colour = clRed;
    fill.press = fill.release = {100, 80};
    picture.addStroke(makeStroke(fill));

    const QImage& image = picture.working();
    EXPECT_EQ(fromQRgb(image.pixel(100, 80)), clRed);
    int outsideRed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            outsideRed += fromQRgb(image.pixel(x, y)) == clRed && !QRect(50, 50, 101, 71).contains(x, y);
    EXPECT_EQ(outsideRed, 0) << "the fill leaked through the dashes";

    // The top edge: dashes in the pen colour, gaps in the barrier white, nothing transparent.
    int barrier = 0, black = 0;
    for (int x = 55; x <= 145; ++x) {
        const TColor c = fromQRgb(image.pixel(x, 50));
        barrier += c == picture.whites().barrier;
        black += c == clBlack;
    }
    EXPECT_GT(barrier, 10);
    EXPECT_GT(black, 10);
    EXPECT_EQ(barrier + black, 91);
}

TEST(StrokeRenderer, ShapesAreNeverFilledAndPointShapesDrawNothing)
{
    PaintPicture picture;
    StrokeInputs ellipse;
    ellipse.kind = kStrokeEllipse;
    ellipse.lineWidth = 3;
    ellipse.press = {20, 20};
    ellipse.release = {120, 80};
    picture.addStroke(makeStroke(ellipse));
    EXPECT_EQ(fromQRgb(picture.working().pixel(70, 50)), kTransparentWhite);
    EXPECT_EQ(fromQRgb(picture.working().pixel(70, 20)), clBlack);

    ellipse.press = ellipse.release = {300, 300};
    picture.addStroke(makeStroke(ellipse));
    EXPECT_EQ(fromQRgb(picture.working().pixel(300, 300)), kTransparentWhite);
}
