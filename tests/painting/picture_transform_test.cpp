// Turning, cropping and stretching the pictures that float over the picture editor's canvas, checked
// on the worked examples: sizes, the corners the turn leaves transparent, colours kept exact, the
// proportions the corner handles keep.

#include "painting/picture_transform.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace molvane;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Each pixel of a turn of the given size (sizes are checked on their own) mapped back and checked alone.
QImage turnedPixelByPixel(const QImage& src, double angle, QSize size)
{
    const double c = std::cos(angle), s = std::sin(angle), cx = size.width() / 2.0 - 0.5,
                 cy = size.height() / 2.0 - 0.5;
    const auto fixed = [](double v) { return qint64(std::llround(v * 4294967296.0)); };
    QImage out(size, QImage::Format_RGB32);
    for (int j = 0; j < out.height(); ++j)
        for (int i = 0; i < out.width(); ++i) {
            const qint64 x = (fixed(src.width() / 2.0 - c * cx + s * (j - cy)) + i * fixed(c)) >> 32;
            const qint64 y = (fixed(src.height() / 2.0 + s * cx + c * (j - cy)) + i * fixed(-s)) >> 32;
            out.setPixel(i, j, src.rect().contains(int(x), int(y)) ? src.pixel(int(x), int(y)) : kWhite);
        }
    return out;
}

} // namespace

TEST(RotatePicture, EveryAngleGivesThePixelsOfAPixelByPixelTurn)
{
    QImage picture(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 6, y * 10, (x * y) % 256));
    for (double degrees : {0.0, 0.5, -0.5, 37.0, 45.0, 90.0, 135.0, 180.0, -90.0, 270.0, 359.9, -123.4}) {
        const QImage turned = rotatePicture(picture, degrees * M_PI / 180, kWhite);
        EXPECT_EQ(turned, turnedPixelByPixel(picture, degrees * M_PI / 180, turned.size()))
            << degrees << " degrees";
    }
}

TEST(RotatePicture, SizesRoundTiesToEvenAndTheCornersAreBackground)
{
    const QImage turned = rotatePicture(filled({100, 50}, qRgb(10, 20, 30)), M_PI / 4, kWhite);
    EXPECT_EQ(turned.size(), QSize(106, 106));
    EXPECT_EQ(turned.pixel(0, 0), kWhite);
    EXPECT_EQ(turned.pixel(105, 105), kWhite);
    EXPECT_EQ(turned.pixel(53, 53), qRgb(10, 20, 30)) << "nearest sampling keeps the colour exact";
    EXPECT_EQ(rotatePicture(filled({100, 100}, 0xFF000000u), 5 * M_PI / 180, kWhite).size(), QSize(108, 108));
    EXPECT_EQ(rotatePicture(filled({40, 30}, 0xFF000000u), 0, kWhite), filled({40, 30}, 0xFF000000u));
}

TEST(RotatePicture, APositiveAngleTurnsClockwise)
{
    // A mark at the top-right goes to the bottom-right after a quarter turn clockwise.
    QImage picture = filled({40, 40}, kWhite);
    for (int y = 0; y < 5; ++y)
        for (int x = 35; x < 40; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    const QImage turned = rotatePicture(picture, M_PI / 2, kWhite);
    EXPECT_EQ(turned.pixel(37, 37), qRgb(255, 0, 0));
    EXPECT_EQ(turned.pixel(37, 2), kWhite);
}

TEST(CropToOpaque, TheBoxOfTheVisiblePixelsAndItsOffset)
{
    QImage picture = filled({50, 40}, kWhite);
    picture.setPixel(10, 5, qRgb(0, 0, 0));
    picture.setPixel(30, 25, qRgb(0, 0, 0));
    const CroppedPicture cropped = cropToOpaque(picture, kWhite);
    EXPECT_EQ(cropped.offset, QPoint(10, 5));
    EXPECT_EQ(cropped.picture.size(), QSize(21, 21));
    EXPECT_EQ(cropToOpaque(filled({8, 6}, kWhite), kWhite).picture.size(), QSize(8, 6));
}

TEST(StretchedRect, SidesMoveTheirEdgeAndCornersKeepTheProportions)
{
    const QRect start(100, 100, 80, 40); // wide: ratio 2
    const auto r = [&](StretchHandle h, QPoint d, bool tall = false) {
        const StretchRect s = stretchedRect(h, start, d, tall);
        return QRect(s.left, s.top, s.width, s.height);
    };
    EXPECT_EQ(r(StretchHandle::Left, {10, 0}), QRect(110, 100, 70, 40));
    EXPECT_EQ(r(StretchHandle::Bottom, {0, -50}).height(), -10) << "past the opposite edge: negative";
    EXPECT_EQ(r(StretchHandle::BottomRight, {20, 99}), QRect(100, 100, 100, 50)) << "the width leads";
    EXPECT_EQ(r(StretchHandle::TopLeft, {-20, 0}), QRect(80, 90, 100, 50)) << "the bottom-right stays";
    const StretchRect tall = stretchedRect(StretchHandle::TopLeft, QRect(0, 0, 40, 80), {0, -20}, true);
    EXPECT_EQ(QRect(tall.left, tall.top, tall.width, tall.height), QRect(-10, -20, 50, 100));
}
