// The enclosed-white conversion against the picture framed by a 10-pixel opaque-white margin and
// filled from its corner, on random pictures of white, opaque white and ink, and on the cases a user
// meets: a ring's hole, a hole open only diagonally, opaque white at the border.

#include "painting/enclosed_white.h"
#include "platform/flood_fill.h"
#include "platform/tcolor.h"

#include <gtest/gtest.h>

#include <random>

using namespace molvane;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kOpaque = 0xFFFFFEFFu;
constexpr QRgb kInk = 0xFF000000u;

QImage framedReference(const QImage& picture)
{
    QImage framed(picture.width() + 20, picture.height() + 20, QImage::Format_RGB32);
    framed.fill(kOpaque);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            framed.setPixel(x + 10, y + 10, c == kWhite ? kOpaque : c);
        }
    floodFillSurface(framed, QPoint(0, 0), kWhite);
    return framed.copy(10, 10, picture.width(), picture.height());
}

QImage fromRows(const std::vector<const char*>& rows)
{
    QImage image(int(std::strlen(rows[0])), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                           rows[std::size_t(y)][x] == '#'   ? kInk
                           : rows[std::size_t(y)][x] == 'o' ? kOpaque
                                                            : kWhite);
    return image;
}

} // namespace

TEST(EnclosedWhite, MatchesTheFramedFillOnRandomPictures)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const int w = 1 + int(random() % 23), h = 1 + int(random() % 17);
        QImage picture(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const unsigned r = random() % 10;
                picture.setPixel(x, y, r < 5 ? kWhite : r < 6 ? kOpaque : kInk);
            }
        QImage converted = picture;
        convertEnclosedWhite(converted, fromQRgb(kOpaque));
        ASSERT_EQ(converted, framedReference(picture)) << "round " << round;
    }
}

TEST(EnclosedWhite, ARingsHoleIsOpaqueAndADiagonalGapDoesNotLetTheOutsideIn)
{
    QImage picture = fromRows({"o.......", ".###.##.", ".#.#.#.#", ".###..#.", "........"});
    convertEnclosedWhite(picture, fromQRgb(kOpaque));
    EXPECT_EQ(picture.pixel(0, 0), kWhite) << "opaque white at the border becomes transparent";
    EXPECT_EQ(picture.pixel(2, 2), kOpaque) << "the ring's hole";
    EXPECT_EQ(picture.pixel(6, 2), kOpaque) << "only diagonal neighbours outside";
    EXPECT_EQ(picture.pixel(4, 2), kWhite);
}
