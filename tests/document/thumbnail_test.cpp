#include "document/thumbnail.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace molvane;

namespace {

QImage whitePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int alphaAt(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y));
}

} // namespace

TEST(Thumbnail, TheInkedAreaIsScaledDownToFitKeepingItsProportionsWithWhiteMadeTransparent)
{
    // A 400 x 100 black frame with white inside, in a margin of white that must not count.
    QImage picture = whitePicture(1000, 800);
    {
        QPainter p(&picture);
        p.setPen(QPen(Qt::black, 8));
        p.drawRect(QRect(200, 300, 400, 100));
    }
    EXPECT_TRUE(inkedArea(whitePicture(30, 20)).isEmpty());
    picture.setPixel(610, 350, qRgb(254, 255, 255)); // nearly white is ink
    const QRect inked = inkedArea(picture);
    EXPECT_EQ(inked.left(), 196);
    EXPECT_EQ(inked.right(), 610);
    const QImage thumb = thumbnailOf(picture, 128);
    EXPECT_EQ(thumb.width(), 128);
    EXPECT_NEAR(thumb.height(), 128.0 * inked.height() / inked.width(), 1.0);
    EXPECT_EQ(alphaAt(thumb, 0, thumb.height() / 2), 255) << "the frame reaches the left edge";
    EXPECT_EQ(qGray(thumb.pixel(0, thumb.height() / 2)), 0);
    EXPECT_EQ(alphaAt(thumb, thumb.width() / 2, thumb.height() / 2), 0) << "white inside is transparent";

    // A tall one fits by its height; a small one keeps its size.
    const QImage tall = thumbnailOf(picture.transformed(QTransform().rotate(90)), 64);
    EXPECT_EQ(tall.height(), 64);
    EXPECT_LT(tall.width(), 64);
    const QImage small = thumbnailOf(picture, 1000);
    EXPECT_EQ(small.size(), inked.size());
}

TEST(Thumbnail, ADrawingWithoutInkGivesItsWholeCanvasTransparentAndAThinLineKeepsAPixel)
{
    const QImage blank = thumbnailOf(whitePicture(300, 150), 100);
    EXPECT_EQ(blank.size(), QSize(100, 50));
    EXPECT_EQ(alphaAt(blank, 50, 25), 0);

    QImage line = whitePicture(2000, 10);
    for (int x = 0; x < 2000; ++x)
        line.setPixel(x, 5, qRgb(0, 0, 0));
    const QImage thin = thumbnailOf(line, 32);
    EXPECT_EQ(thin.size(), QSize(32, 1));
    EXPECT_GT(alphaAt(thin, 16, 0), 0);
}
