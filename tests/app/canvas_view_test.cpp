#include "document/main_window/canvas_view.h"

#include "document/figure_renderer.h"
#include "document/view_compose.h"
#include "support/figure_builders.h"
#include "support/image_test_util.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

QImage shot(CanvasView& view, const QRect& part = QRect(), QImage::Format format = QImage::Format_RGB32)
{
    const QRect area = part.isNull() ? view.rect() : part;
    QImage image(area.size(), format);
    image.fill(Qt::magenta); // whatever is not painted stays magenta
    view.render(&image, QPoint(), QRegion(area));
    return image;
}

// No grid, and a black column at x = 100 down the first 300 rows for overlays to invert.
void drawColumn(Drawing& drawing)
{
    drawing.settings.showMasu = false;
    for (int y = 0; y < 300; ++y)
        drawing.bitmap().setPixel(100, y, qRgb(0, 0, 0));
}

// The figure as its rubber band draws it: inverting.
void paintInverted(const TFigure& f, Canvas& canvas)
{
    RenderOptions options;
    options.mode = PenMode::NotXor;
    renderFigure(f, {canvas, true, 100}, options);
}

} // namespace

TEST(CanvasView, ShowsTheDrawingBitmapAtTheZoom)
{
    Drawing drawing;
    drawing.settings.showMasu = false;
    drawing.bitmap().setPixel(10, 10, qRgb(0, 0, 0));
    CanvasView view(drawing);
    view.setZoom(200);
    EXPECT_EQ(view.size(), QSize(3000, 2000));
    const QImage image = shot(view, QRect(0, 0, 60, 60));
    for (QPoint p : {QPoint(20, 20), QPoint(21, 21)})
        EXPECT_EQ(pixelAt(image, p.x(), p.y()), clBlack);
    EXPECT_EQ(pixelAt(image, 22, 20), clWhite);
    EXPECT_EQ(pixelAt(image, 19, 19), clWhite);
}

TEST(CanvasView, OnlyTheExposedPartIsPainted)
{
    Drawing drawing;
    CanvasView view(drawing);
    view.setZoom(500);
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    view.render(&image, QPoint(), QRegion(3000, 2000, 100, 100));
    EXPECT_EQ(countPixels(image, makeTColor(255, 0, 255), QRect(0, 0, 200, 200)), 200 * 200 - 100 * 100);
    EXPECT_EQ(pixelAt(image, 50, 50) == makeTColor(255, 0, 255), false);
}

TEST(CanvasView, TheGridIsMaskedInSoDarkFiguresStayDark)
{
    Drawing drawing;
    QImage& bitmap = drawing.bitmap();
    for (int y = 0; y < 100; ++y)
        bitmap.setPixel(23, y, qRgb(0, 0, 0));
    CanvasView view(drawing);
    const QImage image = shot(view, QRect(0, 0, 100, 100));
    // The vertical line at x = 24 - 1 lies on the black column: still black. The one at 47 is dotted silver.
    EXPECT_EQ(countPixels(image, clBlack, QRect(23, 0, 1, 100)), 100);
    const int silver = countPixels(image, clSilver, QRect(47, 0, 1, 100));
    EXPECT_GT(silver, 20);
    EXPECT_LT(silver, 100);
    drawing.settings.showMasu = false;
    EXPECT_EQ(countPixels(shot(view, QRect(0, 0, 100, 100)), clSilver), 0);
}

TEST(CanvasView, ANewDrawingShowsItsWhiteCanvasWithoutMakingTheBitmap)
{
    Drawing drawing;
    CanvasView view(drawing);
    QImage white(drawing.canvasSize(), QImage::Format_RGB32), expected(61, 73, QImage::Format_RGB32);
    white.fill(Qt::white);
    // A part off the grid's period and taller than a strip, rendered at an offset: the dots stay
    // anchored to the view and the strips join.
    const QRect part(QPoint(5, 7), expected.size());
    ViewLook look;
    look.grid = true;
    look.gridColour = drawing.settings.masuColor;
    look.gridSpacing = drawing.settings.masuHaba;
    QImage sample(30, 30, QImage::Format_RGB32);
    sample.fill(qRgb(0, 0, 255));
    for (int zoom : {100, 200, 150}) {
        view.setZoom(look.zoom = zoom);
        if (zoom == 150) { // a sample under the grid
            view.setSample(sample, QRect(20, 10, 30, 30), true);
            look.sample = &sample;
            look.samplePlace = QRect(30, 15, 45, 45);
        }
        composeView(expected, part, white, look);
        EXPECT_TRUE(imagesMatch(shot(view, part), expected, 0, QStringLiteral("new-drawing-view")));
    }
    EXPECT_FALSE(drawing.bitmapMade());
    view.setSample(QImage(), QRect(), false);
    view.setZoom(200);
    drawing.bitmap().setPixel(10, 10, qRgb(0, 0, 0));
    EXPECT_EQ(pixelAt(shot(view, part), 15, 13), clBlack) << "the bitmap made is shown";
}

TEST(CanvasView, CursorMarksInvertWhatIsUnderThemAndGoAway)
{
    Drawing drawing;
    drawing.settings.showMasu = false;
    CanvasView view(drawing);
    view.setMarkStyle({true, false, false});
    view.showMarks({50, 50});
    // Written into the pixels painted, or drawn by the painter where it paints another format.
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888}) {
        const QImage marked = shot(view, QRect(0, 0, 100, 100), format);
        EXPECT_EQ(pixelAt(marked, 45, 50), clSilver) << "the square's left edge";
        EXPECT_EQ(pixelAt(marked, 50, 52), clWhite) << "between the diagonals";
        EXPECT_EQ(pixelAt(marked, 47, 47), clSilver) << "a diagonal";
        EXPECT_TRUE(view.markRegion({50, 50}).contains(QPoint(45, 50)));
        // The whole mark: an 11-pixel square and two 8-pixel diagonals, each pixel inverted once.
        const char* const expected[] = {"###########", //
                                        "##......#.#", //
                                        "#.#....#..#", //
                                        "#..#..#...#", //
                                        "#...##....#", //
                                        "#...##....#", //
                                        "#..#..#...#", //
                                        "#.#....#..#", //
                                        "##......#.#", //
                                        "#.........#", //
                                        "###########"};
        for (int row = 0; row < 11; ++row)
            for (int column = 0; column < 11; ++column)
                EXPECT_EQ(pixelAt(marked, 45 + column, 45 + row),
                          expected[row][column] == '#' ? clSilver : clWhite)
                    << column << "," << row;
        EXPECT_EQ(countPixels(marked, clSilver), 40 + 16);
    }
    view.eraseMarks();
    EXPECT_EQ(countPixels(shot(view, QRect(0, 0, 100, 100)), clWhite), 100 * 100);
    view.setMarkStyle({false, true, false});
    view.showMarks({30, 40});
    const QImage cross = shot(view, QRect(0, 0, 100, 100));
    EXPECT_GT(countPixels(cross, makeTColor(0x80, 0x80, 0x80), QRect(0, 40, 100, 1)), 30);
    EXPECT_GT(countPixels(cross, makeTColor(0x80, 0x80, 0x80), QRect(30, 0, 1, 100)), 30);
}

TEST(CanvasView, ASampleShowsThroughTheWhiteOfTheDrawing)
{
    Drawing drawing;
    drawing.settings.showMasu = false;
    drawing.bitmap().setPixel(5, 5, qRgb(0, 0, 0));
    CanvasView view(drawing);
    QImage sample(10, 10, QImage::Format_RGB32);
    sample.fill(qRgb(0, 0, 255));
    view.setSample(sample, QRect(0, 0, 20, 20), true);
    const QImage image = shot(view, QRect(0, 0, 40, 40));
    EXPECT_EQ(pixelAt(image, 10, 10), makeTColor(0, 0, 255));
    EXPECT_EQ(pixelAt(image, 5, 5), clBlack);
    EXPECT_EQ(pixelAt(image, 30, 30), clWhite);
    view.setSample(sample, QRect(0, 0, 20, 20), false);
    EXPECT_EQ(pixelAt(shot(view, QRect(0, 0, 40, 40)), 10, 10), clWhite);
}

TEST(CanvasView, OverlaysPaintOnlyWhereTheirAreaSaysAndMarksAnywhere)
{
    Drawing drawing;
    drawing.settings.showMasu = false;
    CanvasView view(drawing);
    QRegion area(0, 0, 30, 30);
    QRegion askedFor;
    view.setOverlayPainter(
        [&](Canvas& canvas, const QRect& exposed) {
            askedFor += exposed;
            canvas.fillRect(QRect(10, 10, 10, 10), clRed);
            canvas.fillRect(QRect(50, 50, 10, 10), clRed); // outside the area it declared
        },
        [&] { return area; });
    const QImage image = shot(view, QRect(0, 0, 100, 100));
    EXPECT_EQ(countPixels(image, clRed), 100);
    EXPECT_EQ(pixelAt(image, 15, 15), clRed);
    EXPECT_EQ(askedFor, QRegion(0, 0, 30, 30));
    area = QRegion();
    view.setMarkStyle({true, false, false});
    view.showMarks({70, 70});
    const QImage marked = shot(view, QRect(0, 0, 100, 100));
    EXPECT_EQ(countPixels(marked, clRed), 0) << "no area: the overlays are not asked";
    EXPECT_EQ(pixelAt(marked, 65, 70), clSilver) << "the marks still show";
}

TEST(CanvasView, AnInvertingOverlayTallerThanAStripLooksAsIfDrawnOnceOverTheView)
{
    // Wedges clip their strokes to their triangle; that clip must stay within the part being painted,
    // and the drawing underneath must show through inverted, whatever the number of parts.
    Drawing drawing;
    drawColumn(drawing);
    CanvasView view(drawing);
    const QRect area(0, 0, 260, 300);
    const QImage before = shot(view, area);
    for (int shape : {6, -6}) {
        TFigure wedge = bond({40, 20}, {180, 280}, 2);
        wedge.kind = fkStereo;
        wedge.shape = shape;
        const auto paint = [&](Canvas& canvas) { paintInverted(wedge, canvas); };
        view.setOverlayPainter([&](Canvas& canvas, const QRect&) { paint(canvas); },
                               [&] { return QRegion(area); });
        QImage expected = before.copy();
        {
            Canvas canvas(expected);
            paint(canvas);
        }
        ASSERT_NE(expected, before);
        EXPECT_TRUE(imagesMatch(shot(view, area), expected, 0, QString("tall-wedge-band-%1").arg(shape)));
    }
}

