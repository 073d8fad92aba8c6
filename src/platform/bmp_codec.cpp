#include "platform/bmp_codec.h"

#include "platform/byte_stream.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>

namespace molvane {

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kV4HeaderSize = 108;
constexpr std::uint32_t kV5HeaderSize = 124;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiJpeg = 4;
constexpr std::uint32_t kBiPng = 5;

constexpr std::int32_t kPixelsPerMetre = 2835; // 72 dpi

// One colour channel of a 32-bit pixel, described by its mask.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
};

struct BmpHeader {
    std::int32_t width = 0;
    std::int32_t height = 0; // as stored: negative means the first row is the top one
    std::uint16_t bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::array<std::uint32_t, 3> masks = {0x00FF0000, 0x0000FF00, 0x000000FF}; // red, green, blue
    qsizetype paletteEntrySize = 4;
    qsizetype paletteStart = 0; // first byte after the headers and any separate masks
    std::uint32_t pixelOffset = 0;
};

DecodedImage fail(const char* why)
{
    return DecodedImage::failure(QStringLiteral("BMP: ") + QLatin1StringView(why));
}

QString readCoreHeader(ByteReader& in, BmpHeader& h)
{
    std::uint16_t width, height, planes;
    if (!in.readUInt16(width) || !in.readUInt16(height) || !in.readUInt16(planes) ||
        !in.readUInt16(h.bitCount))
        return QStringLiteral("truncated core header");
    h.width = width;
    h.height = height;
    h.paletteEntrySize = 3;
    return {};
}

// BITMAPINFOHEADER and its V4/V5 extensions, which keep the same first 40 bytes and add the colour
// masks right after them.
QString readInfoHeader(ByteReader& in, std::uint32_t headerSize, BmpHeader& h)
{
    std::uint16_t planes;
    std::uint32_t sizeImage, xResolution, yResolution, colorsImportant;
    if (!in.readInt32(h.width) || !in.readInt32(h.height) || !in.readUInt16(planes) ||
        !in.readUInt16(h.bitCount) || !in.readUInt32(h.compression) || !in.readUInt32(sizeImage) ||
        !in.readUInt32(xResolution) || !in.readUInt32(yResolution) || !in.readUInt32(h.colorsUsed) ||
        !in.readUInt32(colorsImportant))
        return QStringLiteral("truncated info header");
    // Masks only mean something with BI_BITFIELDS; V4/V5 writers fill them in for BI_RGB too.
    const bool wantMasks = h.compression == kBiBitfields;
    if (headerSize > kInfoHeaderSize || wantMasks) {
        std::array<std::uint32_t, 3> masks;
        if (!in.readUInt32(masks[0]) || !in.readUInt32(masks[1]) || !in.readUInt32(masks[2]))
            return QStringLiteral("truncated colour masks");
        if (wantMasks)
            h.masks = masks;
    }
    return {};
}

QString readHeaders(QByteArrayView file, BmpHeader& h)
{
    ByteReader in(file);
    std::uint8_t b, m;
    std::uint32_t fileSize, reserved, headerSize;
    if (!in.readUInt8(b) || !in.readUInt8(m) || b != 'B' || m != 'M')
        return QStringLiteral("not a BMP file (no \"BM\" signature)");
    if (!in.readUInt32(fileSize) || !in.readUInt32(reserved) || !in.readUInt32(h.pixelOffset) ||
        !in.readUInt32(headerSize))
        return QStringLiteral("truncated file header");
    if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize && headerSize != kV4HeaderSize &&
        headerSize != kV5HeaderSize)
        return QStringLiteral("unsupported header size %1").arg(headerSize);
    if (in.remaining() < qsizetype(headerSize) - 4)
        return QStringLiteral("truncated header");

    const QString error =
        headerSize == kCoreHeaderSize ? readCoreHeader(in, h) : readInfoHeader(in, headerSize, h);
    if (!error.isEmpty())
        return error;
    // A 40-byte header keeps its BI_BITFIELDS masks after itself; the reader above consumed them.
    const qsizetype maskBytes = headerSize == kInfoHeaderSize && h.compression == kBiBitfields ? 12 : 0;
    h.paletteStart = kFileHeaderSize + headerSize + maskBytes;
    return {};
}

QString checkDimensions(const BmpHeader& h, qint64 maxPixels)
{
    if (h.width <= 0)
        return QStringLiteral("width %1 is not positive").arg(h.width);
    if (h.height == 0)
        return QStringLiteral("height is zero");
    if (h.height == std::numeric_limits<std::int32_t>::min())
        return QStringLiteral("height %1 is invalid").arg(h.height);
    return pictureSizeError(h.width, h.height < 0 ? -qint64(h.height) : h.height, maxPixels);
}

QString checkFormat(const BmpHeader& h)
{
    switch (h.compression) {
    case kBiRgb:
    case kBiBitfields: break;
    case kBiRle8:
    case kBiRle4: return QStringLiteral("RLE compression is not supported");
    case kBiJpeg:
    case kBiPng: return QStringLiteral("embedded JPEG or PNG data is not supported");
    default: return QStringLiteral("unknown compression %1").arg(h.compression);
    }
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        if (h.compression != kBiRgb)
            return QStringLiteral("BI_BITFIELDS with %1 bits per pixel is not supported").arg(h.bitCount);
        return {};
    case 32: return {};
    case 16: return QStringLiteral("16 bits per pixel is not supported");
    default: return QStringLiteral("unsupported bit count %1").arg(h.bitCount);
    }
}

bool makeChannel(std::uint32_t mask, Channel& out)
{
    out = {};
    if (mask == 0)
        return true; // the channel is absent and reads as 0
    const int shift = std::countr_zero(mask);
    const std::uint32_t bits = mask >> shift;
    if ((bits & (bits + 1)) != 0)
        return false; // not one run of ones
    out = {mask, shift, std::popcount(bits)};
    return true;
}

QString makeChannels(const BmpHeader& h, std::array<Channel, 3>& channels)
{
    for (int i = 0; i < 3; ++i) {
        if (!makeChannel(h.masks[i], channels[i]))
            return QStringLiteral("colour mask 0x%1 is not contiguous").arg(h.masks[i], 8, 16, QChar('0'));
    }
    return {};
}

// Widens or narrows a channel to 8 bits so that its full range maps onto 0..255.
int channelValue(std::uint32_t pixel, const Channel& c)
{
    if (c.bits == 0)
        return 0;
    const std::uint32_t v = (pixel & c.mask) >> c.shift;
    if (c.bits >= 8)
        return int(v >> (c.bits - 8));
    const std::uint32_t max = (1u << c.bits) - 1;
    return int((v * 255 + max / 2) / max);
}

using Palette = std::array<QRgb, 256>;

// Entries the header declares but the bit depth cannot address are skipped; indices past the
// declared entries read as black.
QString readPalette(QByteArrayView file, const BmpHeader& h, Palette& palette)
{
    palette.fill(qRgb(0, 0, 0));
    const std::uint32_t addressable = 1u << h.bitCount;
    const std::uint32_t declared = h.colorsUsed == 0 ? addressable : h.colorsUsed;
    const std::uint32_t count = std::min(declared, addressable);
    ByteReader in(file);
    if (!in.seek(h.paletteStart) || in.remaining() < qsizetype(count) * h.paletteEntrySize)
        return QStringLiteral("truncated palette (%1 entries declared)").arg(declared);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint8_t blue, green, red, unused;
        in.readUInt8(blue);
        in.readUInt8(green);
        in.readUInt8(red);
        if (h.paletteEntrySize == 4)
            in.readUInt8(unused);
        palette[i] = qRgb(red, green, blue);
    }
    return {};
}

// Where the rows start. Some writers leave bfOffBits at 0; the rows then follow the palette.
QString pixelStart(QByteArrayView file, const BmpHeader& h, qint64& start)
{
    if (h.pixelOffset == 0) {
        const qint64 entries = h.colorsUsed != 0 ? qint64(h.colorsUsed)
                               : h.bitCount <= 8 ? (qint64(1) << h.bitCount)
                                                 : 0;
        start = h.paletteStart + entries * h.paletteEntrySize;
    } else {
        start = h.pixelOffset;
        if (start < h.paletteStart)
            return QStringLiteral("pixel data offset %1 points into the header").arg(h.pixelOffset);
    }
    if (start > file.size())
        return QStringLiteral("pixel data offset %1 is beyond the end of the file").arg(start);
    return {};
}

struct RowDecoder {
    int width = 0;
    int bitCount = 0;
    const Palette* palette = nullptr;
    std::array<Channel, 3> channels;

    void decode(QByteArrayView row, QRgb* out) const
    {
        const auto* p = reinterpret_cast<const unsigned char*>(row.data());
        switch (bitCount) {
        case 1:
            for (int x = 0; x < width; ++x)
                out[x] = (*palette)[(p[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            for (int x = 0; x < width; ++x)
                out[x] = (*palette)[(p[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
            break;
        case 8:
            for (int x = 0; x < width; ++x)
                out[x] = (*palette)[p[x]];
            break;
        case 24:
            for (int x = 0; x < width; ++x)
                out[x] = qRgb(p[3 * x + 2], p[3 * x + 1], p[3 * x]);
            break;
        default: decode32(row, out); break;
        }
    }

    void decode32(QByteArrayView row, QRgb* out) const
    {
        ByteReader in(row);
        std::uint32_t v = 0;
        for (int x = 0; x < width && in.readUInt32(v); ++x)
            out[x] = qRgb(channelValue(v, channels[0]), channelValue(v, channels[1]),
                          channelValue(v, channels[2]));
    }
};

} // namespace

DecodedImage readBmp(QByteArrayView file, qint64 maxPixels)
{
    BmpHeader h;
    QString error = readHeaders(file, h);
    if (error.isEmpty())
        error = checkDimensions(h, maxPixels);
    if (error.isEmpty())
        error = checkFormat(h);

    RowDecoder decoder{h.width, h.bitCount, nullptr, {}};
    Palette palette;
    if (error.isEmpty() && h.bitCount <= 8) {
        error = readPalette(file, h, palette);
        decoder.palette = &palette;
    }
    if (error.isEmpty() && h.bitCount == 32)
        error = makeChannels(h, decoder.channels);
    qint64 start = 0;
    if (error.isEmpty())
        error = pixelStart(file, h, start);
    if (!error.isEmpty())
        return DecodedImage::failure(QStringLiteral("BMP: ") + error);

    // Dimensions are bounded above, so none of this can overflow 64 bits.
    const bool topDown = h.height < 0;
    const int rows = topDown ? -h.height : h.height;
    const qint64 rowBits = qint64(h.width) * h.bitCount;
    const qint64 stride = (rowBits + 31) / 32 * 4;
    const qint64 lastRowBytes = (rowBits + 7) / 8; // some writers drop the padding of the last row
    if (start + stride * (rows - 1) + lastRowBytes > file.size())
        return fail("truncated pixel data");

    QImage image(h.width, rows, QImage::Format_RGB32);
    if (image.isNull())
        return fail("out of memory for the image");
    for (int i = 0; i < rows; ++i) {
        const int y = topDown ? i : rows - 1 - i;
        const QByteArrayView row = file.sliced(start + stride * i, lastRowBytes);
        decoder.decode(row, reinterpret_cast<QRgb*>(image.scanLine(y)));
    }
    return {std::move(image), {}};
}

QByteArray writeBmp(const QImage& image)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const qint64 width = rgb.width();
    const qint64 height = rgb.height();
    const qint64 stride = (width * 3 + 3) / 4 * 4;
    const qint64 pixelBytes = stride * height;
    constexpr qint64 kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
    if (kHeadersSize + pixelBytes > std::numeric_limits<std::uint32_t>::max())
        return {}; // the size fields cannot describe it

    ByteWriter out(kHeadersSize + pixelBytes);
    out.writeUInt8('B');
    out.writeUInt8('M');
    out.writeUInt32(std::uint32_t(kHeadersSize + pixelBytes));
    out.writeUInt32(0); // reserved
    out.writeUInt32(std::uint32_t(kHeadersSize));
    out.writeUInt32(kInfoHeaderSize);
    out.writeInt32(std::int32_t(width));
    out.writeInt32(std::int32_t(height)); // positive: bottom-up
    out.writeUInt16(1);                   // planes
    out.writeUInt16(24);
    out.writeUInt32(kBiRgb);
    out.writeUInt32(std::uint32_t(pixelBytes));
    out.writeInt32(kPixelsPerMetre);
    out.writeInt32(kPixelsPerMetre);
    out.writeUInt32(0); // colours used
    out.writeUInt32(0); // colours important

    // The rows go straight into the file's bytes, bottom row first, each padded with zeros.
    auto* rows = reinterpret_cast<unsigned char*>(out.extend(pixelBytes));
    for (qint64 i = 0; i < height; ++i) {
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(int(height - 1 - i)));
        unsigned char* row = rows + i * stride;
        for (qint64 x = 0; x < width; ++x) {
            row[3 * x] = std::uint8_t(qBlue(pixels[x]));
            row[3 * x + 1] = std::uint8_t(qGreen(pixels[x]));
            row[3 * x + 2] = std::uint8_t(qRed(pixels[x]));
        }
        std::fill(row + 3 * width, row + stride, 0);
    }
    return out.take();
}

} // namespace molvane
