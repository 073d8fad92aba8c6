// Pictures read from the clipboard's data: what is pasted, what is refused (before it is decoded) and
// what counts as nothing to paste.

#include "document/clipboard_picture.h"

#include <QBuffer>
#include <QMimeData>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdint>

using namespace molvane;
using Outcome = ClipboardPicture::Outcome;

namespace {

std::uint32_t crc32(const QByteArray& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= std::uint8_t(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(std::uint32_t v)
{
    QByteArray out(4, '\0');
    qToBigEndian(v, out.data());
    return out;
}

QByteArray pngChunk(const char* type, const QByteArray& data)
{
    const QByteArray typed = QByteArray(type) + data;
    return bigEndian(std::uint32_t(data.size())) + typed + bigEndian(crc32(typed));
}

// A PNG of little more than its header: the signature, IHDR (8-bit RGB), an IDAT chunk holding only the
// two bytes that start a zlib stream, and IEND. No pixel can be decoded from it.
QByteArray pngHeaderOnly(std::uint32_t width, std::uint32_t height)
{
    const QByteArray ihdr = bigEndian(width) + bigEndian(height) + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1A\n") + pngChunk("IHDR", ihdr) + pngChunk("IDAT", "\x78\x9C") +
           pngChunk("IEND", {});
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

QImage sample()
{
    QImage image(3, 2, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0),  qRgb(0, 128, 0),     qRgb(0, 0, 255),
                            qRgb(17, 34, 51), qRgb(255, 255, 255), qRgb(0, 0, 0)};
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, colours[i]);
    return image;
}

QImage white(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

ClipboardPicture readOffered(const QString& format, const QByteArray& bytes)
{
    QMimeData data;
    data.setData(format, bytes);
    return readClipboardPicture(&data);
}

} // namespace

TEST(ClipboardPicture, APngIsPastedPixelForPixelWithTransparentPartsOnWhite)
{
    const ClipboardPicture got = readOffered("image/png", encoded(sample(), "PNG"));
    ASSERT_EQ(got.outcome, Outcome::Picture) << got.message.toStdString();
    EXPECT_EQ(got.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(got.image, sample());

    QImage translucent(2, 1, QImage::Format_ARGB32);
    translucent.setPixel(0, 0, qRgba(0, 0, 0, 0));
    translucent.setPixel(1, 0, qRgba(200, 10, 20, 255));
    const QImage onWhite = readOffered("image/png", encoded(translucent, "PNG")).image;
    EXPECT_EQ(onWhite.pixel(0, 0), qRgb(255, 255, 255)) << "transparent parts come on white";
    EXPECT_EQ(onWhite.pixel(1, 0), qRgb(200, 10, 20));
}

TEST(ClipboardPicture, AHugeDeclaredSizeIsRefusedFromTheHeaderAlone)
{
    // No pixel data follows the header: decoding would fail with the reader's complaint, not this one.
    const ClipboardPicture got = readOffered("image/png", pngHeaderOnly(30000, 30000));
    EXPECT_EQ(got.outcome, Outcome::Refused);
    EXPECT_TRUE(got.image.isNull());
    EXPECT_EQ(got.message, "クリップボードの画像は大きすぎます（30000 × 30000 ピクセル）。"
                           "貼り付けられる画像は 2000 × 1500 ピクセルまでです。");
    EXPECT_EQ(readOffered("image/png", pngHeaderOnly(2001, 10)).outcome, Outcome::Refused) << "one too wide";
    EXPECT_EQ(readOffered("image/png", pngHeaderOnly(10, 1501)).outcome, Outcome::Refused) << "one too tall";
    QMimeData inProcess;
    inProcess.setImageData(white(2001, 1));
    EXPECT_EQ(readClipboardPicture(&inProcess).outcome, Outcome::Refused);
    inProcess.setImageData(white(2000, 1500));
    EXPECT_EQ(readClipboardPicture(&inProcess).image.size(), QSize(2000, 1500)) << "the largest canvas fits";
}

TEST(ClipboardPicture, EmptyPicturesAreRefused)
{
    const ClipboardPicture noBytes = readOffered("image/png", QByteArray());
    EXPECT_EQ(noBytes.outcome, Outcome::Refused);
    EXPECT_EQ(noBytes.message, "クリップボードの画像は空です。");
    QMimeData nullImage;
    nullImage.setImageData(QImage());
    EXPECT_EQ(readClipboardPicture(&nullImage).message, "クリップボードの画像は空です。");
}

TEST(ClipboardPicture, AnUnreadableEncodingGivesWayToAnotherOne)
{
    QMimeData data;
    data.setData("image/png", "\x89PNG broken");
    data.setData("image/bmp", encoded(sample(), "BMP"));
    const ClipboardPicture got = readClipboardPicture(&data);
    ASSERT_EQ(got.outcome, Outcome::Picture) << got.message.toStdString();
    EXPECT_EQ(got.image, sample());
    const ClipboardPicture garbage = readOffered("image/bmp", "BM not really a bitmap");
    EXPECT_EQ(garbage.outcome, Outcome::Refused);
    EXPECT_TRUE(garbage.message.startsWith("クリップボードの画像を読み込めません。\n"))
        << garbage.message.toStdString();
}

TEST(ClipboardPicture, TextAloneIsNothingToPaste)
{
    QMimeData text;
    text.setText("ベンゼン");
    const ClipboardPicture got = readClipboardPicture(&text);
    EXPECT_EQ(got.outcome, Outcome::Nothing);
    EXPECT_TRUE(got.message.isEmpty());
    EXPECT_EQ(readClipboardPicture(nullptr).outcome, Outcome::Nothing);
}
