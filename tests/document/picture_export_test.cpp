// Pictures saved from the drawing bitmap: the view range in canvas pixels, the pixels a rectangle or a
// lasso takes (white around them), and the picture files by their extension.

#include "document/picture_export.h"

#include "platform/atomic_file.h"
#include "platform/atomic_file_testing.h"
#include "platform/canvas.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace molvane;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// A colour of its own for every canvas pixel, never white.
QRgb patternAt(int x, int y)
{
    return qRgb(x & 0xFF, y & 0xFF, 0x40 + (x >> 8) * 4 + (y >> 8));
}

QImage patternBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, patternAt(x, y));
    return image;
}

// Every pixel is the bitmap's at origin + (x, y) where copied(x, y), white elsewhere.
template <typename Copied> int wrongPixels(const QImage& picture, QPoint origin, Copied copied)
{
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            wrong +=
                picture.pixel(x, y) != (copied(x, y) ? patternAt(origin.x() + x, origin.y() + y) : kWhite);
    return wrong;
}

QByteArray bytesOf(const QString& path)
{
    QByteArray bytes;
    EXPECT_TRUE(readWholeFile(path, bytes));
    return bytes;
}

} // namespace

TEST(PictureRange, EachEdgeIsConvertedOnItsOwnAndTheWidthIsRightMinusLeft)
{
    const struct {
        QRect view;
        int zoom;
        QRect canvas;
    } cases[] = {
        {QRect(QPoint(100, 100), QPoint(300, 300)), 200, QRect(50, 50, 100, 100)},
        {QRect(QPoint(10, 20), QPoint(30, 25)), 100, QRect(10, 20, 20, 5)},
        // 50.5 -> 50, 51.5 -> 52, 152.5 -> 152, 153.5 -> 154: ties go to the even neighbour.
        {QRect(QPoint(101, 103), QPoint(305, 307)), 200, QRect(50, 52, 102, 102)},
        {QRect(QPoint(-30, -10), QPoint(30, 20)), 25, QRect(-120, -40, 240, 120)},
        {QRect(QPoint(100, 100), QPoint(101, 140)), 200, QRect()}, // 50 to 50.5: no whole pixel
        {QRect(QPoint(5, 5), QPoint(5, 5)), 100, QRect()},         // a click without a drag
        {QRect(), 100, QRect()},
        {QRect(0, 0, 100, 100), 0, QRect()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(viewRangeToCanvas(c.view, c.zoom), c.canvas) << "zoom " << c.zoom << " at " << c.view.x();
}

TEST(PictureRender, ARectangleTakesItsCanvasPixelsAndWhiteBeyondTheCanvas)
{
    const QImage bitmap = patternBitmap(300, 200);
    const auto render = [&](QPoint a, QPoint b, int zoom) {
        return renderExport(bitmap, ExportSource::rectangle(QRect(a, b), zoom));
    };
    const QImage zoomed = render({100, 100}, {300, 300}, 200);
    ASSERT_EQ(zoomed.size(), QSize(100, 100));
    EXPECT_EQ(zoomed.format(), QImage::Format_RGB32);
    EXPECT_EQ(wrongPixels(zoomed, {50, 50}, [](int, int) { return true; }), 0);

    const QImage pastCorner = render({290, 180}, {310, 220}, 100);
    ASSERT_EQ(pastCorner.size(), QSize(20, 40));
    EXPECT_EQ(wrongPixels(pastCorner, {290, 180}, [](int x, int y) { return x < 10 && y < 20; }), 0);
    const QImage beforeOrigin = render({-5, -8}, {5, 2}, 100);
    ASSERT_EQ(beforeOrigin.size(), QSize(10, 10));
    EXPECT_EQ(wrongPixels(beforeOrigin, {-5, -8}, [](int x, int y) { return x >= 5 && y >= 8; }), 0);
    EXPECT_EQ(wrongPixels(render({400, 400}, {410, 404}, 100), {}, [](int, int) { return false; }), 0);
    EXPECT_TRUE(render({0, 0}, {100000, 100000}, 100).isNull()) << "larger than any picture may be";

    EXPECT_EQ(renderExport(bitmap, ExportSource::wholeCanvas()), bitmap);
}

TEST(PictureRender, ALassoTakesThePixelsTheSelectionJudgesByAndLeavesTheRestWhite)
{
    const QImage bitmap = patternBitmap(200, 150);
    // A diamond whose upper left quarter is cut away, drawn at zoom 200 within (20, 40)-(300, 260).
    const QPolygon outline{{160, 40}, {300, 150}, {160, 260}, {20, 150}, {160, 180}};
    const QImage picture =
        renderExport(bitmap, ExportSource::freeRange(QRect(QPoint(20, 40), QPoint(300, 260)), outline, 200));
    ASSERT_EQ(picture.size(), QSize(140, 110));
    QPolygon inPicture; // every coordinate is even: halved exactly
    for (QPoint p : outline)
        inPicture << p / 2 - QPoint(10, 20);
    const QRegion inside = polygonRegion(inPicture);
    EXPECT_EQ(wrongPixels(picture, {10, 20}, [&](int x, int y) { return inside.contains(QPoint(x, y)); }), 0);
    EXPECT_EQ(picture.pixel(100, 40), patternAt(110, 60)) << "the right half";
    EXPECT_EQ(picture.pixel(50, 85), patternAt(60, 105)) << "the lower left";
    EXPECT_EQ(picture.pixel(40, 40), kWhite) << "the quarter cut away";

    // A star drawn in one stroke encloses its centre twice: outside.
    const QPolygon star{{50, 5}, {79, 95}, {2, 39}, {98, 39}, {21, 95}};
    const QImage starred = renderExport(bitmap, ExportSource::freeRange(QRect(0, 0, 101, 101), star, 100));
    EXPECT_EQ(starred.pixel(50, 55), kWhite);
    EXPECT_EQ(starred.pixel(50, 20), patternAt(50, 20));
}

TEST(PictureFile, TheLowerCasedExtensionDecidesTheTypeAndOthersWriteNothing)
{
    QTemporaryDir dir;
    const QImage picture = patternBitmap(33, 17);
    for (const char* name : {"upper.JPG", "long.jpeg", "up.BMP"}) {
        const PictureWriteResult written = writePictureFile(picture, dir.filePath(name));
        EXPECT_TRUE(written.ok && written.message.isEmpty()) << name << written.message.toStdString();
    }
    EXPECT_TRUE(bytesOf(dir.filePath("upper.JPG")).startsWith("\xFF\xD8\xFF"));
    EXPECT_TRUE(bytesOf(dir.filePath("long.jpeg")).startsWith("\xFF\xD8\xFF"));
    const QByteArray bmp = bytesOf(dir.filePath("up.BMP"));
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(bmp.size(), 14 + 40 + 100 * 17) << "24 bits a pixel, rows of 99 bytes padded to 100";

    for (const char* name : {"a.png", "b.txt", "noextension"}) {
        const PictureWriteResult written = writePictureFile(picture, dir.filePath(name));
        EXPECT_FALSE(written.ok);
        EXPECT_EQ(written.message,
                  QString(name) + " は保存できません。画像ファイルの種類は .bmp と .jpg です。");
        EXPECT_FALSE(QFile::exists(dir.filePath(name)));
    }
}

TEST(PictureFile, AFailedWriteKeepsTheOldFileAndSaysWhereAndWhy)
{
    QTemporaryDir dir;
    for (const char* name : {"old.bmp", "old.jpg"}) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(writeFileAtomically(path, "the previous picture"));
        AtomicWriteFailure failure(100);
        const PictureWriteResult written = writePictureFile(patternBitmap(50, 50), path);
        EXPECT_FALSE(written.ok);
        EXPECT_EQ(written.message, path + " に書き込めません\nNo space left on device");
        EXPECT_EQ(bytesOf(path), "the previous picture");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"old.bmp", "old.jpg"}));
}
