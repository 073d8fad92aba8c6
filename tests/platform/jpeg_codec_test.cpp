#include "platform/jpeg_codec.h"

#include <gtest/gtest.h>

#include <QColor>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include <jpeglib.h>

namespace molvane {
namespace {

QImage smoothImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y,
                qRgb(40 + 160 * x / width, 30 + 180 * y / height, 200 - 100 * (x + y) / (width + height)));
    return image;
}

int maxChannelDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

QByteArray encodeOk(const QImage& image, int quality = 100)
{
    const EncodedJpeg e = writeJpeg(image, quality);
    EXPECT_TRUE(e.ok()) << e.error.toStdString();
    EXPECT_TRUE(e.error.isEmpty());
    return e.bytes;
}

void expectFailure(QByteArrayView file, const char* reasonPart = nullptr)
{
    const DecodedImage d = readJpeg(file);
    EXPECT_FALSE(d.ok());
    EXPECT_TRUE(d.image.isNull());
    EXPECT_FALSE(d.error.isEmpty());
    if (reasonPart) {
        EXPECT_TRUE(d.error.contains(QLatin1StringView(reasonPart), Qt::CaseInsensitive))
            << d.error.toStdString();
    }
}

// A marker segment before the entropy-coded data: FF, marker, big-endian length, payload.
struct Segment {
    int marker = 0;
    qsizetype payload = 0; // offset of the first byte after the length field
    int length = 0;        // payload bytes
};

std::vector<Segment> headerSegments(const QByteArray& jpeg)
{
    std::vector<Segment> out;
    const auto byte = [&](qsizetype i) { return int(std::uint8_t(jpeg[i])); };
    qsizetype pos = 2; // after SOI
    while (pos + 4 <= jpeg.size() && byte(pos) == 0xFF) {
        const int length = byte(pos + 2) << 8 | byte(pos + 3);
        out.push_back({byte(pos + 1), pos + 4, length - 2});
        if (out.back().marker == 0xDA) // start of scan: entropy data follows
            break;
        pos += 2 + length;
    }
    return out;
}

const Segment* findSegment(const std::vector<Segment>& segments, int marker)
{
    for (const Segment& s : segments)
        if (s.marker == marker)
            return &s;
    return nullptr;
}

// Pictures in colour spaces writeJpeg never produces, encoded with plain libjpeg.
QByteArray encodeWithLibjpeg(int width, int height, J_COLOR_SPACE space, int components)
{
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(width * components));
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width * components; ++x)
            row[std::size_t(x)] = JSAMPLE(x * 255 / (width * components)); // a left-to-right ramp
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

// The picture as plain libjpeg writes it from a 24-bit RGB copy: defaults, quality 100 with baseline
// tables, the slow integer DCT; progressive (libjpeg's standard scan script, ten scans for YCbCr) when
// asked.
QByteArray encodeRgbCopy(const QImage& image, bool progressive)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    info.dct_method = JDCT_ISLOW;
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

QByteArray encodeProgressive(const QImage& image)
{
    return encodeRgbCopy(image, true);
}

// The first scan (its SOS segment and its entropy-coded data) repeated copies more times right after
// itself. The first scan of a progressive file carries the DC values, which decode the same way
// each time: the repeats cost decoding time and change nothing.
QByteArray withFirstScanRepeated(const QByteArray& jpeg, int copies)
{
    const std::vector<Segment> segments = headerSegments(jpeg);
    EXPECT_FALSE(segments.empty());
    EXPECT_EQ(segments.back().marker, 0xDA);
    const qsizetype start = segments.back().payload - 4;
    qsizetype end = segments.back().payload + segments.back().length;
    const auto byte = [&](qsizetype i) { return std::uint8_t(jpeg[i]); };
    // The data ends at the next marker: FF followed by neither a stuffed 00 nor a restart marker.
    while (end + 1 < jpeg.size() && !(byte(end) == 0xFF && byte(end + 1) != 0 && (byte(end + 1) & 0xF8) != 0xD0))
        ++end;
    const QByteArray scan = jpeg.mid(start, end - start);
    QByteArray out = jpeg.left(end);
    for (int i = 0; i < copies; ++i)
        out += scan;
    return out + jpeg.mid(end);
}

// Rewrites the frame size in the SOF0 segment.
QByteArray withFrameSize(QByteArray jpeg, int width, int height)
{
    const std::vector<Segment> segments = headerSegments(jpeg);
    const Segment* sof = findSegment(segments, 0xC0);
    EXPECT_NE(sof, nullptr);
    if (!sof)
        return {};
    jpeg[sof->payload + 1] = char(height >> 8);
    jpeg[sof->payload + 2] = char(height & 0xFF);
    jpeg[sof->payload + 3] = char(width >> 8);
    jpeg[sof->payload + 4] = char(width & 0xFF);
    return jpeg;
}

// ---- writing and reading back ----

TEST(JpegRoundTrip, SmoothImageComesBackClose)
{
    for (QSize size : {QSize(64, 48), QSize(37, 23), QSize(1, 1)}) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        const QImage original = smoothImage(size.width(), size.height());
        const DecodedImage back = readJpeg(encodeOk(original));
        ASSERT_TRUE(back.ok()) << back.error.toStdString();
        EXPECT_TRUE(back.error.isEmpty());
        EXPECT_EQ(back.image.format(), QImage::Format_RGB32);
        ASSERT_EQ(back.image.size(), original.size());
        EXPECT_LE(maxChannelDifference(original, back.image), 8);
    }
}

TEST(JpegRoundTrip, FlatColourSurvivesExactlyEnough)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 90));
    const DecodedImage back = readJpeg(encodeOk(image));
    ASSERT_TRUE(back.ok());
    // Catches swapped channels, which a symmetric gradient could hide.
    EXPECT_LE(maxChannelDifference(image, back.image), 3);
}

TEST(JpegRoundTrip, AcceptsImagesWithAlphaAndGrayscale)
{
    QImage argb(8, 8, QImage::Format_ARGB32);
    argb.fill(QColor(10, 120, 250));
    const DecodedImage a = readJpeg(encodeOk(argb));
    ASSERT_TRUE(a.ok());
    EXPECT_LE(maxChannelDifference(argb, a.image), 3);

    QImage gray(8, 8, QImage::Format_Grayscale8);
    gray.fill(QColor(128, 128, 128));
    const DecodedImage g = readJpeg(encodeOk(gray));
    ASSERT_TRUE(g.ok());
    EXPECT_LE(std::abs(qRed(g.image.pixel(3, 3)) - 128), 2);
}

TEST(JpegRoundTrip, LowerQualityGivesASmallerFile)
{
    QImage noisy(64, 64, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            noisy.setPixel(x, y, random() & 0xFFFFFF);
    EXPECT_LT(encodeOk(noisy, 30).size(), encodeOk(noisy, 100).size());
}

TEST(JpegRoundTrip, GrayscaleFileDecodesToEqualChannels)
{
    const DecodedImage d = readJpeg(encodeWithLibjpeg(24, 8, JCS_GRAYSCALE, 1));
    ASSERT_TRUE(d.ok()) << d.error.toStdString();
    ASSERT_EQ(d.image.size(), QSize(24, 8));
    EXPECT_EQ(d.image.format(), QImage::Format_RGB32);
    for (int x = 0; x < 24; ++x) {
        const QRgb p = d.image.pixel(x, 4);
        EXPECT_EQ(qRed(p), qGreen(p));
        EXPECT_EQ(qGreen(p), qBlue(p));
    }
    EXPECT_LT(qRed(d.image.pixel(0, 0)), qRed(d.image.pixel(23, 0))); // the ramp survived
}

TEST(JpegWrite, NullImageFails)
{
    const EncodedJpeg e = writeJpeg(QImage());
    EXPECT_FALSE(e.ok());
    EXPECT_TRUE(e.bytes.isEmpty());
    EXPECT_FALSE(e.error.isEmpty());
}

// ---- byte layout of what we write ----

TEST(JpegLayout, StartsWithSoiAndJfifAndEndsWithEoi)
{
    const QByteArray jpeg = encodeOk(smoothImage(40, 30));
    ASSERT_GT(jpeg.size(), 20);
    EXPECT_EQ(jpeg.left(2), QByteArray("\xFF\xD8"));
    EXPECT_EQ(jpeg.right(2), QByteArray("\xFF\xD9"));
    const std::vector<Segment> segments = headerSegments(jpeg);
    ASSERT_FALSE(segments.empty());
    EXPECT_EQ(segments.front().marker, 0xE0); // APP0 right after SOI
    EXPECT_EQ(jpeg.mid(segments.front().payload, 5), QByteArray("JFIF\0", 5));
}

TEST(JpegLayout, FrameIsBaselineWithThreeComponentsAndSubsampledChroma)
{
    const QByteArray jpeg = encodeOk(smoothImage(40, 30));
    const std::vector<Segment> segments = headerSegments(jpeg);
    ASSERT_FALSE(segments.empty());
    EXPECT_EQ(segments.back().marker, 0xDA);
    for (const Segment& s : segments) {
        const bool otherFrame =
            s.marker >= 0xC1 && s.marker <= 0xCF && s.marker != 0xC4 && s.marker != 0xC8 && s.marker != 0xCC;
        EXPECT_FALSE(otherFrame) << "frame marker " << std::hex << s.marker;
    }
    EXPECT_FALSE(jpeg.contains(QByteArray("\xFF\xC2")));

    const Segment* sof = findSegment(segments, 0xC0);
    ASSERT_NE(sof, nullptr);
    ASSERT_EQ(sof->length, 6 + 3 * 3);
    const auto at = [&](int i) { return int(std::uint8_t(jpeg[sof->payload + i])); };
    EXPECT_EQ(at(0), 8);               // sample precision
    EXPECT_EQ(at(1) << 8 | at(2), 30); // height
    EXPECT_EQ(at(3) << 8 | at(4), 40); // width
    EXPECT_EQ(at(5), 3);               // components
    EXPECT_EQ(at(7), 0x22);            // luma: 2x2
    EXPECT_EQ(at(10), 0x11);           // Cb
    EXPECT_EQ(at(13), 0x11);           // Cr
}

// The drawing bitmap's 32-bit rows go to libjpeg as they are; the file must be the one a 24-bit RGB
// copy of them gives, with every setting of the writer: baseline, quality 100, slow integer DCT.
TEST(JpegLayout, ThirtyTwoBitRowsGiveTheFileOfTheirTwentyFourBitCopy)
{
    QImage noisy(37, 23, QImage::Format_RGB32);
    std::mt19937 random(11);
    for (int y = 0; y < noisy.height(); ++y)
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, random() & 0xFFFFFF);
    for (const QImage& image : {noisy, smoothImage(64, 48), noisy.convertToFormat(QImage::Format_RGB888)}) {
        SCOPED_TRACE(testing::Message() << "format " << int(image.format()));
        EXPECT_EQ(encodeOk(image), encodeRgbCopy(image, false));
    }
}

// ---- damaged and hostile input: each must fail and leave the process running ----

TEST(JpegRefuse, TruncatedFilesFail)
{
    const QByteArray jpeg = encodeOk(smoothImage(64, 64));
    ASSERT_TRUE(readJpeg(jpeg).ok());
    expectFailure(QByteArrayView(jpeg).first(jpeg.size() / 2), "premature end");
    for (int eighths = 1; eighths < 8; ++eighths) {
        SCOPED_TRACE(eighths);
        expectFailure(QByteArrayView(jpeg).first(jpeg.size() * eighths / 8));
    }
    expectFailure(QByteArrayView(jpeg).first(jpeg.size() - 2)); // only the EOI marker missing
}

TEST(JpegRefuse, EveryShortPrefixFails)
{
    const QByteArray jpeg = encodeOk(smoothImage(8, 8));
    const std::vector<Segment> segments = headerSegments(jpeg);
    ASSERT_FALSE(segments.empty());
    const qsizetype headerEnd = segments.back().payload + segments.back().length;
    for (qsizetype n = 0; n <= headerEnd; ++n) {
        SCOPED_TRACE(n);
        expectFailure(QByteArrayView(jpeg).first(n));
    }
}

TEST(JpegRefuse, EmptyAndGarbageFail)
{
    expectFailure(QByteArrayView());
    expectFailure(QByteArray("\xFF\xD8", 2));
    expectFailure(QByteArray("not a picture at all"), "not a jpeg");
    std::mt19937 random(42);
    for (int round = 0; round < 20; ++round) {
        QByteArray noise(200 + round * 13, '\0');
        for (char& c : noise)
            c = char(random());
        if (round % 2 == 0) {
            noise[0] = char(0xFF); // get past the signature check into the marker parser
            noise[1] = char(0xD8);
        }
        expectFailure(noise);
    }
}

TEST(JpegRefuse, CorruptEntropyDataNeverCrashes)
{
    const QByteArray jpeg = encodeOk(smoothImage(48, 48));
    const std::vector<Segment> segments = headerSegments(jpeg);
    ASSERT_FALSE(segments.empty());
    const qsizetype dataStart = segments.back().payload + segments.back().length;
    std::mt19937 random(1);
    for (int round = 0; round < 50; ++round) {
        QByteArray damaged = jpeg;
        const auto span = std::uint32_t(jpeg.size() - 2 - dataStart); // keep the EOI marker
        for (int k = 0; k < 8; ++k)
            damaged[dataStart + qsizetype(random() % span)] = char(random());
        const DecodedImage d = readJpeg(damaged);
        // Either outcome is fine as long as it is a consistent one.
        if (d.ok()) {
            EXPECT_EQ(d.image.size(), QSize(48, 48));
        } else {
            EXPECT_FALSE(d.error.isEmpty());
        }
    }
}

TEST(JpegRefuse, DimensionLimitIsCheckedBeforeDecoding)
{
    const QByteArray wide = encodeOk(smoothImage(kMaxPictureDimension, 8));
    const DecodedImage atLimit = readJpeg(wide);
    ASSERT_TRUE(atLimit.ok()) << atLimit.error.toStdString();
    EXPECT_EQ(atLimit.image.width(), kMaxPictureDimension);

    expectFailure(withFrameSize(wide, kMaxPictureDimension + 1, 8), "20000");
    const QByteArray small = encodeOk(smoothImage(16, 16));
    expectFailure(withFrameSize(small, 60000, 60000), "20000");
    expectFailure(withFrameSize(small, 16, kMaxPictureDimension + 1), "20000");
    // 7072 x 7072 is just above 50 megapixels (a greyscale JPEG of 20000 x 20000 is only a few MB).
    expectFailure(withFrameSize(small, 7072, 7072), "exceeds the limit of 50000000 pixels");
    const DecodedImage below = readJpeg(withFrameSize(small, 7071, 7071));
    EXPECT_FALSE(below.error.contains("exceeds")) << below.error.toStdString();
}

TEST(JpegRefuse, ATinyFileCannotClaimAHugePicture)
{
    const QByteArray small = encodeOk(smoothImage(16, 16));
    expectFailure(withFrameSize(small, 7000, 7000), "cannot be in");
    // A megapixel is always allowed to try (and then fails only for its missing data).
    const DecodedImage mega = readJpeg(withFrameSize(small, 1000, 1000));
    EXPECT_FALSE(mega.ok());
    EXPECT_FALSE(mega.error.contains("cannot be in"));
}

TEST(JpegRefuse, AProgressiveFileRepeatingItsScansIsRefusedPastFiveHundredScans)
{
    const QImage source = smoothImage(40, 24);
    const QByteArray progressive = encodeProgressive(source);
    ASSERT_TRUE(progressive.contains("\xFF\xC2")) << "a progressive frame";
    const DecodedImage plain = readJpeg(progressive);
    ASSERT_TRUE(plain.ok()) << plain.error.toStdString();
    EXPECT_LE(maxChannelDifference(plain.image, source), 12);

    // Ten scans of its own: 490 more is 500 in all, one more is too many.
    const DecodedImage atLimit = readJpeg(withFirstScanRepeated(progressive, 490));
    ASSERT_TRUE(atLimit.ok()) << atLimit.error.toStdString();
    EXPECT_EQ(atLimit.image, plain.image) << "the repeated scans change nothing";
    expectFailure(withFirstScanRepeated(progressive, 491), "more than 500 scans");
    expectFailure(withFirstScanRepeated(progressive, 5000), "more than 500 scans");
}

TEST(JpegRefuse, CmykIsRefusedWithAReason)
{
    expectFailure(encodeWithLibjpeg(16, 16, JCS_CMYK, 4), "CMYK");
}

TEST(JpegRefuse, ManyFailuresInARowLeaveNothingBehind)
{
    // Under AddressSanitizer a leak on the failure path shows up at exit. Cutting inside the scan
    // fails after the image and libjpeg's row buffers exist, the path most likely to leak.
    const QByteArray jpeg = encodeOk(smoothImage(32, 32));
    const std::vector<Segment> segments = headerSegments(jpeg);
    ASSERT_FALSE(segments.empty());
    const qsizetype dataStart = segments.back().payload + segments.back().length;
    const qsizetype cut = (dataStart + jpeg.size()) / 2;
    for (int i = 0; i < 200; ++i)
        expectFailure(QByteArrayView(jpeg).first(cut), "premature end");
    for (int i = 0; i < 200; ++i)
        expectFailure(QByteArrayView(jpeg).first(dataStart / 2));
}

} // namespace
} // namespace molvane
