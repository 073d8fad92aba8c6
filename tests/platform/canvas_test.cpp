#include "platform/canvas.h"

#include "support/image_test_util.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

CanvasPen pen(int width, PenStyle style = PenStyle::Solid, TColor color = clBlack)
{
    return CanvasPen{color, width, style};
}

// Rows of column x painted in color.
int paintedRows(const QImage& image, int x, TColor color)
{
    return countPixels(image, color, QRect(x, 0, 1, image.height()));
}

bool onlyColours(const QImage& image, std::initializer_list<TColor> allowed)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (std::find(allowed.begin(), allowed.end(), pixelAt(image, x, y)) == allowed.end())
                return false;
    return true;
}

// A white image with a coloured, outlined triangle on it, so that a test is not only about white.
QImage colouredBackground(int width, int height, const QPolygon& triangle, int penWidth)
{
    QImage image = whiteImage(width, height);
    Canvas c(image);
    c.setBrush({makeTColor(200, 30, 90), BrushStyle::Solid});
    c.setPen(pen(penWidth, PenStyle::Solid, makeTColor(10, 200, 40)));
    c.polygon(triangle);
    return image;
}

} // namespace

TEST(Canvas, AWideLineIsExactlyItsWidthAcrossAndCentredOnItsPoints)
{
    for (int width : {1, 2, 9, 40}) {
        QImage image = whiteImage(200, 200);
        {
            Canvas c(image);
            c.setPen(pen(width));
            c.line({50, 100}, {150, 100});
        }
        EXPECT_EQ(paintedRows(image, 100, clBlack), width) << "width " << width;
        // Odd widths are symmetric about the line; even widths put the spare row on one side.
        const int above = countPixels(image, clBlack, QRect(100, 0, 1, 100));
        EXPECT_EQ(above, width / 2) << "width " << width;
    }
}

TEST(Canvas, RoundCapsReachHalfTheWidthBeyondTheEnds)
{
    QImage image = whiteImage(200, 100);
    {
        Canvas c(image);
        c.setPen(pen(21));
        c.line({50, 50}, {150, 50});
    }
    EXPECT_EQ(pixelAt(image, 41, 50), clBlack);
    EXPECT_EQ(pixelAt(image, 159, 50), clBlack);
    EXPECT_EQ(pixelAt(image, 37, 50), clWhite);
    EXPECT_EQ(pixelAt(image, 163, 50), clWhite);
    // Round, not square: the corner of a square cap stays white.
    EXPECT_EQ(pixelAt(image, 42, 42), clWhite);
}

TEST(Canvas, DrawingIsAliased)
{
    QImage image = whiteImage(120, 120);
    {
        Canvas c(image);
        c.setPen(pen(5));
        c.line({10, 10}, {110, 57});
        c.ellipse({20, 20}, {100, 90});
        c.bezier({10, 100}, {40, 20}, {80, 140}, {110, 30});
    }
    EXPECT_TRUE(onlyColours(image, {clBlack, clWhite}));
}

TEST(Canvas, DashedAndDottedLinesLeaveGapsEvenOneOnePixelWide)
{
    for (PenStyle style : {PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot, PenStyle::DashDotDot}) {
        QImage image = whiteImage(200, 20);
        {
            Canvas c(image);
            c.setPen(pen(1, style));
            c.line({10, 10}, {190, 10});
        }
        const int painted = countPixels(image, clBlack, QRect(10, 10, 181, 1));
        EXPECT_GT(painted, 20) << int(style);
        EXPECT_LT(painted, 170) << int(style);
        EXPECT_EQ(countPixels(image, clBlack), painted) << "nothing off the line";
    }
}

TEST(Canvas, DashStylesDifferFromEachOther)
{
    QList<QImage> lines;
    for (int s = 0; s <= 4; ++s) {
        QImage image = whiteImage(300, 20);
        {
            Canvas c(image);
            c.setPen(pen(3, penStyleFromIndex(s)));
            c.line({10, 10}, {290, 10});
        }
        lines.append(image);
    }
    for (int a = 0; a < lines.size(); ++a)
        for (int b = a + 1; b < lines.size(); ++b)
            EXPECT_NE(lines[a], lines[b]) << a << " vs " << b;
    EXPECT_EQ(penStyleFromIndex(9), PenStyle::Solid);
}

TEST(Canvas, NotXorDrawnTwiceRestoresEveryPixel)
{
    QImage image = colouredBackground(160, 120, QPolygon({QPoint(5, 5), QPoint(150, 20), QPoint(60, 110)}), 7);
    const QImage before = image;
    auto drawAll = [](Canvas& c) {
        c.setPenMode(PenMode::NotXor);
        c.setPen(pen(9, PenStyle::DashDot, clRed));
        c.polyline(QPolygon({QPoint(0, 0), QPoint(150, 100), QPoint(20, 90), QPoint(140, 5)}));
        c.setPen(pen(1, PenStyle::Dot, clBlack));
        c.rectangle({3, 3}, {120, 80});
        c.setBrush({makeTColor(0, 0, 255), BrushStyle::Solid});
        c.setPen(pen(3));
        c.ellipse({40, 30}, {110, 100});
        c.setFont({QStringLiteral("ＭＳ Ｐゴシック"), 20, false, false, clRed});
        c.textOut({10, 40}, QStringLiteral("CH₃ あ"));
    };
    {
        Canvas c(image);
        drawAll(c);
    }
    EXPECT_NE(image, before);
    {
        Canvas c(image);
        drawAll(c);
    }
    EXPECT_TRUE(imagesMatch(image, before, 0, "notxor-twice"));
}

TEST(Canvas, MaskModeKeepsOnlyTheCommonBits)
{
    QImage image = whiteImage(20, 20);
    image.fill(toQRgb(makeTColor(0xF0, 0x0F, 0xFF)));
    {
        Canvas c(image);
        c.setPenMode(PenMode::Mask);
        c.setPen(pen(3, PenStyle::Solid, makeTColor(0x3C, 0xFF, 0x00)));
        c.line({2, 10}, {18, 10});
    }
    EXPECT_EQ(pixelAt(image, 10, 10), makeTColor(0x30, 0x0F, 0x00));
    EXPECT_EQ(pixelAt(image, 10, 2), makeTColor(0xF0, 0x0F, 0xFF));
}

TEST(Canvas, ShapesFillWithTheBrushOnlyWhenItIsSolid)
{
    QImage image = whiteImage(100, 50);
    {
        Canvas c(image);
        c.setPen(pen(1));
        c.setBrush({clSilver, BrushStyle::Clear});
        c.rectangle({5, 5}, {45, 45});
        c.setBrush({clSilver, BrushStyle::Solid});
        c.rectangle({55, 5}, {95, 45});
    }
    EXPECT_EQ(pixelAt(image, 25, 25), clWhite);
    EXPECT_EQ(pixelAt(image, 75, 25), clSilver);
    EXPECT_EQ(pixelAt(image, 5, 25), clBlack);
    EXPECT_EQ(pixelAt(image, 45, 25), clBlack) << "both corners are included";
    EXPECT_EQ(pixelAt(image, 95, 45), clBlack);
}

TEST(Canvas, ClippingConfinesDrawingToTheRegion)
{
    QImage image = whiteImage(100, 100);
    {
        Canvas c(image);
        c.setClipRegion(polygonRegion(QPolygon({QPoint(50, 10), QPoint(90, 90), QPoint(10, 90)})));
        c.setBrush({clBlack, BrushStyle::Solid});
        c.setPen(pen(1));
        c.rectangle({0, 0}, {99, 99});
        c.clearClip();
        c.setPixel({2, 2}, clRed);
    }
    EXPECT_EQ(pixelAt(image, 50, 60), clBlack);
    EXPECT_EQ(pixelAt(image, 15, 20), clWhite);
    EXPECT_EQ(pixelAt(image, 2, 2), clRed);
}

TEST(Canvas, AClipCanBeSetAgainAfterItWasCleared)
{
    QImage image = whiteImage(100, 100);
    {
        Canvas c(image);
        c.setPen(pen(1));
        for (int round = 0; round < 2; ++round) {
            c.setClipRegion(QRegion(40 * round, 0, 20, 20));
            c.line({0, 10}, {99, 10});
            c.clearClip();
        }
        // A region of many rectangles after a cleared one: a wedge's triangle must still cut its stroke.
        c.setClipRegion(polygonRegion(QPolygon({QPoint(50, 30), QPoint(90, 90), QPoint(10, 90)})));
        c.fillRect(QRect(0, 20, 100, 80), clRed);
    }
    EXPECT_EQ(countPixels(image, clBlack), 40);
    EXPECT_EQ(pixelAt(image, 45, 10), clBlack);
    EXPECT_EQ(pixelAt(image, 25, 10), clWhite);
    EXPECT_EQ(pixelAt(image, 50, 70), clRed);
    EXPECT_EQ(pixelAt(image, 90, 40), clWhite);
}

TEST(Canvas, TextIsMeasuredAndDrawnBelowAndRightOfItsCorner)
{
    QImage image = whiteImage(300, 100);
    Canvas c(image);
    c.setFont({QStringLiteral("ＭＳ Ｐゴシック"), 24, false, false, clBlack});
    const QSize one = c.textExtent(QStringLiteral("C"));
    const QSize three = c.textExtent(QStringLiteral("CCC"));
    EXPECT_GT(one.width(), 5);
    EXPECT_NEAR(three.width(), 3 * one.width(), 2); // advances are fractional
    EXPECT_EQ(one.height(), c.lineHeight());
    EXPECT_GE(c.lineHeight(), fontPixelSize(24));
    c.textOut({100, 30}, QStringLiteral("Cあ"));
    c.flush();
    const QSize box = c.textExtent(QStringLiteral("Cあ"));
    int inside = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (pixelAt(image, x, y) == clWhite)
                continue;
            (QRect(100, 30, box.width(), box.height()).contains(x, y) ? inside : outside)++;
        }
    EXPECT_GT(inside, 30);
    EXPECT_EQ(outside, 0);
}

TEST(Canvas, FontSizesAreTakenInPointsAtNinetySixDotsPerInch)
{
    EXPECT_EQ(fontPixelSize(36), 48);
    EXPECT_EQ(fontPixelSize(-12), 16);
    EXPECT_GT(fontPixelSize(0), 0);
    EXPECT_TRUE(toQFont({QStringLiteral("x"), -12, true, false, clBlack}).italic());
}

TEST(Canvas, PathsAreRecordedInsteadOfDrawnThenFlattenedWidenedAndTurnedIntoRegions)
{
    QImage image = whiteImage(200, 200);
    Canvas c(image);
    c.setPen(pen(10));
    c.beginPath();
    EXPECT_TRUE(c.isRecordingPath());
    c.line({20, 100}, {180, 100});
    c.bezier({20, 20}, {60, 0}, {140, 40}, {180, 20});
    const QPainterPath path = c.endPath();
    c.flush();
    EXPECT_EQ(countPixels(image, clWhite), 200 * 200) << "nothing drawn while recording";

    const QList<QPolygon> polylines = flattenPath(path);
    ASSERT_EQ(polylines.size(), 2);
    EXPECT_EQ(polylines[0].first(), QPoint(20, 100));
    EXPECT_EQ(polylines[0].last(), QPoint(180, 100));
    EXPECT_GT(polylines[1].size(), 4) << "the curve becomes many vertices";

    const QRegion region = pathToRegion(widenPath(path, pen(10)));
    EXPECT_TRUE(region.contains(QPoint(100, 104)));
    EXPECT_FALSE(region.contains(QPoint(100, 108)));
    EXPECT_TRUE(region.contains(QPoint(15, 100))) << "round cap";
    EXPECT_FALSE(region.contains(QPoint(100, 60)));
    EXPECT_TRUE(region.translated(5, 0).contains(QPoint(13 + 7, 100)));

    c.strokePath(path);
    c.flush();
    EXPECT_EQ(pixelAt(image, 100, 100), clBlack);
}

TEST(Canvas, StrokeCoverageAgreesWithThePaintedPixels)
{
    for (int width : {2, 5, 9, 10}) {
        QImage image = whiteImage(120, 120);
        QPainterPath path(QPointF(20, 30));
        path.lineTo(QPointF(100, 30));
        path.lineTo(QPointF(60, 100));
        {
            Canvas c(image);
            c.setPen(pen(width));
            c.strokePath(path);
        }
        const QPainterPath widened = widenPath(path, pen(width));
        int disagree = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 120; ++x)
                disagree += strokeCovers(widened, {x, y}) != (pixelAt(image, x, y) == clBlack);
        // Curved joins and caps may differ by a pixel here and there; straight edges must agree.
        EXPECT_LE(disagree, 2 * width) << "width " << width;
        EXPECT_TRUE(strokeCovers(widened, {60, 30}));
        EXPECT_FALSE(strokeCovers(widened, {60, 30 - width}));
    }
}

TEST(Canvas, OnePixelStrokesStepLikeLinesAndLieWithinHalfAPixelMore)
{
    QImage image = whiteImage(120, 120);
    QPainterPath path(QPointF(20, 30));
    path.lineTo(QPointF(100, 37));
    path.lineTo(QPointF(60, 100));
    {
        Canvas c(image);
        c.setPen(pen(1));
        c.strokePath(path);
    }
    const QPainterPath widened = widenPath(path, pen(2));
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x)
            if (pixelAt(image, x, y) == clBlack) {
                EXPECT_TRUE(strokeCovers(widened, {x, y})) << x << "," << y;
            }
}

TEST(Canvas, PixelReadsOutsideTheCanvasReturnNoColour)
{
    QImage image = whiteImage(10, 10);
    Canvas c(image);
    EXPECT_EQ(c.pixel({3, 3}), clWhite);
    EXPECT_EQ(c.pixel({-1, 3}), 0xFFFFFFFFu);
    EXPECT_EQ(c.pixel({3, 10}), 0xFFFFFFFFu);
    c.setPixel({10, 10}, clBlack); // ignored
}

TEST(Canvas, StretchedCopiesPlainSmoothAndWithWhiteTransparent)
{
    QImage src = whiteImage(2, 2);
    src.setPixel(0, 0, toQRgb(clBlack));
    src.setPixel(1, 1, toQRgb(clRed));
    QImage plain = whiteImage(40, 40);
    plain.fill(toQRgb(clSilver));
    QImage smooth = plain, keyed = plain;
    {
        Canvas c(plain);
        c.drawImage(QRect(0, 0, 40, 40), src);
    }
    {
        Canvas c(smooth);
        c.drawImage(QRect(0, 0, 40, 40), src, QRect(), true);
    }
    {
        Canvas c(keyed);
        c.drawImage(QRect(0, 0, 40, 40), src, QRect(), false, true);
    }
    EXPECT_EQ(pixelAt(plain, 5, 5), clBlack);
    EXPECT_EQ(pixelAt(plain, 35, 35), clRed);
    EXPECT_EQ(pixelAt(plain, 35, 5), clWhite);
    EXPECT_TRUE(onlyColours(plain, {clBlack, clRed, clWhite}));
    EXPECT_FALSE(onlyColours(smooth, {clBlack, clRed, clWhite})) << "halftone blends";
    EXPECT_EQ(pixelAt(keyed, 35, 5), clSilver) << "white lets the destination show";
    EXPECT_EQ(pixelAt(keyed, 5, 5), clBlack);

    // Unstretched through a clip, from pixels whose unused byte is 0: red only where the clip lets it
    // through, never under the white.
    QImage raw(40, 40, QImage::Format_RGB32), clipped = whiteImage(40, 40);
    for (int i = 0; i < 40 * 40; ++i)
        reinterpret_cast<QRgb*>(raw.bits())[i] = i % 40 < 10 ? 0x00FFFFFFu : 0x00FF0000u;
    {
        Canvas c(clipped);
        c.setClipRegion(QRegion(0, 0, 30, 20) + QRegion(0, 20, 20, 20));
        c.drawImage(QRect(0, 0, 40, 40), raw, QRect(), false, true);
    }
    EXPECT_EQ(pixelAt(clipped, 25, 5), clRed);
    EXPECT_EQ(pixelAt(clipped, 25, 30), clWhite) << "outside the clip";
    EXPECT_EQ(pixelAt(clipped, 5, 5), clWhite) << "under the white";
}

TEST(Canvas, AnOriginShiftsDrawingPixelReadsAndFills)
{
    QImage image = whiteImage(50, 50);
    Canvas c(image);
    c.setOrigin({-100, -200}); // the image shows canvas points (100, 200) .. (149, 249)
    c.setPen(pen(1));
    c.rectangle({110, 210}, {130, 230});
    c.floodFill({120, 220}, clSilver);
    c.flush();
    EXPECT_EQ(pixelAt(image, 10, 10), clBlack);
    EXPECT_EQ(pixelAt(image, 20, 20), clSilver);
    EXPECT_EQ(c.pixel({120, 220}), clSilver);
    EXPECT_EQ(c.pixel({5, 5}), 0xFFFFFFFFu) << "outside the part the image holds";
    EXPECT_EQ(pixelAt(image, 40, 40), clWhite);
}

TEST(Canvas, ANarrowedClipStaysWithinTheClipItNarrowsAndGivesItBack)
{
    QImage image = whiteImage(100, 100);
    {
        Canvas c(image);
        c.setClipRegion(QRegion(0, 0, 50, 100));
        {
            const Canvas::NarrowedClip narrowed(c, QRegion(25, 0, 75, 50));
            c.fillRect(QRect(0, 0, 100, 100), clRed);
        }
        EXPECT_EQ(c.clipRegion(), QRegion(0, 0, 50, 100)) << "given back";
        c.fillRect(QRect(0, 60, 100, 10), clGreen);
        {
            Canvas::NarrowedClip narrowed(c, QRegion(0, 90, 10, 10));
        }
        c.clearClip();
        {
            const Canvas::NarrowedClip narrowed(c, QRegion(90, 90, 10, 10));
        }
        EXPECT_FALSE(c.hasClip()) << "no clip before, none after";
    }
    EXPECT_EQ(countPixels(image, clRed), 25 * 50) << "only where both clips allow";
    EXPECT_EQ(pixelAt(image, 30, 30), clRed);
    EXPECT_EQ(countPixels(image, clGreen), 50 * 10) << "the outer clip again";
}
