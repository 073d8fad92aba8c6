#include "document/drawing_bitmap.h"
#include "document/figure_commit.h"
#include "document/fill_surroundings.h"
#include "document/geometry.h"
#include "document/selection_frames.h"

#include "support/image_test_util.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

TFigure bond(QPoint a, QPoint b, int style = 0)
{
    TFigure f;
    f.kind = fkSingle;
    f.lineWidth = 1;
    f.penStyle = style;
    f.ends[kMainStart] = a;
    f.ends[kMainEnd] = b;
    f.freeEnds = f.ends;
    f.handle = handlePoint(f);
    return f;
}

TFigure fillAt(QPoint p, TColor colour = makeTColor(255, 200, 0))
{
    TFigure f;
    f.kind = fkNuri;
    f.fillColor = colour;
    f.ends[kMainStart] = f.ends[kMainEnd] = p;
    f.freeEnds = f.ends;
    return f;
}

// Six bonds of a hexagon around centre, in list order.
void addRing(FigureList& list, QImage& bitmap, RenderRecord& recorded, QPoint centre, int style = 0)
{
    for (int i = 0; i < 6; ++i) {
        const QPoint a = centre + polar(60, 60.0 * i), b = centre + polar(60, 60.0 * (i + 1));
        commitFinishedFigure(list, bitmap, bond(a, b, style), recorded, {});
    }
}

} // namespace

TEST(FillRendering, AFillInsideARingFillsOnlyTheInsideAndNamesTheRing)
{
    QImage bitmap = whiteImage(400, 300);
    FigureList list;
    RenderRecord recorded;
    commitFinishedFigure(list, bitmap, bond({10, 10}, {60, 10}), recorded, {}); // not part of the ring
    addRing(list, bitmap, recorded, {200, 150});
    const TColor yellow = makeTColor(255, 200, 0);
    const int index = commitFinishedFigure(list, bitmap, fillAt({200, 150}), recorded, {});
    EXPECT_EQ(pixelAt(bitmap, 200, 150), yellow);
    EXPECT_EQ(pixelAt(bitmap, 200, 60), clWhite) << "outside the ring";
    EXPECT_EQ(pixelAt(bitmap, 5, 5), clWhite);
    const TFigure& fill = list[std::size_t(index)];
    ASSERT_EQ(fill.points.size(), 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(fill.points[std::size_t(i)], QPoint(i + 1, 0)) << "in list order";
}

TEST(FillRendering, ADashedRingStillBoundsAndSurroundsItsFill)
{
    QImage bitmap = whiteImage(400, 300);
    FigureList list;
    RenderRecord recorded;
    addRing(list, bitmap, recorded, {200, 150}, 1);
    const int index = commitFinishedFigure(list, bitmap, fillAt({200, 150}), recorded, {});
    EXPECT_EQ(pixelAt(bitmap, 200, 60), clWhite) << "the near-white gaps hold the fill in";
    EXPECT_EQ(list[std::size_t(index)].points.size(), 6u);
}

TEST(FillRendering, AFillOfAnOpenAreaFindsNoSurroundings)
{
    QImage bitmap = whiteImage(400, 300);
    FigureList list;
    RenderRecord recorded;
    addRing(list, bitmap, recorded, {200, 150});
    const int index = commitFinishedFigure(list, bitmap, fillAt({380, 20}), recorded, {});
    EXPECT_TRUE(list[std::size_t(index)].points.empty());
    EXPECT_EQ(pixelAt(bitmap, 5, 295), makeTColor(255, 200, 0));
    EXPECT_EQ(pixelAt(bitmap, 200, 150), clWhite) << "the inside of the ring is not reached";
}

TEST(FillRendering, AFillOnItsOwnColourChangesNothing)
{
    QImage bitmap = whiteImage(100, 100);
    bitmap.fill(toQRgb(clSilver));
    FigureList list;
    RenderRecord recorded;
    commitFinishedFigure(list, bitmap, fillAt({50, 50}, clSilver), recorded, {});
    EXPECT_EQ(countPixels(bitmap, clSilver), 100 * 100);
}

TEST(FillRendering, BoundaryProbesStopAtTheFirstOtherColourOrGiveTheSeed)
{
    QImage bitmap = whiteImage(300, 100);
    for (int y = 0; y < 100; ++y)
        bitmap.setPixel(150, y, toQRgb(clBlack));
    EXPECT_EQ(probeBoundary(bitmap, {120, 50}, 0, clWhite), QPoint(150, 50));
    EXPECT_EQ(probeBoundary(bitmap, {10, 50}, 0, clWhite), QPoint(10, 50)) << "nothing within 100 pixels";
    EXPECT_EQ(probeBoundary(bitmap, {50, 95}, -90, clWhite), QPoint(50, 100)) << "off the bitmap differs";
}

TEST(DrawingBitmap, ARebuildEqualsTheFiguresRenderedInOrderOverTheBackground)
{
    QImage background = whiteImage(120, 80);
    background.fill(toQRgb(makeTColor(0, 120, 255)));
    FigureList list;
    QImage incremental = whiteImage(400, 300);
    {
        Canvas c(incremental);
        c.drawImage(QRect(0, 0, 120, 80), background);
    }
    RenderRecord recorded;
    addRing(list, incremental, recorded, {200, 150});
    commitFinishedFigure(list, incremental, bond({20, 20}, {300, 40}, 2), recorded, {});
    commitFinishedFigure(list, incremental, fillAt({200, 150}), recorded, {});
    commitFinishedFigure(list, incremental, fillAt({30, 30}, clRed), recorded, {}); // paints the background
    QImage rebuilt = whiteImage(400, 300);
    rebuilt.fill(toQRgb(clBlack)); // whatever was there goes
    rebuildDrawingBitmap(rebuilt, list, background, {});
    EXPECT_TRUE(imagesMatch(rebuilt, incremental, 0, "rebuild"));
    EXPECT_EQ(pixelAt(rebuilt, 100, 70), clRed);
}

TEST(DrawingBitmap, SelectedFiguresBeingMovedAreLeftOut)
{
    FigureList list{bond({10, 50}, {190, 50})};
    list[0].selected = true;
    QImage bitmap = whiteImage(200, 100);
    RebuildOptions moving;
    moving.includeSelected = false;
    moving.movingSelection = true;
    rebuildDrawingBitmap(bitmap, list, QImage(), {}, moving);
    EXPECT_EQ(pixelAt(bitmap, 100, 50), clWhite);
    moving.movingSelection = false;
    rebuildDrawingBitmap(bitmap, list, QImage(), {}, moving);
    EXPECT_EQ(pixelAt(bitmap, 100, 50), clBlack);
}

namespace {

QImage frameOf(const TFigure& f, int zoom = 100)
{
    QImage image = whiteImage(200, 200);
    Canvas canvas(image);
    drawSelectionFrame(canvas, f, zoom);
    canvas.flush();
    return image;
}

} // namespace

TEST(SelectionFrames, SelectedIsAFilledRedSquareUnselectedATwoPixelOutline)
{
    TFigure f = bond({80, 100}, {120, 100});
    f.selected = true;
    const QImage filled = frameOf(f);
    EXPECT_EQ(pixelAt(filled, 100, 100), clRed);
    EXPECT_EQ(countPixels(filled, clRed), 14 * 14);
    EXPECT_EQ(countPixels(filled, clRed) + countPixels(filled, clWhite), 200 * 200);
    f.selected = false;
    const QImage outline = frameOf(f);
    EXPECT_EQ(pixelAt(outline, 100, 100), clWhite);
    EXPECT_EQ(countPixels(outline, clRed, QRect(0, 100, 200, 1)), 4) << "two pixels on each side";
    EXPECT_EQ(pixelAt(outline, 92, 100), clRed);
    EXPECT_EQ(pixelAt(outline, 94, 100), clWhite);
    // The handle is converted to the screen: at 50 % the square sits around (50, 50).
    EXPECT_EQ(pixelAt(frameOf(f, 50), 42, 50), clRed);
}

TEST(SelectionFrames, PicturesAreGreenWithADottedBoxAndALabel)
{
    TFigure f;
    f.kind = fkPicture;
    f.handle = {100, 100};
    f.extremes = {QPoint(40, 50), QPoint(40, 50), QPoint(160, 150), QPoint(160, 150)};
    const QImage image = frameOf(f);
    EXPECT_EQ(countPixels(image, clRed), 0);
    EXPECT_GT(countPixels(image, clGreen, QRect(40, 50, 121, 1)), 20) << "dotted top edge";
    EXPECT_LT(countPixels(image, clGreen, QRect(40, 50, 121, 1)), 121);
    EXPECT_GT(countPixels(image, clGreen, QRect(43, 53, 30, 16)) +
                  (200 * 200 - countPixels(image, clWhite) - countPixels(image, clGreen)),
              5)
        << "the label is drawn near the corner";
    EXPECT_EQ(pixelAt(image, 92, 100), clGreen);
}

TEST(RangeRendering, TheRubberBandIsADottedRedRectangleThatADrawingAgainErases)
{
    TFigure range;
    range.kind = fkRange;
    range.ends[kMainStart] = {20, 20};
    range.ends[kMainEnd] = {120, 80};
    QImage image = whiteImage(200, 100);
    {
        Canvas c(image);
        renderFigure(range, {c, true, 100});
    }
    const int painted = 200 * 100 - countPixels(image, clWhite);
    EXPECT_GT(painted, 50);
    EXPECT_LT(painted, 2 * (100 + 60)) << "dotted, not solid";
    EXPECT_LT(countPixels(image, clWhite, QRect(20, 20, 101, 1)), 101) << "the top edge is drawn";
    EXPECT_EQ(countPixels(image, clWhite, QRect(21, 21, 99, 59)), 99 * 59) << "nothing inside";
    {
        Canvas c(image);
        renderFigure(range, {c, true, 100});
    }
    EXPECT_EQ(countPixels(image, clWhite), 200 * 100);
}

TEST(RangeRendering, AFreeRangeBeingDrawnAddsOnlyEvenSegments)
{
    TFigure range;
    range.kind = fkRange;
    range.freeForm = true;
    QImage image = whiteImage(200, 100);
    Canvas c(image);
    RenderOptions options;
    TDynamicPtArray dragged{{10, 10}, {50, 10}, {50, 50}};
    options.dragged = &dragged;
    renderFigure(range, {c, true, 100}, options);
    c.flush();
    EXPECT_EQ(countPixels(image, clWhite), 200 * 100) << "odd count: nothing";
    dragged.push_back({90, 50});
    renderFigure(range, {c, true, 100}, options);
    c.flush();
    EXPECT_NE(pixelAt(image, 70, 50), clWhite);
    EXPECT_EQ(pixelAt(image, 30, 10), clWhite) << "only the newest segment";
    // Not being drawn: the whole outline.
    range.points = dragged;
    QImage whole = whiteImage(200, 100);
    Canvas w(whole);
    renderFigure(range, {w, true, 100});
    w.flush();
    EXPECT_NE(pixelAt(whole, 30, 10), clWhite);
    EXPECT_NE(pixelAt(whole, 50, 30), clWhite);
}
