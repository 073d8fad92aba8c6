#include "document/view_tiles.h"

#include "support/image_test_util.h"

#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

// A bitmap of random dark and light blocks with a few pure white pixels, so that any misplaced
// pixel shows.
QImage noisyBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(12345);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const quint32 v = random.generate();
            image.setPixel(x, y, v % 5 == 0 ? 0xFFFFFFFFu : (0xFF000000u | (v & 0xFFFFFF)));
        }
    return image;
}

QImage composed(const QRect& area, const QImage& bitmap, const ViewLook& look)
{
    QImage out(area.size(), QImage::Format_RGB32);
    out.fill(Qt::magenta);
    composeView(out, area, bitmap, look);
    return out;
}

QImage drawnByTiles(ViewTiles& tiles, const QRect& area)
{
    QImage out(area.size(), QImage::Format_RGB32);
    out.fill(Qt::magenta);
    QPainter p(&out);
    p.translate(-area.topLeft());
    tiles.draw(p, area);
    return out;
}

ViewLook withGrid(int zoom)
{
    ViewLook look;
    look.zoom = zoom;
    look.grid = true;
    look.gridSpacing = 24;
    look.gridColour = 0x80C0C0;
    return look;
}

} // namespace

TEST(ViewCompose, EveryViewPixelShowsTheBitmapPixelItsCentreFallsOn)
{
    EXPECT_EQ(bitmapPixelUnder(0, 100), 0);
    EXPECT_EQ(bitmapPixelUnder(37, 100), 37);
    EXPECT_EQ(bitmapPixelUnder(1, 200), 0);
    EXPECT_EQ(bitmapPixelUnder(2, 200), 1);
    EXPECT_EQ(bitmapPixelUnder(0, 25), 2) << "the centre of the first of four pixels";
    EXPECT_EQ(bitmapPixelUnder(1, 25), 6);
    EXPECT_EQ(bitmapPixelUnder(1, 150), 1);
    EXPECT_EQ(bitmapPixelUnder(2, 150), 1);
    EXPECT_EQ(bitmapPixelUnder(3, 150), 2);
    EXPECT_EQ(bitmapPixelUnder(2499, 500), 499);
}

TEST(ViewCompose, PartsComposedApartJoinWithoutSeamsAtEveryKindOfZoom)
{
    const QImage bitmap = noisyBitmap(123, 77);
    for (int zoom : {25, 95, 100, 125, 150, 500}) {
        const ViewLook look = withGrid(zoom);
        const QRect view(QPoint(0, 0), QSize(123 * zoom / 100, 77 * zoom / 100));
        const QImage whole = composed(view, bitmap, look);
        QImage joined(view.size(), QImage::Format_RGB32);
        QPainter p(&joined);
        for (int y = 0; y < view.height(); y += 29)
            for (int x = 0; x < view.width(); x += 41) {
                const QRect part = QRect(x, y, 41, 29) & view;
                p.drawImage(part.topLeft(), composed(part, bitmap, look));
            }
        p.end();
        EXPECT_TRUE(imagesMatch(joined, whole, 0, QStringLiteral("view-seams-%1").arg(zoom))) << "zoom " << zoom;
    }
}

TEST(ViewCompose, AtFullSizeTheViewIsTheBitmapWithTheGridMaskedIntoItsDots)
{
    QImage bitmap = noisyBitmap(100, 60);
    for (int x = 0; x < 100; ++x)
        bitmap.setPixel(x, 23, 0xFFFFFFFFu); // a white row under the horizontal line at 24 - 1
    for (int y = 0; y < 60; ++y)
        bitmap.setPixel(47, y, 0xFF000000u); // a black column under the vertical line at 48 - 1
    const ViewLook look = withGrid(100);
    const QImage view = composed(QRect(0, 0, 100, 60), bitmap, look);
    const QRgb mask = toQRgb(look.gridColour);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool onLine = ((x == 23 || x == 47 || x == 71 || x == 95) && gridDotAt(y)) ||
                                ((y == 23 || y == 47) && gridDotAt(x));
            const QRgb expected = onLine ? (bitmap.pixel(x, y) & mask) : bitmap.pixel(x, y);
            ASSERT_EQ(view.pixel(x, y), expected) << x << ", " << y;
        }
    EXPECT_EQ(countPixels(view, clBlack, QRect(47, 0, 1, 60)), 60) << "dark figures stay dark";
    EXPECT_EQ(countPixels(view, fromQRgb(mask), QRect(0, 23, 100, 1)), 34) << "every third pixel is a dot";
}

TEST(ViewCompose, ASampleShowsOnlyThroughPureWhiteAndNoGridMeansNone)
{
    QImage bitmap(20, 20, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    bitmap.setPixel(3, 3, qRgb(0, 0, 0));
    bitmap.setPixel(4, 4, qRgb(0xFF, 0xFF, 0xFE)); // the underlay white is not transparent
    QImage sample(5, 5, QImage::Format_RGB32);
    sample.fill(qRgb(0, 0, 255));
    ViewLook look;
    look.zoom = 200;
    look.sample = &sample;
    look.samplePlace = QRect(0, 0, 20, 20);
    const QImage view = composed(QRect(0, 0, 40, 40), bitmap, look);
    EXPECT_EQ(pixelAt(view, 7, 7), clBlack);
    EXPECT_EQ(pixelAt(view, 9, 9), makeTColor(0xFF, 0xFF, 0xFE));
    EXPECT_EQ(pixelAt(view, 1, 1), makeTColor(0, 0, 255));
    EXPECT_EQ(pixelAt(view, 30, 30), clWhite) << "beside the sample";
    EXPECT_EQ(countPixels(view, makeTColor(0, 0, 255)), 20 * 20 - 2 * 4) << "two pixels, 2 x 2 each, hide it";
}

TEST(ViewTiles, TilesShowTheComposedViewAndAreComposedOnlyOnce)
{
    const QImage bitmap = noisyBitmap(1500, 300); // 2250 x 450 at 150 %
    const ViewLook look = withGrid(150);
    ViewTiles tiles;
    tiles.show(bitmap, look);
    // Across the corner where four tiles meet.
    const QRect area(ViewTiles::kTileWidth - 100, ViewTiles::kTileHeight - 50, 300, 100);
    EXPECT_TRUE(imagesMatch(drawnByTiles(tiles, area), composed(area, bitmap, look), 0, "tiles-area"));
    EXPECT_EQ(tiles.tilesComposed(), 4);
    QImage copied(area.size() + QSize(3, 2), QImage::Format_RGB32);
    copied.fill(Qt::magenta);
    tiles.show(bitmap, look);
    tiles.copyTo(copied, area, QPoint(3, 2));
    EXPECT_TRUE(imagesMatch(copied.copy(QRect(QPoint(3, 2), area.size())), composed(area, bitmap, look), 0, "tiles-copy"));
    EXPECT_EQ(countPixels(copied, makeTColor(255, 0, 255)), 3 * copied.height() + 2 * area.width())
        << "nothing written beside the place asked for";
    EXPECT_EQ(tiles.tilesComposed(), 4) << "nothing changed: nothing composed again";
}

TEST(ViewTiles, AnyChangeOfTheBitmapOrTheLookDropsTheTiles)
{
    QImage bitmap = noisyBitmap(100, 100);
    ViewLook look = withGrid(100);
    ViewTiles tiles;
    const QRect area(0, 0, 100, 100);
    tiles.show(bitmap, look);
    drawnByTiles(tiles, area);
    bitmap.setPixel(10, 10, qRgb(1, 2, 3));
    tiles.show(bitmap, look);
    EXPECT_EQ(pixelAt(drawnByTiles(tiles, area), 10, 10), makeTColor(1, 2, 3)) << "a written pixel shows";
    {
        QPainter p(&bitmap);
        p.fillRect(QRect(20, 20, 5, 5), Qt::black);
    }
    tiles.show(bitmap, look);
    EXPECT_EQ(pixelAt(drawnByTiles(tiles, area), 22, 22), clBlack) << "painting shows";
    look.grid = false;
    tiles.show(bitmap, look);
    EXPECT_TRUE(imagesMatch(drawnByTiles(tiles, area), composed(area, bitmap, look), 0, "tiles-no-grid"));
    look.zoom = 200;
    tiles.show(bitmap, look);
    EXPECT_TRUE(imagesMatch(drawnByTiles(tiles, area), composed(area, bitmap, look), 0, "tiles-zoom"));
    EXPECT_EQ(tiles.tilesComposed(), 5);
}

TEST(ViewTiles, TheBudgetKeepsTheMostRecentlyUsedTilesAndEvictedOnesComeBackRight)
{
    const QImage bitmap = noisyBitmap(500, 300);
    const ViewLook look = withGrid(500); // 2500 x 1500
    const int columns = (2500 + ViewTiles::kTileWidth - 1) / ViewTiles::kTileWidth;
    const int rows = (1500 + ViewTiles::kTileHeight - 1) / ViewTiles::kTileHeight;
    ASSERT_GT(columns * rows, 4);
    ViewTiles tiles(3 * ViewTiles::kTileBytes);
    tiles.show(bitmap, look);
    const QRect all(0, 0, 2500, 1500);
    EXPECT_TRUE(imagesMatch(drawnByTiles(tiles, all), composed(all, bitmap, look), 0, "tiles-budget"));
    EXPECT_EQ(tiles.tilesKept(), 3);
    EXPECT_EQ(tiles.tilesComposed(), columns * rows);
    const QPoint lastCorner((columns - 1) * ViewTiles::kTileWidth, (rows - 1) * ViewTiles::kTileHeight);
    drawnByTiles(tiles, QRect(lastCorner, QPoint(2499, 1499))); // the tile drawn last is still kept
    EXPECT_EQ(tiles.tilesComposed(), columns * rows);
    const QRect first(0, 0, ViewTiles::kTileWidth, ViewTiles::kTileHeight);
    EXPECT_TRUE(imagesMatch(drawnByTiles(tiles, first), composed(first, bitmap, look), 0, "tiles-evicted"));
    EXPECT_EQ(tiles.tilesComposed(), columns * rows + 1);
}

TEST(ViewTiles, AViewNarrowerThanATileHasTilesOfItsOwnWidth)
{
    const QImage bitmap = noisyBitmap(1000, 700);
    ViewLook look = withGrid(50); // 500 x 350
    ViewTiles tiles;
    tiles.show(bitmap, look);
    EXPECT_EQ(tiles.tileWidth(), 500);
    const QRect all(0, 0, 500, 350);
    EXPECT_TRUE(imagesMatch(drawnByTiles(tiles, all), composed(all, bitmap, look), 0, "narrow-tiles"));
    EXPECT_EQ(tiles.tilesComposed(), (350 + ViewTiles::kTileHeight - 1) / ViewTiles::kTileHeight) << "one column of tiles";
    look.zoom = 300; // 3000 x 2100: back to full-width tiles, and no narrow buffer reused for them
    tiles.show(bitmap, look);
    EXPECT_EQ(tiles.tileWidth(), ViewTiles::kTileWidth);
    const QRect across(ViewTiles::kTileWidth - 400, 200, 800, 300);
    EXPECT_TRUE(imagesMatch(drawnByTiles(tiles, across), composed(across, bitmap, look), 0, "wide-again"));
}
