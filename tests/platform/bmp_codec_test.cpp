#include "platform/bmp_codec.h"

#include "platform/byte_stream.h"

#include <gtest/gtest.h>

#include <QColor>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace molvane {
namespace {

// The pieces of a BMP file, assembled by buildBmp into the layout Windows defines.
struct BmpParts {
    std::uint32_t headerSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1; // negative: rows are listed top first
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> masks; // after a 40-byte header, or inside a V4/V5 one
    std::vector<QRgb> palette;
    std::vector<QByteArray> rows; // in file order, without padding
    qsizetype gapBeforePixels = 0;
    std::optional<std::uint32_t> offBits; // replaces the correct bfOffBits
};

void writeInfoHeader(ByteWriter& w, const BmpParts& p)
{
    const qsizetype start = w.size();
    w.writeUInt32(p.headerSize);
    w.writeInt32(p.width);
    w.writeInt32(p.height);
    w.writeUInt16(1);
    w.writeUInt16(p.bitCount);
    w.writeUInt32(p.compression);
    w.writeUInt32(0); // biSizeImage may be 0 for BI_RGB
    w.writeInt32(2835);
    w.writeInt32(2835);
    w.writeUInt32(p.colorsUsed);
    w.writeUInt32(0);
    if (p.headerSize > 40) {
        for (std::uint32_t m : p.masks)
            w.writeUInt32(m);
    }
    w.writeZeros(start + p.headerSize - w.size());
    if (p.headerSize == 40)
        for (std::uint32_t m : p.masks)
            w.writeUInt32(m);
}

QByteArray buildBmp(const BmpParts& p)
{
    ByteWriter w;
    w.writeBytes("BM");
    w.writeUInt32(0); // file size, patched below
    w.writeUInt32(0);
    w.writeUInt32(0); // bfOffBits, patched below
    if (p.headerSize == 12) {
        w.writeUInt32(12);
        w.writeUInt16(std::uint16_t(p.width));
        w.writeUInt16(std::uint16_t(p.height));
        w.writeUInt16(1);
        w.writeUInt16(p.bitCount);
    } else {
        writeInfoHeader(w, p);
    }
    for (QRgb c : p.palette) {
        w.writeUInt8(std::uint8_t(qBlue(c)));
        w.writeUInt8(std::uint8_t(qGreen(c)));
        w.writeUInt8(std::uint8_t(qRed(c)));
        if (p.headerSize != 12)
            w.writeUInt8(0);
    }
    w.writeZeros(p.gapBeforePixels);
    const qsizetype pixels = w.size();
    for (const QByteArray& row : p.rows) {
        w.writeBytes(row);
        w.writeZeros((4 - row.size() % 4) % 4);
    }
    w.patchInt32(2, std::int32_t(w.size()));
    w.patchInt32(10, std::int32_t(p.offBits.value_or(std::uint32_t(pixels))));
    return w.take();
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray le32(std::initializer_list<std::uint32_t> values)
{
    ByteWriter w;
    for (std::uint32_t v : values)
        w.writeUInt32(v);
    return w.take();
}

std::vector<QRgb> rowOf(const QImage& image, int y)
{
    std::vector<QRgb> out;
    for (int x = 0; x < image.width(); ++x)
        out.push_back(image.pixel(x, y));
    return out;
}

QImage decodeOk(const QByteArray& file)
{
    const DecodedImage d = readBmp(file);
    EXPECT_TRUE(d.ok()) << d.error.toStdString();
    EXPECT_TRUE(d.error.isEmpty());
    if (d.ok()) {
        EXPECT_EQ(d.image.format(), QImage::Format_RGB32);
    }
    return d.image;
}

void expectFailure(const QByteArray& file, const char* reasonPart = nullptr)
{
    const DecodedImage d = readBmp(file);
    EXPECT_FALSE(d.ok());
    EXPECT_TRUE(d.image.isNull());
    EXPECT_FALSE(d.error.isEmpty());
    if (reasonPart) {
        EXPECT_TRUE(d.error.contains(QLatin1StringView(reasonPart), Qt::CaseInsensitive))
            << d.error.toStdString();
    }
}

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

QImage variedImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y, qRgb((x * 37 + y * 11) & 0xFF, (x * 5 + y * 71 + 3) & 0xFF, (x * y * 13 + 200) & 0xFF));
    return image;
}

// ---- writing ----

TEST(BmpWrite, RoundTripIsExactForEveryRowPadding)
{
    for (int width : {1, 2, 3, 4, 7}) {
        const QImage original = variedImage(width, 5);
        const QImage back = decodeOk(writeBmp(original));
        ASSERT_EQ(back.size(), original.size()) << "width " << width;
        for (int y = 0; y < original.height(); ++y)
            EXPECT_EQ(rowOf(back, y), rowOf(original, y)) << "width " << width << " row " << y;
    }
}

TEST(BmpWrite, FileLayoutIs24BitBottomUpWithInfoHeader)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, kRed);
    image.setPixel(1, 0, kGreen);
    image.setPixel(2, 0, kBlue);
    image.setPixel(0, 1, qRgb(1, 2, 3));
    image.setPixel(1, 1, qRgb(4, 5, 6));
    image.setPixel(2, 1, qRgb(7, 8, 9));
    const QByteArray file = writeBmp(image);

    const qsizetype stride = 12; // 3 pixels * 3 bytes, padded to 12
    ASSERT_EQ(file.size(), 54 + stride * 2);
    ByteReader r(file);
    std::uint8_t b, m;
    std::uint16_t planes, bits;
    std::uint32_t fileSize, reserved, offBits, headerSize, compression, sizeImage, used, important;
    std::int32_t width, height, xppm, yppm;
    ASSERT_TRUE(r.readUInt8(b) && r.readUInt8(m) && r.readUInt32(fileSize) && r.readUInt32(reserved) &&
                r.readUInt32(offBits) && r.readUInt32(headerSize) && r.readInt32(width) &&
                r.readInt32(height) && r.readUInt16(planes) && r.readUInt16(bits) &&
                r.readUInt32(compression) && r.readUInt32(sizeImage) && r.readInt32(xppm) &&
                r.readInt32(yppm) && r.readUInt32(used) && r.readUInt32(important));
    EXPECT_EQ(b, 'B');
    EXPECT_EQ(m, 'M');
    EXPECT_EQ(fileSize, std::uint32_t(file.size()));
    EXPECT_EQ(reserved, 0u);
    EXPECT_EQ(offBits, 54u);
    EXPECT_EQ(headerSize, 40u);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2); // positive: bottom-up
    EXPECT_EQ(planes, 1);
    EXPECT_EQ(bits, 24);
    EXPECT_EQ(compression, 0u);
    EXPECT_EQ(sizeImage, std::uint32_t(stride * 2));
    EXPECT_GT(xppm, 0);
    EXPECT_GT(yppm, 0);
    EXPECT_EQ(used, 0u);
    // First stored row is the bottom one, in blue-green-red order, padded with zeros.
    EXPECT_EQ(file.mid(54, stride), bytes({3, 2, 1, 6, 5, 4, 9, 8, 7, 0, 0, 0}));
    EXPECT_EQ(file.mid(54 + stride, stride), bytes({0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}));
}

TEST(BmpWrite, AcceptsOtherImageFormats)
{
    QImage gray(5, 3, QImage::Format_Grayscale8);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            gray.setPixel(x, y, qRgb(x * 50, x * 50, x * 50));
    const QImage back = decodeOk(writeBmp(gray));
    ASSERT_EQ(back.size(), gray.size());
    EXPECT_EQ(back.pixel(4, 2), qRgb(200, 200, 200));
    EXPECT_EQ(back.pixel(1, 0), qRgb(50, 50, 50));

    QImage rgb888(2, 2, QImage::Format_RGB888);
    rgb888.fill(QColor(10, 20, 30));
    EXPECT_EQ(decodeOk(writeBmp(rgb888)).pixel(1, 1), qRgb(10, 20, 30));
}

TEST(BmpWrite, NullImageGivesNoBytes)
{
    EXPECT_TRUE(writeBmp(QImage()).isEmpty());
}

// ---- palettes ----

TEST(BmpPalette, OneBitReadsMostSignificantBitFirst)
{
    BmpParts p;
    p.bitCount = 1;
    p.width = 10;
    p.height = 1;
    p.palette = {kRed, kBlue};
    p.rows = {bytes({0b10110010, 0b01000000})};
    const QImage image = decodeOk(buildBmp(p));
    ASSERT_EQ(image.size(), QSize(10, 1));
    const std::vector<QRgb> expected = {kBlue, kRed, kBlue, kBlue, kRed, kRed, kBlue, kRed, kRed, kBlue};
    EXPECT_EQ(rowOf(image, 0), expected);
}

TEST(BmpPalette, FourBitReadsHighNibbleFirstWithOddWidth)
{
    BmpParts p;
    p.bitCount = 4;
    p.width = 3;
    p.height = 2;
    p.colorsUsed = 3;
    p.palette = {kBlack, kWhite, kGreen};
    p.rows = {bytes({0x12, 0x00}), bytes({0x21, 0x1F})}; // the last nibble of each row is unused
    const QImage image = decodeOk(buildBmp(p));
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(rowOf(image, 1), (std::vector<QRgb>{kWhite, kGreen, kBlack})); // first stored row
    EXPECT_EQ(rowOf(image, 0), (std::vector<QRgb>{kGreen, kWhite, kWhite}));
}

TEST(BmpPalette, EightBitWithShortPaletteAndIndexPastIt)
{
    BmpParts p;
    p.bitCount = 8;
    p.width = 4;
    p.height = 1;
    p.colorsUsed = 2;
    p.palette = {qRgb(10, 20, 30), qRgb(40, 50, 60)};
    p.rows = {bytes({1, 0, 255, 2})};
    const QImage image = decodeOk(buildBmp(p));
    EXPECT_EQ(rowOf(image, 0), (std::vector<QRgb>{qRgb(40, 50, 60), qRgb(10, 20, 30), kBlack, kBlack}));
}

TEST(BmpPalette, CoreHeaderUsesThreeBytePaletteEntries)
{
    BmpParts p;
    p.headerSize = 12;
    p.bitCount = 8;
    p.width = 2;
    p.height = 2;
    p.palette.assign(256, kBlack);
    p.palette[7] = qRgb(1, 2, 3);
    p.palette[255] = qRgb(250, 251, 252);
    p.rows = {bytes({7, 255}), bytes({255, 0})};
    const QImage image = decodeOk(buildBmp(p));
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(rowOf(image, 1), (std::vector<QRgb>{qRgb(1, 2, 3), qRgb(250, 251, 252)}));
    EXPECT_EQ(rowOf(image, 0), (std::vector<QRgb>{qRgb(250, 251, 252), kBlack}));
}

TEST(BmpPalette, PaletteLongerThanTheFileFails)
{
    BmpParts p;
    p.bitCount = 8;
    p.colorsUsed = 200; // but only one entry is there, followed by one pixel row
    p.palette = {kRed};
    p.rows = {bytes({0})};
    expectFailure(buildBmp(p), "palette");
}

// ---- direct colour ----

TEST(BmpDirect, TwentyFourBitIsBlueGreenRed)
{
    BmpParts p;
    p.width = 2;
    p.height = 1;
    p.rows = {bytes({1, 2, 3, 0xFF, 0x80, 0x00})};
    EXPECT_EQ(rowOf(decodeOk(buildBmp(p)), 0), (std::vector<QRgb>{qRgb(3, 2, 1), qRgb(0x00, 0x80, 0xFF)}));
}

TEST(BmpDirect, ThirtyTwoBitRgbIgnoresTheFourthByte)
{
    BmpParts p;
    p.bitCount = 32;
    p.width = 2;
    p.height = 1;
    p.rows = {bytes({10, 20, 30, 0x00, 40, 50, 60, 0x7F})};
    const QImage image = decodeOk(buildBmp(p));
    EXPECT_EQ(rowOf(image, 0), (std::vector<QRgb>{qRgb(30, 20, 10), qRgb(60, 50, 40)}));
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 255);
}

TEST(BmpDirect, BitfieldsAfterInfoHeaderWithUnusualByteOrder)
{
    BmpParts p;
    p.bitCount = 32;
    p.compression = 3;
    p.width = 1;
    p.height = 1;
    p.masks = {0x000000FF, 0xFF000000, 0x0000FF00}; // red low byte, green high byte
    p.rows = {le32({0x11223344})};
    EXPECT_EQ(decodeOk(buildBmp(p)).pixel(0, 0), qRgb(0x44, 0x11, 0x33));
}

TEST(BmpDirect, TenBitBitfieldsInV5HeaderKeepTheTopEightBits)
{
    BmpParts p;
    p.headerSize = 124;
    p.bitCount = 32;
    p.compression = 3;
    p.width = 3;
    p.height = 1;
    p.masks = {0x3FF00000, 0x000FFC00, 0x000003FF, 0};
    p.rows = {le32({0x3FFFFFFF, 0x00000000, (0x200u << 20) | (0x0FFu << 10) | 0x004u})};
    EXPECT_EQ(rowOf(decodeOk(buildBmp(p)), 0), (std::vector<QRgb>{kWhite, kBlack, qRgb(0x80, 0x3F, 0x01)}));
}

TEST(BmpDirect, NarrowBitfieldsStretchToFullRange)
{
    BmpParts p;
    p.headerSize = 108;
    p.bitCount = 32;
    p.compression = 3;
    p.width = 2;
    p.height = 1;
    p.masks = {0x0000F800, 0x000007E0, 0x0000001F, 0}; // 5-6-5 in the low half of each pixel
    p.rows = {le32({0xFFFF, 0x0000})};
    EXPECT_EQ(rowOf(decodeOk(buildBmp(p)), 0), (std::vector<QRgb>{kWhite, kBlack}));
}

TEST(BmpDirect, V4HeaderMasksAreIgnoredWithoutBitfields)
{
    BmpParts p;
    p.headerSize = 108;
    p.bitCount = 32;
    p.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0};
    p.rows = {bytes({1, 2, 3, 0})};
    EXPECT_EQ(decodeOk(buildBmp(p)).pixel(0, 0), qRgb(3, 2, 1));
}

TEST(BmpDirect, NonContiguousMaskFails)
{
    BmpParts p;
    p.bitCount = 32;
    p.compression = 3;
    p.masks = {0x00FF00FF, 0x0000FF00, 0x000000FF};
    p.rows = {le32({0})};
    expectFailure(buildBmp(p), "mask");
}

// ---- row order and pixel offset ----

TEST(BmpLayout, TopDownAndBottomUpGiveTheSameImage)
{
    const std::vector<QByteArray> topFirst = {bytes({1, 1, 1, 2, 2, 2}), bytes({3, 3, 3, 4, 4, 4}),
                                              bytes({5, 5, 5, 6, 6, 6})};
    BmpParts down;
    down.width = 2;
    down.height = -3;
    down.rows = topFirst;
    BmpParts up = down;
    up.height = 3;
    up.rows.assign(topFirst.rbegin(), topFirst.rend());

    const QImage a = decodeOk(buildBmp(down));
    const QImage b = decodeOk(buildBmp(up));
    ASSERT_EQ(a.size(), QSize(2, 3));
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.pixel(0, 0), qRgb(1, 1, 1));
    EXPECT_EQ(a.pixel(1, 2), qRgb(6, 6, 6));
}

TEST(BmpLayout, PixelOffsetSkipsAGapAfterThePalette)
{
    BmpParts p;
    p.bitCount = 8;
    p.colorsUsed = 2;
    p.palette = {kRed, kGreen};
    p.gapBeforePixels = 9; // zeros, which would read as red
    p.rows = {bytes({1})};
    EXPECT_EQ(decodeOk(buildBmp(p)).pixel(0, 0), kGreen);
}

TEST(BmpLayout, ZeroPixelOffsetFallsBackToTheEndOfThePalette)
{
    BmpParts p;
    p.bitCount = 8;
    p.colorsUsed = 2;
    p.palette = {kRed, kBlue};
    p.offBits = 0;
    p.rows = {bytes({1})};
    EXPECT_EQ(decodeOk(buildBmp(p)).pixel(0, 0), kBlue);
}

TEST(BmpLayout, PixelOffsetOutsideTheFileFails)
{
    BmpParts p;
    p.rows = {bytes({1, 2, 3})};
    p.offBits = 0x7FFFFFF0;
    expectFailure(buildBmp(p));
    p.offBits = 20; // inside the info header
    expectFailure(buildBmp(p));
}

TEST(BmpLayout, MissingPaddingAfterTheLastRowIsTolerated)
{
    BmpParts p;
    p.width = 1;
    p.height = 2;
    p.rows = {bytes({1, 2, 3}), bytes({4, 5, 6})};
    QByteArray file = buildBmp(p);
    file.chop(1); // the last row's padding byte
    const QImage image = decodeOk(file);
    EXPECT_EQ(image.pixel(0, 0), qRgb(6, 5, 4));
    file.chop(1); // now a pixel byte is missing
    expectFailure(file, "truncated");
}

// ---- damaged and hostile input ----

TEST(BmpRefuse, EveryTruncationOfAValidFileFails)
{
    BmpParts p;
    p.bitCount = 8;
    p.width = 4; // rows need no padding, so every missing byte is a missing pixel
    p.height = 2;
    p.colorsUsed = 2;
    p.palette = {kRed, kGreen};
    p.rows = {bytes({0, 1, 0, 1}), bytes({1, 1, 0, 0})};
    const QByteArray file = buildBmp(p);
    decodeOk(file);
    for (qsizetype n = 0; n < file.size(); ++n) {
        SCOPED_TRACE(n);
        expectFailure(file.left(n));
    }
}

TEST(BmpRefuse, HugeDeclaredSizeInATinyFileFailsQuickly)
{
    BmpParts p;
    p.width = 7000; // 49 megapixels: a size allowed, but not in these few bytes
    p.height = 7000;
    p.bitCount = 32;
    p.rows = {le32({0, 0, 0, 0})};
    expectFailure(buildBmp(p), "truncated");
}

TEST(BmpRefuse, DimensionLimits)
{
    BmpParts p;
    p.bitCount = 8;
    p.colorsUsed = 1;
    p.palette = {kRed};

    p.width = kMaxPictureDimension; // the largest allowed width, one row
    p.rows = {QByteArray(kMaxPictureDimension, '\0')};
    EXPECT_EQ(decodeOk(buildBmp(p)).width(), kMaxPictureDimension);
    p.width = kMaxPictureDimension + 1;
    p.rows = {QByteArray(kMaxPictureDimension + 1, '\0')};
    expectFailure(buildBmp(p), "limit");

    p.width = 1;
    p.height = -(kMaxPictureDimension + 1);
    p.rows.assign(kMaxPictureDimension + 1, bytes({0}));
    expectFailure(buildBmp(p), "limit");

    // Within both sides' limits but above 50 megapixels; or above what the caller allows.
    p.width = 7072;
    p.height = -7072;
    p.rows.assign(1, QByteArray(7072, '\0'));
    expectFailure(buildBmp(p), "exceeds the limit of 50000000 pixels");
    p.width = 10;
    p.height = -10;
    p.rows.assign(10, QByteArray(12, '\0'));
    EXPECT_TRUE(readBmp(buildBmp(p), 100).ok());
    EXPECT_EQ(readBmp(buildBmp(p), 99).error, "BMP: 10 x 10 pixels exceeds the limit of 99 pixels");

    const std::vector<std::pair<std::int32_t, std::int32_t>> invalid = {
        {0, 1},
        {1, 0},
        {-1, 1},
        {std::numeric_limits<std::int32_t>::min(), 1},
        {1, std::numeric_limits<std::int32_t>::min()}};
    for (auto [w, h] : invalid) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        p.width = w;
        p.height = h;
        p.rows = {bytes({0, 0, 0, 0})};
        expectFailure(buildBmp(p));
    }
}

TEST(BmpRefuse, UnsupportedCompressionNamesTheReason)
{
    BmpParts p;
    p.bitCount = 8;
    p.colorsUsed = 1;
    p.palette = {kRed};
    p.rows = {bytes({0, 1, 0, 1})};
    p.compression = 1;
    expectFailure(buildBmp(p), "RLE");
    p.bitCount = 4;
    p.compression = 2;
    expectFailure(buildBmp(p), "RLE");
    p.bitCount = 24;
    p.compression = 4;
    expectFailure(buildBmp(p), "JPEG");
    p.compression = 5;
    expectFailure(buildBmp(p), "PNG");
    p.compression = 3; // bitfields only go with 32 bits here
    p.masks = {0xFF0000, 0xFF00, 0xFF};
    expectFailure(buildBmp(p));
    p.compression = 99;
    expectFailure(buildBmp(p), "compression");
}

TEST(BmpRefuse, UnsupportedBitCountsAndHeaders)
{
    BmpParts p;
    p.rows = {bytes({0, 0, 0, 0})};
    p.bitCount = 16;
    expectFailure(buildBmp(p), "16");
    p.bitCount = 2;
    expectFailure(buildBmp(p), "bit count");
    p.bitCount = 0;
    expectFailure(buildBmp(p), "bit count");
    p.bitCount = 24;
    p.headerSize = 64; // OS/2 2.x header
    expectFailure(buildBmp(p), "header");
}

TEST(BmpRefuse, NotABmpFile)
{
    expectFailure(QByteArray());
    expectFailure(QByteArray("BM"));
    QByteArray file = writeBmp(variedImage(2, 2));
    file[0] = 'P';
    expectFailure(file, "signature");
}

} // namespace
} // namespace molvane
