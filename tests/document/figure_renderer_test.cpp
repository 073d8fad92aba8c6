#include "document/figure_renderer.h"

#include "document/geometry.h"
#include "support/image_test_util.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

TFigure line(int kind, QPoint a, QPoint b, int width = 1, int shape = 0, int style = 0)
{
    TFigure f;
    f.kind = kind;
    f.ends[kMainStart] = a;
    f.ends[kMainEnd] = b;
    f.freeEnds = f.ends;
    f.lineWidth = width;
    f.shape = shape;
    f.penStyle = style;
    return f;
}

struct Rendered {
    QImage image;
    RenderRecord record;
    FigureExtent extent() const { return record.extent.value(); }
};

Rendered render(const TFigure& f, QSize size = {400, 200}, bool record = false, bool screen = false, int zoom = 100)
{
    Rendered r{whiteImage(size.width(), size.height()), {}};
    Canvas canvas(r.image);
    RenderOptions options;
    options.record = record;
    r.record = renderFigure(f, {canvas, screen, zoom}, options);
    return r;
}

// The box of every pixel that is not pure white or near-white.
QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const TColor c = pixelAt(image, x, y);
            if (c != clWhite && c != clUnderlayWhite)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

int inkInColumn(const QImage& image, int x) { return countPixels(image, clBlack, QRect(x, 0, 1, image.height())); }

} // namespace

TEST(LineRendering, MappedWidthsGrowFasterAboveTenAndTwenty)
{
    const std::pair<int, int> table[] = {{0, 1}, {1, 1}, {10, 10}, {11, 13}, {20, 40}, {21, 47}, {50, 250}, {-11, 13}};
    for (auto [w, mapped] : table)
        EXPECT_EQ(mappedPenWidth(w), mapped) << w;
    const Rendered r = render(line(fkSingle, {100, 100}, {300, 100}, 20));
    EXPECT_EQ(inkInColumn(r.image, 200), 40);
    // Out-of-range widths are clamped to 50 when a bond is drawn, not in the record.
    const Rendered wide = render(line(fkSingle, {100, 300}, {300, 300}, 80), {400, 600});
    EXPECT_EQ(inkInColumn(wide.image, 200), 250);
}

TEST(LineRendering, ADoubleBondsSecondLineLiesOnTheSideOfTheShapesSign)
{
    const Rendered up = render(line(fkDouble, {50, 100}, {250, 100}, 1, 11));
    EXPECT_EQ(pixelAt(up.image, 150, 100), clBlack);
    EXPECT_EQ(pixelAt(up.image, 150, 89), clBlack);
    EXPECT_EQ(pixelAt(up.image, 150, 111), clWhite);
    EXPECT_EQ(inkInColumn(up.image, 150), 2);
    EXPECT_EQ(up.record.bondLines().secondStart, QPoint(50, 89));
    EXPECT_EQ(up.record.bondLines().secondEnd, QPoint(250, 89));

    const Rendered down = render(line(fkDouble, {50, 100}, {250, 100}, 1, -11));
    EXPECT_EQ(pixelAt(down.image, 150, 111), clBlack);
    EXPECT_EQ(pixelAt(down.image, 150, 89), clWhite);

    // Running the other way turns "left" around: the line is below for a positive shape.
    const Rendered back = render(line(fkDouble, {250, 100}, {50, 100}, 1, 11));
    EXPECT_EQ(pixelAt(back.image, 150, 111), clBlack);

    const Rendered flat = render(line(fkDouble, {50, 100}, {250, 100}, 1, 0));
    EXPECT_EQ(inkInColumn(flat.image, 150), 1) << "S = 0 draws the second line on the main line";
}

TEST(LineRendering, ATripleBondsExtraLinesLieOnOneSideAtOneAndTwoSpacings)
{
    const Rendered r = render(line(fkTriple, {50, 100}, {250, 100}, 1, 7));
    EXPECT_EQ(pixelAt(r.image, 150, 100), clBlack);
    EXPECT_EQ(pixelAt(r.image, 150, 93), clBlack);
    EXPECT_EQ(pixelAt(r.image, 150, 86), clBlack);
    EXPECT_EQ(inkInColumn(r.image, 150), 3);
    EXPECT_EQ(r.record.bondLines().thirdStart, QPoint(50, 86));
    // A vertical bond puts them to the left of its direction (down the screen: to the right).
    const Rendered v = render(line(fkTriple, {100, 20}, {100, 180}, 1, 7));
    EXPECT_EQ(pixelAt(v.image, 107, 100), clBlack);
    EXPECT_EQ(pixelAt(v.image, 114, 100), clBlack);
}

TEST(LineRendering, FixedSecondLinesAreDrawnWhereTheyAre)
{
    TFigure f = line(fkDouble, {50, 100}, {250, 100}, 1, 11);
    f.ends[kSecondStart] = {60, 120};
    f.ends[kSecondEnd] = {240, 120};
    const Rendered r = render(f);
    EXPECT_EQ(pixelAt(r.image, 150, 120), clBlack);
    EXPECT_EQ(pixelAt(r.image, 150, 89), clWhite);
    EXPECT_EQ(r.record.bondLines().secondStart, QPoint(60, 120));
}

TEST(LineRendering, OnTheScreenSpacingsAndWidthsScaleWithTheZoom)
{
    const Rendered r = render(line(fkDouble, {50, 100}, {250, 100}, 5, 11), {400, 200}, false, true, 200);
    EXPECT_EQ(inkInColumn(r.image, 150), 20);   // two lines of 10
    EXPECT_EQ(pixelAt(r.image, 150, 78), clBlack); // 22 above
    EXPECT_EQ(r.record.bondLines().secondStart, QPoint(50, 78));
}

TEST(LineRendering, StyledLinesLeaveNearWhiteNeverPureWhiteInTheirGaps)
{
    for (int style = 1; style <= 4; ++style) {
        const Rendered r = render(line(fkSingle, {20, 50}, {380, 50}, 1, 0, style));
        int black = 0, underlay = 0, white = 0;
        for (int x = 20; x <= 380; ++x) {
            const TColor c = pixelAt(r.image, x, 50);
            black += c == clBlack;
            underlay += c == clUnderlayWhite;
            white += c == clWhite;
        }
        EXPECT_GT(black, 0) << style;
        EXPECT_GT(underlay, 0) << style;
        EXPECT_EQ(white, 0) << style;
    }
    // Solid lines have no underlay at all.
    EXPECT_EQ(countPixels(render(line(fkSingle, {20, 50}, {380, 50}, 3)).image, clUnderlayWhite), 0);
}

TEST(LineRendering, ADirectionlessFigureDrawsNothing)
{
    for (int kind : {fkSingle, fkDouble, fkTriple, fkCurve, fkArrow, fkStereo, fkPai})
        EXPECT_TRUE(inkBox(render(line(kind, {40, 40}, {40, 40}, 3, 10)).image).isEmpty()) << kind;
}

TEST(CurveRendering, NoShapeIsAStraightLineAndAShapeBowsIt)
{
    const Rendered straight = render(line(fkCurve, {50, 100}, {350, 100}, 1, 0), {400, 200}, true);
    EXPECT_EQ(inkBox(straight.image), QRect(QPoint(50, 100), QPoint(350, 100)));
    const Rendered bent = render(line(fkCurve, {50, 150}, {350, 150}, 1, 6), {400, 200}, true);
    const QRect box = inkBox(bent.image);
    // b = 60 over a 300-pixel chord: the controls lie on the circle a third of the way along, so the
    // curve rises 3/4 of their 36-pixel height.
    EXPECT_NEAR(box.top(), 150 - 27, 2) << "a positive shape bows to the left of the direction (up here)";
    EXPECT_EQ(box.bottom(), 150);
    EXPECT_NEAR(bent.extent().extremes[kTopmost].y(), 150 - 27, 2);
}

TEST(ArrowRendering, TheHeadIsAtMostHalfTheLengthOfAShortArrow)
{
    // Long arrow, pen 1: the head is 6 long; 9 long arrow: generous-round(4.5) = 5.
    const Rendered longer = render(line(fkArrow, {100, 100}, {300, 100}, 1, 0));
    const Rendered shorter = render(line(fkArrow, {291, 100}, {300, 100}, 1, 0));
    const QRect longHead = inkBox(longer.image) & QRect(280, 0, 30, 200);
    const QRect shortHead = inkBox(shorter.image);
    EXPECT_EQ(longHead.top(), 100 + polar(6, 155).y());
    EXPECT_EQ(shortHead.top(), 100 + polar(5, 155).y());
    EXPECT_GE(shortHead.left(), 291);
}

TEST(ArrowRendering, TheHeadStaysSolidUnderADashedShaft)
{
    const TFigure f = line(fkArrow, {50, 100}, {350, 100}, 5, 0, 1);
    const Rendered r = render(f);
    const QPoint e = f.ends[kMainEnd];
    for (const QPoint h : {e + polar(30, 155), e + polar(30, 205)})
        for (int i = 0; i <= 20; ++i) {
            const QPoint p = e + (h - e) * (i / 20.0);
            EXPECT_EQ(pixelAt(r.image, p.x(), p.y()), clBlack) << p.x() << "," << p.y();
        }
    // The shaft is dashed: some of it is near-white.
    EXPECT_GT(countPixels(r.image, clUnderlayWhite, QRect(50, 100, 200, 1)), 0);
}

TEST(StereoRendering, HashedWedgeLinesStayInsideTheTriangle)
{
    const TFigure f = line(fkStereo, {50, 100}, {250, 100}, 0, -10);
    const Rendered r = render(f);
    const QRegion triangle = polygonRegion(QPolygon({QPoint(50, 100), QPoint(250, 110), QPoint(250, 90)}));
    int outside = 0;
    for (int y = 0; y < r.image.height(); ++y)
        for (int x = 0; x < r.image.width(); ++x)
            if (pixelAt(r.image, x, y) == clBlack && !triangle.contains(QPoint(x, y)))
                ++outside;
    EXPECT_EQ(outside, 0);
    // One hash every 4 pixels along |AB| = 200.
    int runs = 0;
    for (int x = 50; x <= 250; ++x)
        runs += pixelAt(r.image, x, 100) == clBlack && pixelAt(r.image, x - 1, 100) != clBlack;
    // The first hashes near the point are thinner than a pixel and vanish in the clip.
    EXPECT_GE(runs, 42);
    EXPECT_LE(runs, 50);
    // The hashes (every 4 pixels from x = 50) get longer towards the wide end.
    EXPECT_GT(inkInColumn(r.image, 242), inkInColumn(r.image, 102));
    EXPECT_GT(inkInColumn(r.image, 102), 0);
}

TEST(StereoRendering, ASolidWedgeFillsTheTriangleAndAFlatOneIsAOnePixelLine)
{
    const Rendered solid = render(line(fkStereo, {50, 100}, {250, 100}, 0, 10));
    EXPECT_EQ(pixelAt(solid.image, 240, 95), clBlack);
    EXPECT_EQ(pixelAt(solid.image, 60, 95), clWhite);
    EXPECT_GE(inkInColumn(solid.image, 245), 19);

    const Rendered flat = render(line(fkStereo, {50, 100}, {250, 100}, 0, 0));
    EXPECT_EQ(inkBox(flat.image), QRect(QPoint(50, 100), QPoint(250, 100)));
}

TEST(CircleRendering, AClickGivesADotOfRadiusShapePlusTwoOrACircle)
{
    const auto clickAt = [](int shape) { return render(line(fkCircle, {100, 100}, {100, 100}, 1, shape)); };
    EXPECT_EQ(inkBox(clickAt(0).image).width(), 2 * 2 + 1);
    EXPECT_EQ(inkBox(clickAt(1).image).width(), 2 * 3 + 1);
    EXPECT_EQ(pixelAt(clickAt(1).image, 100, 100), clBlack) << "dots are filled";
    const Rendered circle = clickAt(2);
    EXPECT_EQ(pixelAt(circle.image, 100, 100), clWhite) << "a circle is not filled";
    EXPECT_NEAR(inkBox(circle.image).width(), 2 * 6 + 1, 1);
    // Negative shapes draw as 0 on circles and orbitals.
    EXPECT_EQ(clickAt(-5).image, clickAt(0).image);
    EXPECT_EQ(render(line(fkPai, {100, 100}, {140, 100}, 1, -4)).image,
              render(line(fkPai, {100, 100}, {140, 100}, 1, 0)).image);
}

TEST(CircleRendering, ADragGivesAStadiumAroundTheSegment)
{
    const Rendered r = render(line(fkCircle, {100, 100}, {200, 100}, 1, 4), {400, 200}, true);
    const QRect box = inkBox(r.image);
    // Half-width 3 * 4 = 12 around the segment, ends rounded.
    EXPECT_NEAR(box.top(), 88, 1);
    EXPECT_NEAR(box.bottom(), 112, 1);
    EXPECT_NEAR(box.left(), 88, 2);
    EXPECT_NEAR(box.right(), 212, 2);
    EXPECT_EQ(pixelAt(r.image, 150, 100), clWhite);
}

TEST(OrbitalRendering, ALobeRunsFromItsStartToItsEndPoint)
{
    const Rendered r = render(line(fkPai, {100, 100}, {160, 100}, 1, 6));
    const QRect box = inkBox(r.image);
    EXPECT_EQ(box.left(), 100);
    EXPECT_NEAR(box.right(), 160, 1);
    EXPECT_LT(box.top(), 100);
    EXPECT_GT(box.bottom(), 100);
}

TEST(ExtentRecording, AThickBondsExtentIsItsPaintedBox)
{
    for (const auto& [a, b] : {std::pair{QPoint(100, 150), QPoint(300, 150)}, std::pair{QPoint(120, 90), QPoint(280, 210)}}) {
        const Rendered r = render(line(fkSingle, a, b, 15), {400, 300}, true);
        TFigure f;
        f.extremes = r.extent().extremes;
        f.margins = r.extent().margins;
        // The margin probe stops at the first white pixel beyond the ink.
        EXPECT_EQ(f.occupiedRect(), inkBox(r.image).adjusted(-1, -1, 1, 1));
        EXPECT_LE(r.extent().margins.left, 0);
        EXPECT_GE(r.extent().margins.bottom, 0);
    }
}

TEST(ExtentRecording, FreeCurvesTakeTheirExtremesFromTheirPoints)
{
    TFigure f = line(fkFree, {50, 50}, {300, 60}, 1);
    f.points = {{50, 50}, {120, 20}, {200, 170}, {30, 90}, {300, 60}};
    const Rendered r = render(f, {400, 200}, true);
    EXPECT_EQ(r.extent().extremes[kLeftmost], QPoint(30, 90));
    EXPECT_EQ(r.extent().extremes[kTopmost], QPoint(120, 20));
    EXPECT_EQ(r.extent().extremes[kRightmost], QPoint(300, 60));
    EXPECT_EQ(r.extent().extremes[kBottommost], QPoint(200, 170));
    EXPECT_FALSE(inkBox(r.image).isEmpty());
    // No points, no drawing.
    EXPECT_TRUE(inkBox(render(line(fkFree, {50, 50}, {300, 60}, 1)).image).isEmpty());
}

TEST(ExtentRecording, AWedgeRecordsItsTriangleWithoutMargins)
{
    const Rendered r = render(line(fkStereo, {50, 100}, {250, 100}, 0, 10), {400, 200}, true);
    EXPECT_EQ(r.extent().extremes[kLeftmost], QPoint(50, 100));
    EXPECT_EQ(r.extent().extremes[kTopmost], QPoint(250, 90));
    EXPECT_EQ(r.extent().extremes[kBottommost], QPoint(250, 110));
    EXPECT_EQ(r.extent().margins, TMargins{});
}

TEST(RenderRecords, EachRenderRecordsOnlyWhatItsFigureProducesAndTheLatestOfEachPartIsKept)
{
    const RenderRecord dbl = render(line(fkDouble, {50, 100}, {250, 100}, 1, 11)).record;
    EXPECT_EQ(dbl.secondLine, (SideLine{{50, 89}, {250, 89}}));
    EXPECT_FALSE(dbl.thirdLine) << "a double bond has no third line";
    EXPECT_FALSE(dbl.extent) << "not recording";
    const RenderRecord triple = render(line(fkTriple, {50, 100}, {250, 100}, 1, 7), {400, 200}, true).record;
    ASSERT_TRUE(triple.thirdLine);
    EXPECT_EQ(triple.thirdLine->start, QPoint(50, 86));
    EXPECT_TRUE(triple.extent);
    const RenderRecord point = render(line(fkDouble, {50, 100}, {50, 100}, 1, 11), {400, 200}, true).record;
    EXPECT_FALSE(point.secondLine) << "a bond of no length draws no side lines";
    FigureExtent atPoint;
    atPoint.extremes.fill(QPoint(50, 100));
    EXPECT_EQ(point.extent, atPoint) << "its extent is its point, without margins";
    const RenderRecord filled = render(line(fkNuri, {10, 10}, {10, 10}), {400, 200}, true).record;
    EXPECT_FALSE(filled.extent || filled.secondLine || filled.thirdLine || filled.pictureOffset);
    const RenderRecord none = render(line(fkPicture, {10, 10}, {10, 10}), {400, 200}, true).record;
    EXPECT_FALSE(none.extent || none.pictureOffset) << "no picture, nothing drawn";

    RenderRecord latest = triple;
    latest.update(dbl);
    latest.update(filled);
    EXPECT_EQ(latest.secondLine, dbl.secondLine);
    EXPECT_EQ(latest.thirdLine, triple.thirdLine) << "kept from the triple bond";
    EXPECT_EQ(latest.extent, triple.extent);
    const BondLines lines = latest.bondLines();
    EXPECT_EQ(lines.secondEnd, QPoint(250, 89));
    EXPECT_EQ(lines.thirdEnd, QPoint(250, 86));
    EXPECT_EQ(dbl.bondLines().thirdStart, QPoint()) << "zero where no line was drawn";
}

TEST(LineRendering, NotXorTwiceErasesEveryKind)
{
    QImage image = whiteImage(400, 200);
    {
        Canvas c(image);
        c.fillRect(QRect(0, 0, 200, 200), makeTColor(30, 160, 90));
    }
    const QImage before = image;
    std::vector<TFigure> figures{line(fkDouble, {20, 20}, {380, 40}, 6, 9, 1), line(fkCurve, {20, 180}, {380, 60}, 4, -12, 2),
                                 line(fkArrow, {50, 50}, {300, 150}, 12, 20), line(fkStereo, {200, 20}, {300, 180}, 0, -12),
                                 line(fkPai, {100, 100}, {150, 60}, 3, 6), line(fkCircle, {120, 120}, {260, 130}, 5, 5, 3)};
    RenderOptions options;
    options.mode = PenMode::NotXor;
    for (int pass = 0; pass < 2; ++pass) {
        Canvas c(image);
        for (const TFigure& f : figures)
            renderFigure(f, {c, true, 100}, options);
    }
    EXPECT_TRUE(imagesMatch(image, before, 0, "render-notxor-twice"));
}
