#include "painting/new_stroke.h"
#include "painting/paint_mode.h"
#include "painting/paint_picture.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace molvane;

namespace {

TFigure thickLine(int width)
{
    StrokeInputs in;
    in.kind = kStrokeLine;
    in.lineWidth = width;
    in.press = {100, 100};
    in.release = {200, 100};
    return makeStroke(in);
}

} // namespace

TEST(PaintPicture, WhitesAndAFreshCanvas)
{
    EXPECT_EQ(probeDeviceColour(makeTColor(12, 34, 56)), makeTColor(12, 34, 56));
    const PaintPicture picture;
    EXPECT_EQ(picture.whites().transparent, makeTColor(255, 255, 255));
    EXPECT_EQ(picture.whites().opaque, makeTColor(255, 254, 255));
    EXPECT_EQ(picture.whites().barrier, makeTColor(255, 254, 254));
    EXPECT_EQ(picture.size(), QSize(600, 400));
    EXPECT_EQ(picture.working().format(), QImage::Format_RGB32);
    EXPECT_EQ(fromQRgb(picture.working().pixel(599, 399)), kTransparentWhite);
}

TEST(PaintPicture, FieldsOfANewStroke)
{
    StrokeInputs in;
    in.kind = kStrokePicture;
    in.colour = clRed;
    in.penStyle = 2;
    in.lineWidth = 7;
    in.shape = 12;
    in.press = {1, 2};
    in.release = {30, 40};
    in.picture = QImage(10, 6, QImage::Format_ARGB32);
    const TFigure f = makeStroke(in);
    EXPECT_EQ(f.cursorPrecision, 4);
    EXPECT_EQ(f.penStyle, 0) << "pictures have no pen style";
    EXPECT_EQ(f.lineWidth, 0);
    EXPECT_EQ(f.shape, 0);
    EXPECT_EQ(f.fillColor, clRed);
    EXPECT_EQ(f.auxColor, clRed);
    EXPECT_EQ(f.ends[kThirdStart], QPoint(1, 2));
    EXPECT_EQ(f.ends[kSecondEnd], QPoint(30, 40));
    EXPECT_EQ(f.freeEnds, f.ends);
    EXPECT_EQ(f.handle, QPoint(35, 43));
    EXPECT_EQ(f.picture.image().format(), QImage::Format_RGB32);

    in.kind = kStrokeLine;
    const TFigure line = makeStroke(in);
    EXPECT_EQ(line.lineWidth, 7);
    EXPECT_EQ(line.shape, 12);
    EXPECT_EQ(line.penStyle, 2);
    EXPECT_TRUE(line.picture.isNull());
}

TEST(PaintPicture, ExtentOfAThickLineAndItsReform)
{
    PaintPicture picture;
    picture.addStroke(thickLine(20)); // 40 pixels wide
    const TFigure& f = picture.strokes().back();
    EXPECT_EQ(f.extremes[kLeftmost], QPoint(100, 100));
    EXPECT_EQ(f.extremes[kTopmost], QPoint(100, 100)) << "the first point wins a tie";
    EXPECT_EQ(f.extremes[kRightmost], QPoint(200, 100));
    for (int m : {-f.margins.left, -f.margins.top, f.margins.right, f.margins.bottom}) {
        EXPECT_GE(m, 19);
        EXPECT_LE(m, 21);
    }

    picture.setStrokes({thickLine(1)});
    EXPECT_LE(picture.strokes().back().margins.bottom, 1);
    ASSERT_TRUE(picture.reformLastStroke(10, 0));
    EXPECT_EQ(picture.strokes().back().lineWidth, 10);
    EXPECT_GE(picture.strokes().back().margins.bottom, 4);
    EXPECT_EQ(fromQRgb(picture.working().pixel(150, 103)), clBlack) << "rendered again at the new width";
    EXPECT_EQ(fromQRgb(picture.working().pixel(150, 110)), kTransparentWhite);
}

TEST(PaintPicture, RenderLeavesOutTheLiftedPieceAndClearAllDropsTheBase)
{
    PaintPicture picture;
    QImage base(50, 50, QImage::Format_RGB32);
    base.fill(Qt::blue);
    picture.setBasePicture(base);
    picture.addStroke(thickLine(5));
    picture.addStroke(thickLine(5)); // the second one is the lifted piece
    FigureList strokes = picture.strokes();
    strokes.front().ends[kMainStart] = strokes.front().ends[kMainEnd] = {400, 300};
    strokes.back().selected = true;
    picture.setStrokes(strokes);
    EXPECT_EQ(fromQRgb(picture.working().pixel(150, 100)), clBlack);
    picture.render(true);
    EXPECT_EQ(fromQRgb(picture.working().pixel(150, 100)), kTransparentWhite);
    EXPECT_EQ(fromQRgb(picture.working().pixel(10, 10)), makeTColor(0, 0, 255));

    picture.clearAll();
    EXPECT_TRUE(picture.strokes().empty());
    EXPECT_FALSE(picture.basePicture());
    picture.setStrokes(strokes);
    EXPECT_EQ(fromQRgb(picture.working().pixel(10, 10)), kTransparentWhite) << "the base never comes back";

    picture.resize({5000, 3});
    EXPECT_EQ(picture.size(), QSize(2000, 10));
}

TEST(PaintPicture, PictureStrokesAreTransparentUnlessErasing)
{
    PaintPicture picture;
    picture.addStroke(thickLine(50));
    QImage stamp(20, 20, QImage::Format_RGB32);
    stamp.fill(Qt::white);
    stamp.setPixel(10, 10, qRgb(0, 255, 0));
    StrokeInputs in;
    in.kind = kStrokePicture;
    in.picture = stamp;
    in.release = {140, 90};
    picture.addStroke(makeStroke(in));
    EXPECT_EQ(fromQRgb(picture.working().pixel(145, 95)), clBlack) << "white of the picture is transparent";
    EXPECT_EQ(fromQRgb(picture.working().pixel(150, 100)), makeTColor(0, 255, 0));
    EXPECT_EQ(picture.strokes().back().extremes[kRightmost], QPoint(159, 109));

    in.colour = kTransparentWhite; // the eraser's picture
    in.freeForm = true;
    in.points = {{140, 90}, {145, 90}, {145, 95}, {140, 95}};
    picture.addStroke(makeStroke(in));
    EXPECT_EQ(fromQRgb(picture.working().pixel(142, 92)), kTransparentWhite);
    EXPECT_EQ(fromQRgb(picture.working().pixel(150, 100)), makeTColor(0, 255, 0)) << "clipped to the outline";
    EXPECT_EQ(picture.strokes().back().extremes[kBottommost], QPoint(145, 95));
}

TEST(PaintPicture, AHiddenPictureStrokeRecordsTheExtentADrawnOneWouldAndPaintsNothing)
{
    // The piece's top-left corner lies on white, its bottom-right one on the line: the probes read the
    // piece's own corner pixel, or what shows through a white one.
    for (int variant = 0; variant < 4; ++variant) {
        PaintPicture drawn, hidden;
        drawn.addStroke(thickLine(5));
        hidden.addStroke(thickLine(5));
        QImage piece(30, 20, QImage::Format_RGB32);
        piece.fill(variant & 1 ? Qt::white : Qt::black);
        StrokeInputs in;
        in.kind = kStrokePicture;
        in.release = {120, 80};
        in.picture = piece;
        in.freeForm = variant & 2;
        if (in.freeForm)
            in.points = {{120, 80}, {149, 80}, {149, 99}, {120, 99}, {120, 80}};
        const QImage before = hidden.working();
        drawn.addStroke(makeStroke(in));
        hidden.addPictureStrokeHidden(makeStroke(in));
        SCOPED_TRACE(variant);
        EXPECT_TRUE(hidden.working() == before);
        const TFigure &a = drawn.strokes().back(), &b = hidden.strokes().back();
        EXPECT_EQ(a.extremes, b.extremes);
        EXPECT_EQ(std::tie(a.margins.left, a.margins.top, a.margins.right, a.margins.bottom),
                  std::tie(b.margins.left, b.margins.top, b.margins.right, b.margins.bottom));
    }
}
