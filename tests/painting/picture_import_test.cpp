// The import window's picture work without its window: the adjustment of levels (rounding, clamping,
// never adding up) and the cut-out line's crop, erase and line erase.

#include "painting/cut_out.h"
#include "painting/picture_adjust.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

CutLine rectangleLine(QPoint a, QPoint b, CutShape shape = CutShape::Rectangle)
{
    CutLine line;
    line.shape = shape;
    line.points << a << b;
    line.box = QRect(a, b).normalized();
    return line;
}

} // namespace

TEST(PictureAdjust, LevelsShiftRoundTiesToEvenClampAndComeBackExactly)
{
    QImage picture(4, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(1, 1, 1));
    picture.setPixel(2, 0, qRgb(200, 100, 30));
    picture.setPixel(3, 0, qRgb(255, 255, 255));
    const QImage brighter = adjustPicture(picture, 10, 0, 0, 0); // + 25.5
    EXPECT_EQ(brighter.pixel(0, 0), qRgb(26, 26, 26)) << "25.5 rounds to the even 26";
    EXPECT_EQ(brighter.pixel(1, 0), qRgb(26, 26, 26)) << "26.5 rounds to the even 26";
    EXPECT_EQ(brighter.pixel(3, 0), qRgb(255, 255, 255)) << "white stays white";
    EXPECT_EQ(adjustPicture(picture, -100, 0, 0, 0).pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(adjustPicture(picture, 50, 0, 0, -50).pixel(2, 0), qRgb(255, 228, 30));
    EXPECT_EQ(adjustPicture(picture, -100, 0, 0, 100).pixel(2, 0), qRgb(0, 0, 30));
    EXPECT_EQ(adjustPicture(picture, 0, 100, 0, 0).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(adjustPicture(picture, 0, 0, 0, 0), picture) << "centred bars give the picture back";
    EXPECT_EQ(adjustPicture(picture, -10, 0, 0, 0).pixel(3, 0), qRgb(230, 230, 230));
}

TEST(CutOut, ARectangleCropsToItsBoxWithTheStrokeAndTheOutsideWhite)
{
    const QImage black = filled(QSize(100, 80), qRgb(0, 0, 0));
    const QImage cut = cutOut(black, rectangleLine({10, 10}, {50, 40}), 5);
    ASSERT_EQ(cut.size(), QSize(40, 30));
    EXPECT_EQ(cut.pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu) << "under the stroke";
    EXPECT_EQ(cut.pixel(1, 15) & 0xFFFFFFu, 0xFFFFFFu) << "a five-pixel stroke reaches two pixels in";
    EXPECT_EQ(cut.pixel(20, 15) & 0xFFFFFFu, 0u);

    const QImage round = cutOut(black, rectangleLine({10, 10}, {50, 50}, CutShape::Ellipse), 1);
    EXPECT_EQ(round.pixel(1, 1) & 0xFFFFFFu, 0xFFFFFFu) << "outside the ellipse";
    EXPECT_EQ(round.pixel(20, 20) & 0xFFFFFFu, 0u);

    // Erasing paints the enclosed part white; erasing the line leaves its inside.
    QImage erased = black;
    eraseEnclosed(erased, rectangleLine({10, 10}, {50, 40}), 1);
    EXPECT_EQ(erased.pixel(30, 25) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(erased.pixel(60, 25) & 0xFFFFFFu, 0u);
    QImage lined = black;
    eraseLine(lined, rectangleLine({10, 10}, {50, 40}), 3);
    EXPECT_EQ(lined.pixel(10, 25) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(lined.pixel(30, 25) & 0xFFFFFFu, 0u);
}

TEST(CutOut, AFreeLineIsClosedForTheCutAndOpenForTheLineEraseAndClampedToThePicture)
{
    CutLine line;
    line.shape = CutShape::Free;
    line.points << QPoint(-20, 10) << QPoint(60, 10) << QPoint(60, 120) << QPoint(10, 60);
    line.box = line.points.boundingRect();
    clampCutLine(line, QSize(100, 80));
    EXPECT_EQ(line.points[0], QPoint(0, 10));
    EXPECT_EQ(line.points[2], QPoint(60, 80));
    EXPECT_EQ(line.box, QRect(QPoint(0, 10), QPoint(60, 80)));
    QImage lined = filled(QSize(100, 80), qRgb(0, 0, 0));
    eraseLine(lined, line, 1);
    EXPECT_EQ(lined.pixel(30, 10) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(lined.pixel(5, 35) & 0xFFFFFFu, 0u) << "no closing segment from the last point to the first";
}
