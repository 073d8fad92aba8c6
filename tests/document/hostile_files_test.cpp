// Hostile files: figure files and pictures made by hand to break the readers (counts and lengths that
// are negative or far past the end, a 2 GB text, pictures that claim 100000 x 100000 pixels, files cut
// short). They are written into a temporary folder under the names below and opened the way the
// editor opens them: a figure file through readFigureFile into a drawing of its own, a picture
// through readBmp / readJpeg. Each must fail with the user's message (or open after the region
// message) without touching the drawing that was open before.
#include "document/figure_file.h"
#include "document/figure_file_io.h"
#include "document/figure_stream.h"
#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"
#include "platform/byte_stream.h"
#include "platform/jpeg_codec.h"
#include "support/figure_builders.h"
#include "support/image_test_util.h"
#include "support/scripted_prompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

using namespace molvane;
using namespace molvane::test;

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
// A square picture of 49 megapixels, within every limit on a picture's size.
constexpr std::int32_t kAllowedSide = 7000;

// Where the variable part of a record starts: the font name's length, the text's length, then the
// point count or the picture's size.
constexpr int kFontLengthAt = 194;
constexpr int kTextLengthAt = 198;
constexpr int kAfterTextsAt = 202;

TFigure boundedBond(QPoint a, QPoint b)
{
    TFigure f = bond(a, b, 2);
    f.extremes = {a, a, b, b};
    return f;
}

TFigure ofKind(int kind)
{
    TFigure f = boundedBond({20, 20}, {60, 20});
    f.kind = kind;
    return f;
}

QByteArray record(const TFigure& f)
{
    ByteWriter out;
    writeFigureRecord(out, f);
    return out.take();
}

void putInt32(QByteArray& bytes, qsizetype at, std::int32_t v)
{
    const auto u = std::uint32_t(v);
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((u >> (8 * i)) & 0xFF);
}

QByteArray withInt32(QByteArray bytes, qsizetype at, std::int32_t v)
{
    putInt32(bytes, at, v);
    return bytes;
}

QByteArray int32Bytes(std::int32_t v)
{
    return withInt32(QByteArray(4, '\0'), 0, v);
}

// A picture record whose picture is the given bytes, whatever they are.
QByteArray pictureRecord(const QByteArray& bmp)
{
    QByteArray r = record(ofKind(fkPicture)); // a null picture: size 0 as the last field
    r.chop(4);
    return r + int32Bytes(std::int32_t(bmp.size())) + bmp;
}

// The parts of a figure file, each as stored unless set otherwise.
class FileParts {
public:
    FileParts& region(FigureRegion r)
    {
        region_ = r;
        return *this;
    }
    // The bytes after B, B being their count unless backgroundSize is set.
    FileParts& background(QByteArray bytes)
    {
        background_ = std::move(bytes);
        return *this;
    }
    FileParts& backgroundSize(std::int32_t b)
    {
        backgroundSize_ = b;
        return *this;
    }
    FileParts& records(std::vector<QByteArray> r)
    {
        records_ = std::move(r);
        return *this;
    }
    // The number of records, when not how many there are.
    FileParts& count(std::int32_t n)
    {
        count_ = n;
        return *this;
    }
    // The total size, when not the real one.
    FileParts& total(std::int32_t t)
    {
        total_ = t;
        return *this;
    }

    QByteArray bytes() const
    {
        ByteWriter out;
        out.writeInt32(kFigureFileFormat);
        out.writeInt32(0);
        out.writeInt32(region_.width);
        out.writeInt32(region_.height);
        out.writeInt32(region_.left);
        out.writeInt32(region_.top);
        out.writeInt32(backgroundSize_.value_or(std::int32_t(background_.size())));
        out.writeBytes(background_);
        out.writeInt32(count_.value_or(std::int32_t(records_.size())));
        for (const QByteArray& r : records_)
            out.writeBytes(r);
        QByteArray bytes = out.take();
        putInt32(bytes, 4, total_.value_or(std::int32_t(bytes.size())));
        return bytes;
    }

private:
    FigureRegion region_{300, 200, 0, 0};
    QByteArray background_;
    std::optional<std::int32_t> backgroundSize_;
    std::vector<QByteArray> records_;
    std::optional<std::int32_t> count_;
    std::optional<std::int32_t> total_;
};

// The headers of a BMP file and nothing else: no palette, no pixel rows.
QByteArray bmpHeaders(std::int32_t width, std::int32_t height, int bits = 24, std::uint32_t colours = 0,
                      std::uint32_t pixelOffset = 54)
{
    ByteWriter out;
    out.writeUInt8('B');
    out.writeUInt8('M');
    out.writeUInt32(54);
    out.writeUInt32(0);
    out.writeUInt32(pixelOffset);
    out.writeUInt32(40);
    out.writeInt32(width);
    out.writeInt32(height);
    out.writeUInt16(1);
    out.writeUInt16(std::uint16_t(bits));
    out.writeUInt32(0);
    out.writeUInt32(0);
    out.writeInt32(2835);
    out.writeInt32(2835);
    out.writeUInt32(colours);
    out.writeUInt32(0);
    return out.take();
}

QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 4 & 0xFF, y * 4 & 0xFF, (x ^ y) & 0xFF));
    return image;
}

enum class Outcome {
    InternalDataError, // beep and "内部データエラー"; readFigureFile fails
    RegionRepaired,    // beep and "RW=..., RH=..., RL=..., RT=..."; the file opens
    Opens,             // opens without a word
};

struct HostileFigureFile {
    const char* name;
    QByteArray bytes;
    Outcome outcome;
    int recordsKept = 0; // InternalDataError: the records read before the bad one
    QString regionText;  // RegionRepaired: the message
    QSize canvas;        // RegionRepaired, Opens: the canvas the file makes
};

std::vector<HostileFigureFile> hostileFigureFiles()
{
    const QByteArray good = record(boundedBond({10, 10}, {50, 10}));
    QByteArray moji = record(ofKind(fkMoji));
    const QByteArray freeCurve = record(ofKind(fkFree)); // no points: the count 0 is last
    const QByteArray plain = FileParts().records({good, good}).bytes();

    std::vector<HostileFigureFile> files;
    const auto fails = [&](const char* name, const QByteArray& bytes, int kept) {
        files.push_back({name, bytes, Outcome::InternalDataError, kept, {}, {}});
    };
    fails("empty.fga", QByteArray(), 0);
    fails("truncated-header.fga", plain.left(kFigureFileHeaderBytes - 8), 0);
    fails("header-without-count.fga", plain.left(kFigureFileHeaderBytes + 2), 0);
    fails("negative-count.fga", FileParts().count(-1).records({good}).bytes(), 0);
    fails("count-2g.fga", FileParts().count(kInt32Max).records({good}).bytes(), 1);
    fails("count-past-total.fga",
          FileParts().count(3).records({good, good, good}).total(32 + 202 + 100).bytes(), 1);
    fails("negative-total.fga", FileParts().records({good}).total(-1).bytes(), 0);
    fails("length-past-end.fga",
          FileParts().records({good, withInt32(moji, kFontLengthAt, 1000) + "MS"}).bytes(), 1);
    fails("negative-text-length.fga", FileParts().records({good, withInt32(moji, kTextLengthAt, -1)}).bytes(),
          1);
    fails("text-2gb.fga",
          FileParts()
              .records({good, withInt32(moji, kTextLengthAt, kInt32Max) + "CH3"})
              .total(kInt32Max)
              .bytes(),
          1);
    fails("points-2g.fga", FileParts().records({withInt32(freeCurve, kAfterTextsAt, kInt32Max)}).bytes(), 0);
    fails("negative-points.fga", FileParts().records({good, withInt32(freeCurve, kAfterTextsAt, -1)}).bytes(),
          1);
    fails("picture-100000.fga",
          FileParts().records({good, pictureRecord(bmpHeaders(100000, 100000) + "pixels")}).bytes(), 1);
    fails("picture-rows-missing.fga",
          FileParts().records({good, pictureRecord(bmpHeaders(kAllowedSide, kAllowedSide, 1))}).bytes(), 1);
    fails("picture-bmp-cut-in-half.fga",
          FileParts().records({good, pictureRecord(writeBmp(pattern(30, 20)).first(900))}).bytes(), 1);
    fails("picture-not-a-bmp.fga",
          FileParts().records({good, pictureRecord(QByteArray("GIF89a\x01\x00\x01\x00", 10))}).bytes(), 1);
    fails("picture-length-past-end.fga",
          FileParts()
              .records({good, withInt32(pictureRecord("BM"), kAfterTextsAt, kInt32Max)})
              .total(kInt32Max)
              .bytes(),
          1);
    fails("background-100000.fga", FileParts().background(bmpHeaders(100000, 100000)).records({good}).bytes(),
          0);
    fails("background-negative-size.fga", FileParts().backgroundSize(-54).records({good}).bytes(), 0);
    fails("background-past-end.fga",
          FileParts().background(writeBmp(pattern(4, 4))).backgroundSize(kInt32Max).total(kInt32Max).bytes(),
          0);
    fails("background-past-total.fga", FileParts().background(writeBmp(pattern(4, 4))).total(40).bytes(), 0);

    const auto repaired = [&](const char* name, FigureRegion region, QSize canvas) {
        files.push_back({name, FileParts().region(region).records({good}).bytes(), Outcome::RegionRepaired, 0,
                         regionMessage(region), canvas});
    };
    repaired("region-100000.fga", {100000, 100000, 0, 0}, {1500, 1000});
    repaired("region-negative.fga", {-300, 200, -5, 7}, {1500, 1007});
    // The canvas then takes the size controls' ranges, 100..2000 by 50..1500.
    repaired("region-corner-at-int-max.fga", {10, 20, kInt32Max, kInt32Max}, {100, 50});
    repaired("region-past-the-largest-canvas.fga", {kMaxPictureDimension, 100, 1, 0}, {2000, 100});

    // Not every oddity is damage: a declared total past the end, or a fill naming figures that are not
    // there (pasted from another drawing), reads as it is.
    TFigure fill = ofKind(fkNuri);
    fill.points = {{5000, 0}, {-3, 0}, {kInt32Max, 0}};
    files.push_back({"total-past-end.fga",
                     FileParts().records({good}).total(kInt32Max).bytes(),
                     Outcome::Opens,
                     0,
                     {},
                     {300, 200}});
    files.push_back({"fill-of-foreign-figures.fga",
                     FileParts().records({good, record(fill)}).bytes(),
                     Outcome::Opens,
                     0,
                     {},
                     {300, 200}});
    return files;
}

// The drawing open in the editor before each hostile file, read from a good file as Open reads it.
class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Drawing made;
        made.figures = {boundedBond({10, 10}, {120, 60}), boundedBond({120, 60}, {200, 10})};
        TFigure text = ofKind(fkMoji);
        text.ends[kMainEnd] = text.ends[kMainStart] = {60, 100};
        text.shape = 24;
        text.fontName = "ＭＳ Ｐゴシック";
        text.text = "OH";
        made.figures.push_back(text);
        made.setCanvasSize({260, 160});
        made.background = pattern(16, 8);
        ScriptedPrompts quiet;
        const auto written =
            writeFigureFile(made, dir_.filePath("open.fga"), FigureFileMode::Whole, made.figures, {}, quiet);
        ASSERT_TRUE(written);
        ASSERT_TRUE(readFigureFile(open_, *written, FigureFileMode::Whole, quiet));
        snapshot_ = open_.snapshot();
        bitmap_ = open_.bitmap().copy();
    }

    QString put(const char* name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(writeFileAtomically(path, bytes));
        return path;
    }

    void expectOpenDrawingIntact() const
    {
        EXPECT_EQ(open_.snapshot(), snapshot_);
        EXPECT_EQ(open_.figures.size(), 3u);
        EXPECT_TRUE(open_.pasteList.empty());
        EXPECT_EQ(open_.canvasSize(), QSize(260, 160));
        EXPECT_EQ(open_.background.size(), QSize(16, 8));
        EXPECT_EQ(open_.bitmap(), bitmap_);
    }

    // What Open does: a drawing of its own for the file, with the open drawing's settings.
    Drawing freshDrawing() const
    {
        Drawing loaded;
        loaded.settings = open_.settings;
        loaded.lineSpacing = open_.lineSpacing;
        return loaded;
    }

    QTemporaryDir dir_;
    Drawing open_;
    QByteArray snapshot_;
    QImage bitmap_;
};

void expectInternalDataError(ScriptedPrompts& prompts)
{
    prompts.expectBeep(BeepKind::Information)
        .expectMessage("内部データエラー", MessageType::Error, MessageButtons::Ok, Answer::Ok);
}

} // namespace

TEST_F(HostileFiles, EveryDamagedFigureFileFailsWithTheMessageAndKeepsTheOpenDrawing)
{
    for (const HostileFigureFile& file : hostileFigureFiles()) {
        SCOPED_TRACE(file.name);
        const QString path = put(file.name, file.bytes);
        Drawing loaded = freshDrawing();
        ScriptedPrompts prompts;
        switch (file.outcome) {
        case Outcome::InternalDataError:
            expectInternalDataError(prompts);
            EXPECT_FALSE(readFigureFile(loaded, path, FigureFileMode::Whole, prompts));
            EXPECT_EQ(int(loaded.pasteList.size()), file.recordsKept) << "the records before the bad one";
            EXPECT_TRUE(loaded.figures.empty());
            EXPECT_TRUE(loaded.background.isNull());
            EXPECT_EQ(loaded.canvasSize(), QSize(kDefaultCanvasWidth, kDefaultCanvasHeight));
            break;
        case Outcome::RegionRepaired:
            prompts.expectBeep(BeepKind::Information)
                .expectMessage(file.regionText, MessageType::Information, MessageButtons::Ok, Answer::Ok);
            [[fallthrough]];
        case Outcome::Opens:
            EXPECT_TRUE(readFigureFile(loaded, path, FigureFileMode::Whole, prompts));
            EXPECT_EQ(loaded.canvasSize(), file.canvas);
            EXPECT_FALSE(loaded.figures.empty());
            EXPECT_TRUE(loaded.pasteList.empty());
            break;
        }
        EXPECT_EQ(prompts.pendingCount(), 0);
        expectOpenDrawingIntact();
    }
}

// The damaged files are also kept in tests/data/hostile, for the editor's own Open to meet them (the
// window tests) and for anyone to try by hand. MOLVANE_WRITE_HOSTILE_CORPUS=1 writes them afresh.
TEST(HostileCorpus, TheStoredFilesAreTheGeneratedOnes)
{
    const QDir stored(QStringLiteral(MOLVANE_TEST_DATA_DIR "/hostile"));
    const bool write = qEnvironmentVariableIsSet("MOLVANE_WRITE_HOSTILE_CORPUS");
    int failing = 0;
    for (const HostileFigureFile& file : hostileFigureFiles()) {
        if (file.outcome != Outcome::InternalDataError)
            continue;
        ++failing;
        const QString path = stored.filePath(QString::fromLatin1(file.name));
        if (write) {
            QDir().mkpath(stored.path());
            ASSERT_TRUE(writeFileAtomically(path, file.bytes));
        }
        QFile in(path);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << file.name;
        EXPECT_EQ(in.readAll(), file.bytes) << file.name;
    }
    EXPECT_EQ(int(stored.entryList({QStringLiteral("*.fga")}, QDir::Files).size()), failing);
}

TEST_F(HostileFiles, TheRegionMessageNamesTheValuesAsStored)
{
    EXPECT_EQ(regionMessage({100000, 100000, 0, 0}), "RW=100000, RH=100000, RL=0, RT=0");
    EXPECT_EQ(regionMessage({-300, 200, -5, 7}), "RW=-300, RH=200, RL=-5, RT=7");
}

TEST_F(HostileFiles, ARepairedCornerMovesTheFiguresWithIt)
{
    // The corner at INT_MAX becomes 0: the figures stay where they are stored, not 2^31 pixels away.
    const QString path =
        put("region-corner-at-int-max.fga",
            FileParts().region({100, 50, kInt32Max, 3}).records({record(boundedBond({7, 8}, {30, 8}))}).bytes());
    Drawing loaded = freshDrawing();
    ScriptedPrompts prompts;
    prompts.expectBeep(BeepKind::Information)
        .expectMessage("RW=100, RH=50, RL=2147483647, RT=3", MessageType::Information, MessageButtons::Ok,
                       Answer::Ok);
    ASSERT_TRUE(readFigureFile(loaded, path, FigureFileMode::Whole, prompts));
    EXPECT_EQ(loaded.canvasSize(), QSize(100, 53));
    ASSERT_EQ(loaded.figures.size(), 1u);
    EXPECT_EQ(loaded.figures[0].ends[kMainStart], QPoint(7, 11));
    EXPECT_EQ(pixelAt(loaded.bitmap(), 20, 11), clBlack);
}

TEST_F(HostileFiles, ATruncatedPartialFileKeepsTheRecordsBeforeTheCut)
{
    ScriptedPrompts quiet;
    const FigureList part{boundedBond({110, 60}, {180, 60}), boundedBond({110, 70}, {180, 70})};
    Drawing maker;
    const auto written = writeFigureFile(maker, dir_.filePath("whole.fgb"), FigureFileMode::Partial, part,
                                         {100, 50, 100, 40}, quiet);
    ASSERT_TRUE(written);
    QByteArray bytes;
    ASSERT_TRUE(readWholeFile(*written, bytes));
    const QString path = put("truncated-record.fgb", bytes.first(32 + 202 + 101));

    Drawing loaded = freshDrawing();
    ScriptedPrompts prompts;
    expectInternalDataError(prompts);
    EXPECT_FALSE(readFigureFile(loaded, path, FigureFileMode::Partial, prompts));
    ASSERT_EQ(loaded.pasteList.size(), 1u);
    EXPECT_EQ(loaded.pasteList[0].ends[kMainStart], QPoint(10, 20));
    EXPECT_TRUE(loaded.pasteImage.isNull()) << "nothing to place";
    expectOpenDrawingIntact();
}

TEST_F(HostileFiles, TheHeadlessDumpRefusesTheSameFiles)
{
    for (const HostileFigureFile& file : hostileFigureFiles()) {
        SCOPED_TRACE(file.name);
        const DecodedFigureFile decoded = decodeFigureFile(file.bytes);
        EXPECT_EQ(decoded.ok(), file.outcome != Outcome::InternalDataError);
        EXPECT_LE(qsizetype(decoded.figures.size()) * kSmallestFigureRecord, file.bytes.size());
    }
}

TEST_F(HostileFiles, DamagedPicturesFailWithAReason)
{
    const QByteArray jpeg = writeJpeg(pattern(64, 48)).bytes;
    ASSERT_TRUE(readJpeg(jpeg).ok());
    const QByteArray bmp = writeBmp(pattern(20, 10));
    ASSERT_TRUE(readBmp(bmp).ok());
    // SOF0: FF C0, length, precision, then height and width.
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    QByteArray jpeg30000 = jpeg;
    jpeg30000[sof + 5] = char(30000 >> 8);
    jpeg30000[sof + 6] = char(30000 & 0xFF);
    jpeg30000[sof + 7] = char(30000 >> 8);
    jpeg30000[sof + 8] = char(30000 & 0xFF);

    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } pictures[] = {
        {"jpeg-cut-in-half.jpg", jpeg.first(jpeg.size() / 2), "Premature end"},
        {"jpeg-header-only.jpg", jpeg.first(jpeg.indexOf("\xFF\xDA") + 2), ""},
        {"jpeg-30000.jpg", jpeg30000, "exceeds the limit"},
        {"jpeg-not-a-jpeg.jpg", bmp, ""},
        {"bmp-truncated.bmp", bmp.first(bmp.size() / 2), "truncated pixel data"},
        {"bmp-100000.bmp", bmpHeaders(100000, 100000) + QByteArray(1000, '\x55'), "exceeds the limit"},
        {"bmp-rows-missing.bmp", bmpHeaders(kAllowedSide, kAllowedSide, 1), "truncated"},
        {"bmp-negative-width.bmp", bmpHeaders(-5, 5) + QByteArray(100, '\0'), "not positive"},
        {"bmp-height-int-min.bmp", bmpHeaders(5, std::numeric_limits<std::int32_t>::min()), "invalid"},
        {"bmp-palette-of-4g-colours.bmp", bmpHeaders(4, 4, 8, 0xFFFFFFFF), "truncated palette"},
        {"bmp-pixels-past-end.bmp", bmpHeaders(4, 4, 24, 0, 0xFFFFFFF0) + QByteArray(64, '\0'),
         "beyond the end"},
        {"bmp-header-cut.bmp", bmp.first(20), "truncated"},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        QByteArray back;
        ASSERT_TRUE(readWholeFile(put(picture.name, picture.bytes), back));
        const bool isJpeg = QByteArrayView(picture.name).endsWith(".jpg");
        const DecodedImage decoded = isJpeg ? readJpeg(back) : readBmp(back);
        EXPECT_FALSE(decoded.ok());
        EXPECT_TRUE(decoded.image.isNull());
        EXPECT_FALSE(decoded.error.isEmpty());
        EXPECT_TRUE(decoded.error.contains(QLatin1StringView(picture.reason))) << decoded.error.toStdString();
    }
}

// A drawing followed by a sparse gigabyte of zeros costs what the drawing does: the header is read
// first, then no more than the total it declares (and never less than the header and the count).
TEST_F(HostileFiles, OnlyTheHeaderAndTheDeclaredTotalAreRead)
{
    const QByteArray drawing = FileParts().records({record(boundedBond({10, 10}, {50, 10}))}).bytes();
    const QString path = put("sparse-tail.fga", drawing);
    ASSERT_TRUE(QFile::resize(path, qint64(1) << 30));
    QByteArray read;
    QString why;
    ASSERT_TRUE(readFigureFileBytes(path, read, why));
    EXPECT_EQ(read, drawing);
    EXPECT_EQ(figureFileBytesToRead(withInt32(drawing, 4, 10)), kFigureFileHeaderBytes + 4);
    EXPECT_EQ(figureFileBytesToRead(withInt32(drawing, 4, kInt32Max)), kMaxFigureFileBytes);
}

// A few hundred bytes may declare any canvas: a whole drawing takes the size controls' ranges, a
// partial file's picture is no larger than the largest canvas.
TEST_F(HostileFiles, ACanvasFromAFileTakesTheSizeControlsRanges)
{
    const QByteArray bond = record(boundedBond({10, 10}, {50, 10}));
    ScriptedPrompts quiet;
    for (const auto& [region, canvas] : {std::pair{FigureRegion{20000, 20000, 0, 0}, QSize(2000, 1500)},
                                         std::pair{FigureRegion{30, 20, 0, 0}, QSize(100, 50)},
                                         std::pair{FigureRegion{1000, 400, 500, 100}, QSize(1500, 500)}}) {
        Drawing loaded = freshDrawing();
        ASSERT_TRUE(readFigureFile(loaded,
                                   put("canvas.fga", FileParts().region(region).records({bond}).bytes()),
                                   FigureFileMode::Whole, quiet));
        EXPECT_EQ(loaded.canvasSize(), canvas);
    }
    Drawing loaded = freshDrawing();
    ASSERT_TRUE(readFigureFile(
        loaded, put("canvas.fgb", FileParts().region({20000, 20000, 0, 0}).records({bond}).bytes()),
        FigureFileMode::Partial, quiet));
    EXPECT_EQ(loaded.pasteImage.size(), QSize(2000, 1500));
    EXPECT_EQ(quiet.pendingCount(), 0);
}

// Figures that would keep the editor busy for many seconds are drawn only when the user agrees, and
// declining changes nothing. Six thousand fills of the whole canvas are such a drawing; seeded outside
// the canvas, they cost the test nothing to draw.
TEST_F(HostileFiles, ADrawingThatTakesLongIsOpenedOnlyWhenTheUserAgrees)
{
    TFigure fill = ofKind(fkNuri);
    fill.ends[kMainStart] = fill.freeEnds[kMainStart] = QPoint(-5, -5);
    const auto fills = [&](int n) {
        return FileParts()
            .region({1500, 1000, 0, 0})
            .records(std::vector<QByteArray>(std::size_t(n), record(fill)))
            .bytes();
    };
    const QString path = put("long.fga", fills(6000));
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        Drawing loaded = freshDrawing();
        ScriptedPrompts prompts;
        prompts.expectMessage(path + QStringLiteral(" の図形は描画に長い時間がかかります。開きますか。"),
                              MessageType::Confirmation, MessageButtons::YesNo, answer);
        EXPECT_EQ(readFigureFile(loaded, path, FigureFileMode::Whole, prompts), answer == Answer::Yes);
        EXPECT_EQ(loaded.figures.size(), answer == Answer::Yes ? 6000u : 0u);
        EXPECT_TRUE(loaded.pasteList.empty());
        EXPECT_EQ(prompts.pendingCount(), 0);
    }
    Drawing loaded = freshDrawing();
    ScriptedPrompts quiet; // a few hundred such fills are drawn at once
    EXPECT_TRUE(readFigureFile(loaded, put("short.fga", fills(500)), FigureFileMode::Whole, quiet));
    expectOpenDrawingIntact();
}

// The records of one file share one budget, so that small records cannot each take a large share of
// memory: the first picture, point list or text past what is left is a bad record.
TEST_F(HostileFiles, TheRecordsOfAFileShareOneBudget)
{
    const auto readAll = [](const QByteArray& one, ReadBudget& budget) {
        const QByteArray list = int32Bytes(3) + one + one + one;
        ByteReader in(list);
        FigureList out;
        EXPECT_FALSE(readFigureList(in, list.size(), out, &budget).ok);
        return out.size();
    };
    ReadBudget pixels{250, kMaxReadPoints, kMaxReadTextBytes};
    EXPECT_EQ(readAll(pictureRecord(writeBmp(pattern(10, 10))), pixels), 2u);
    EXPECT_EQ(pixels.picturePixels, 50);

    TFigure curve = ofKind(fkFree);
    curve.points = QList<QPoint>(40, QPoint(3, 4));
    ReadBudget points{kMaxPicturePixels, 100, kMaxReadTextBytes};
    EXPECT_EQ(readAll(record(curve), points), 2u);
    EXPECT_EQ(points.points, 20);

    TFigure text = ofKind(fkMoji);
    text.text = QStringLiteral("abcdefghij");
    ReadBudget textBytes{kMaxPicturePixels, kMaxReadPoints, 25};
    EXPECT_EQ(readAll(record(text), textBytes), 2u);
    EXPECT_EQ(textBytes.textBytes, 5);

    // In a file the background takes its share first: 25 megapixels of 50, then one row too many.
    const auto oneBit = [](int width, int height) {
        return bmpHeaders(width, height, 1) + QByteArray(qsizetype((width + 31) / 32 * 4) * height + 8, '\0');
    };
    const DecodedFigureFile decoded = decodeFigureFile(
        FileParts().background(oneBit(5000, 5000)).records({pictureRecord(oneBit(5000, 5001))}).bytes());
    EXPECT_EQ(decoded.background.size(), QSize(5000, 5000));
    EXPECT_FALSE(decoded.ok());
}
