#include "document/geometry.h"
#include "document/picture_figure.h"
#include "document/text_figure.h"

#include "support/image_test_util.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

TFigure text(const QString& s, int shape, int step = 0, QPoint at = {200, 100})
{
    TFigure f;
    f.kind = fkMoji;
    f.text = s;
    f.shape = shape;
    f.sizeStep = step;
    f.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    f.ends[kMainStart] = f.ends[kMainEnd] = at;
    return f;
}

QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixelAt(image, x, y) != clWhite)
                box |= QRect(x, y, 1, 1);
    return box;
}

struct Drawn {
    QImage image;
    FigureExtent extent;
    TextLayout layout;
};

Drawn drawText(const TFigure& f, RenderSettings settings = {})
{
    Drawn d{whiteImage(400, 200), {}, {}};
    Canvas canvas(d.image);
    const RenderTarget target{canvas, false, 100, settings};
    d.layout = layoutText(f, target);
    RenderOptions options;
    options.record = true;
    d.extent = renderFigure(f, target, options).extent.value();
    return d;
}

int boxWidth(const FigureExtent& e) { return e.extremes[kRightmost].x() - e.extremes[kLeftmost].x(); }

} // namespace

TEST(TextRendering, ANegativeShapeIsItalicAtItsSizeWithABoxAQuarterWider)
{
    const Drawn upright = drawText(text("CH3", 12));
    const Drawn italic = drawText(text("CH3", -12));
    EXPECT_FALSE(upright.layout.font.italic);
    EXPECT_TRUE(italic.layout.font.italic);
    EXPECT_EQ(italic.layout.font.pointSize, 12);
    EXPECT_EQ(upright.layout.font.pointSize, 12);
    ASSERT_GT(upright.layout.width, 10);
    EXPECT_EQ(italic.layout.boxWidth, roundEven(italic.layout.width * 1.25));
    EXPECT_NEAR(double(boxWidth(italic.extent)) / boxWidth(upright.extent), 1.25, 0.08);
    EXPECT_EQ(upright.extent.margins, TMargins{});
}

TEST(TextRendering, SizeStepsScaleByTheReductionRatios)
{
    RenderSettings settings;
    EXPECT_EQ(textPointSize(30, 1, settings), 18);
    EXPECT_EQ(textPointSize(30, 2, settings), 11); // 10.8
    EXPECT_EQ(textPointSize(-30, 0, settings), 30);
    EXPECT_EQ(textPointSize(150, 0, settings), 100) << "clamped to 100";
    settings.sizeM1 = 0.5;
    EXPECT_EQ(textPointSize(25, 1, settings), 12) << "12.5 rounds to even";
    EXPECT_EQ(drawText(text("N", 30, 1)).layout.font.pointSize, 18);
}

TEST(TextRendering, TheTextBoxIsCentredOnTheEndPoint)
{
    const Drawn d = drawText(text("OH", 36));
    const QRect ink = inkBox(d.image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 200, 4);
    const QPoint half(d.layout.boxWidth / 2, d.layout.height / 2);
    EXPECT_EQ(d.extent.extremes[kLeftmost], QPoint(200, 100) - half);
    EXPECT_EQ(d.extent.extremes[kBottommost], QPoint(200, 100) + half);
    EXPECT_TRUE(QRect(d.layout.origin, QSize(d.layout.width, d.layout.height)).contains(ink));
}

TEST(TextRendering, AnEmptyTextDrawsNothingAndHasAZeroBoxAtItsPoint)
{
    const Drawn d = drawText(text("", 36));
    EXPECT_TRUE(inkBox(d.image).isEmpty());
    for (QPoint e : d.extent.extremes)
        EXPECT_EQ(e, QPoint(200, 100));
}

TEST(TextRendering, LinesAreSpacedByTheLineHeightPlusTheSpacing)
{
    RenderSettings settings;
    settings.lineSpacing = 5;
    const Drawn three = drawText(text("H\r\nC\r\nH", 20), settings);
    ASSERT_EQ(three.layout.lines.size(), 3);
    EXPECT_EQ(three.layout.height, 3 * three.layout.lineHeight + 2 * 5);
    const Drawn one = drawText(text("H", 20), settings);
    EXPECT_EQ(one.layout.height, one.layout.lineHeight);
    EXPECT_GT(inkBox(three.image).height(), 2 * one.layout.lineHeight);
}

namespace {

TFigure picture(QSize size, int shape, int step)
{
    TFigure f;
    f.kind = fkPicture;
    f.shape = shape;
    f.sizeStep = step;
    f.picture = QImage(size, QImage::Format_RGB32);
    f.picture.image().fill(toQRgb(clBlack));
    f.ends[kMainStart] = f.ends[kMainEnd] = {100, 100};
    return f;
}

} // namespace

TEST(PictureRendering, TheSizeOffsetFollowsTheUnitOfTheSmallerSide)
{
    const RenderSettings settings;
    EXPECT_EQ(pictureSizeOffset({150, 100}, 10, 0, settings), QPoint(25, 16));
    EXPECT_EQ(pictureSizeOffset({150, 100}, 0, 0, settings), QPoint(0, 0));
    // Taller than wide: the height grows by a and the width follows.
    EXPECT_EQ(pictureSizeOffset({100, 150}, 10, 0, settings), QPoint(16, 25));
    // Units: below 20 -> 1, 20..49 -> 2, 50..99 -> 3, 100..199 -> 5, 200 and up -> 10.
    EXPECT_EQ(pictureSizeOffset({19, 19}, 10, 0, settings), QPoint(5, 5));
    EXPECT_EQ(pictureSizeOffset({20, 20}, 10, 0, settings), QPoint(10, 10));
    EXPECT_EQ(pictureSizeOffset({50, 50}, 10, 0, settings), QPoint(15, 15));
    EXPECT_EQ(pictureSizeOffset({200, 200}, 10, 0, settings), QPoint(50, 50));
    // Size step 2 at ratio 0.5 with no enlargement: half the size, a negative offset.
    EXPECT_EQ(pictureSizeOffset({100, 60}, 0, 2, settings), QPoint(-25, -15));
}

TEST(PictureRendering, AnEnlargedPictureIsStretchedIntoItsBoxAroundItsPosition)
{
    const TFigure f = picture({150, 100}, 10, 0);
    QImage image = whiteImage(400, 300);
    RenderRecord record;
    {
        Canvas canvas(image);
        RenderOptions options;
        options.record = true;
        record = renderFigure(f, {canvas, false, 100}, options);
    }
    EXPECT_EQ(record.pictureOffset, QPoint(25, 16));
    EXPECT_EQ(inkBox(image), QRect(75, 84, 200, 132));
    EXPECT_EQ(record.extent.value().extremes[kLeftmost], QPoint(75, 84));
    EXPECT_EQ(record.extent.value().extremes[kBottommost], QPoint(275, 216));
}

TEST(PictureRendering, PureWhiteInAPictureLeavesWhatIsUnderIt)
{
    TFigure f = picture({20, 20}, 0, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 10; x < 20; ++x)
            f.picture.image().setPixel(x, y, toQRgb(clWhite));
    f.picture.image().setPixel(0, 0, toQRgb(clUnderlayWhite));
    QImage image = whiteImage(200, 200);
    image.fill(toQRgb(clSilver));
    {
        Canvas canvas(image);
        renderFigure(f, {canvas, false, 100});
    }
    EXPECT_EQ(pixelAt(image, 105, 105), clBlack);
    EXPECT_EQ(pixelAt(image, 115, 105), clSilver);
    EXPECT_EQ(pixelAt(image, 100, 100), clUnderlayWhite) << "only pure white is transparent";
}
