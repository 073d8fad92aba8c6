// The traced fills of a vector picture: each outline covers the pixels its fill paints on the drawing
// drawn whole at the same scale, whether the fill was found in a small window around its seed, in a
// window grown past a large outline, over an earlier fill, or on a twin of the whole canvas.

#include "document/drawing_bitmap.h"
#include "document/fill_tracing.h"
#include "support/figure_builders.h"

#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

constexpr int kScale = 4;
constexpr TColor kYellow = 0x00FFFF, kLime = 0x00FF00, kBlue = 0xFF0000; // BGR, as stored

TFigure fill(QPoint seed, TColor colour)
{
    TFigure f = twoPointFigure(fkNuri, seed, seed);
    f.fillColor = colour;
    return f;
}

QImage mask(QSize size, const std::function<bool(int, int)>& inside)
{
    QImage out(size, QImage::Format_Grayscale8);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            out.scanLine(y)[x] = inside(x, y) ? 255 : 0;
    return out;
}

// The pixels of the whole drawing at the scale that have the colour.
QImage colourMask(const QImage& drawn, TColor colour)
{
    return mask(drawn.size(), [&](int x, int y) {
        return (drawn.pixel(x, y) & 0xFFFFFFu) == (toQRgb(colour) & 0xFFFFFFu);
    });
}

QImage outlineMask(QSize size, const QPainterPath& outline)
{
    QImage out(size, QImage::Format_Grayscale8);
    out.fill(0);
    QPainter p(&out);
    p.scale(kScale, kScale);
    p.fillPath(outline, Qt::white);
    return out;
}

// Pixels set in one mask and not the other, and how many the first has.
std::pair<int, int> difference(const QImage& expected, const QImage& got)
{
    int differ = 0, count = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            count += expected.scanLine(y)[x] != 0;
            differ += (expected.scanLine(y)[x] != 0) != (got.scanLine(y)[x] != 0);
        }
    return {differ, count};
}

void expectCovers(const QImage& drawn, const std::optional<TracedFill>& traced, TColor colour)
{
    ASSERT_TRUE(traced.has_value());
    EXPECT_EQ(traced->colour.rgb() & 0xFFFFFFu, toQRgb(colour) & 0xFFFFFFu);
    const QImage expected = colourMask(drawn, colour);
    const auto [differ, count] = difference(expected, outlineMask(drawn.size(), traced->outline));
    ASSERT_GT(count, 0);
    // The simplified staircase strays from the pixels by at most one twin pixel along the edge.
    EXPECT_LT(differ, count / 30) << differ << " of " << count;
}

} // namespace

TEST(FillTracing, FillsInWindowsSmallGrownAndOverAnEarlierFillCoverWhatTheyPaint)
{
    const QSize canvas(600, 400);
    const QPoint small(60, 60);
    FigureList figures{
        twoPointFigure(fkCircle, {40, 60}, {80, 60}, 1, 4), // a small ring: its fill fits the first window
        fill(small, clRed),                                 // of white: beneath the strokes
        twoPointFigure(fkSingle, {55, 55}, {65, 55}, 1),    // a line inside the red, touching no edge
        fill(small, kYellow),                               // over the red: in the order drawn
        twoPointFigure(fkCircle, {150, 200}, {450, 200}, 2, 4), // a large ring: the window grows twice
        fill({300, 200}, kLime),
    };
    const QImage drawn = scaledDrawingBitmap(canvas, figures, {}, {}, kScale);
    const std::vector<std::optional<TracedFill>> fills = traceFills({canvas, &figures, {}, {}}, kScale);
    ASSERT_EQ(fills.size(), figures.size());
    EXPECT_FALSE(fills[0] || fills[2] || fills[4]);
    EXPECT_TRUE(fills[1] && fills[1]->beneath);
    expectCovers(drawn, fills[3], kYellow);
    EXPECT_FALSE(fills[3]->beneath) << "it replaced the red fill painted before it, not white";
    expectCovers(drawn, fills[5], kLime);
    EXPECT_GT(fills[5]->outline.boundingRect().width(), 250);
}

TEST(FillTracing, AFillOfMostOfTheCanvasIsTracedOnATwinOfTheWholeCanvas)
{
    const QSize canvas(200, 150);
    FigureList figures{
        twoPointFigure(fkCircle, {60, 75}, {140, 75}, 1, 4),
        fill({5, 5}, kBlue),    // around the ring, up to every edge of the canvas
        fill({100, 75}, clRed), // inside it, after the fill that needed the whole canvas
    };
    const QImage drawn = scaledDrawingBitmap(canvas, figures, {}, {}, kScale);
    const std::vector<std::optional<TracedFill>> fills = traceFills({canvas, &figures, {}, {}}, kScale);
    expectCovers(drawn, fills[1], kBlue);
    expectCovers(drawn, fills[2], clRed);
    EXPECT_EQ(fills[1]->outline.boundingRect(), QRectF(0, 0, 200, 150));
}
