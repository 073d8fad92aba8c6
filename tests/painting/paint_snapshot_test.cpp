#include "painting/paint_snapshot.h"

#include "document/figure_stream.h"
#include "paint_strokes.h"
#include "platform/bmp_codec.h"
#include "platform/byte_stream.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

std::int32_t int32At(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<std::int32_t>(bytes.constData() + at);
}

QByteArray recordOf(const TFigure& f)
{
    ByteWriter out;
    writeFigureRecord(out, f);
    return out.take();
}

FigureList mixedStrokes()
{
    return {penStroke(3), pictureStroke(filledPicture(7, 5, qRgb(10, 20, 30))), penStroke(9)};
}

} // namespace

TEST(PaintSnapshotLayout, HeaderRecordsAndPicturesSitWhereTheLayoutPutsThem)
{
    const FigureList strokes = mixedStrokes();
    const QByteArray bytes = PaintSnapshot::of({640, 480}, strokes).layoutBytes();
    EXPECT_EQ(int32At(bytes, 0), bytes.size()) << "the total size";
    EXPECT_EQ(int32At(bytes, 4), 640);
    EXPECT_EQ(int32At(bytes, 8), 480);
    EXPECT_EQ(int32At(bytes, 12), 3);
    QByteArray expected;
    for (const TFigure& f : strokes)
        expected += recordOf(f);
    EXPECT_EQ(bytes.mid(16), expected) << "records as figure streams write them, the picture as a whole BMP";
    EXPECT_TRUE(expected.contains(writeBmp(strokes[1].picture.image())));

    const QByteArray reset = PaintSnapshot::empty({640, 480}).layoutBytes();
    ASSERT_EQ(reset.size(), 16);
    EXPECT_EQ(int32At(reset, 0), 0) << "a reset's empty snapshot records size 0";
    EXPECT_EQ(int32At(reset, 12), 0);
    EXPECT_FALSE(PaintSnapshot::empty({640, 480}).sameLayout(PaintSnapshot::of({640, 480}, {})));
}

TEST(PaintSnapshotLayout, ComparingSnapshotsAgreesWithComparingTheirBytes)
{
    const FigureList strokes = mixedStrokes();
    FigureList copied = strokes;
    copied[1].picture = strokes[1].picture.image().copy(); // same pixels, not shared
    FigureList onePixel = strokes;
    onePixel[1].picture.image().setPixel(6, 4, qRgb(10, 20, 31));
    FigureList selected = strokes;
    selected[0].selected = true;

    const PaintSnapshot a = PaintSnapshot::of({64, 48}, strokes);
    for (const FigureList& other :
         {copied, onePixel, selected, FigureList(strokes.begin(), strokes.end() - 1)}) {
        const PaintSnapshot b = PaintSnapshot::of({64, 48}, other);
        EXPECT_EQ(a.sameLayout(b), a.layoutBytes() == b.layoutBytes());
    }
    EXPECT_FALSE(a.sameLayout(PaintSnapshot::of({64, 49}, strokes)));
}

TEST(PaintSnapshotRead, DamageKeepsTheStrokesBeforeIt)
{
    const FigureList strokes = mixedStrokes();
    QByteArray bytes = PaintSnapshot::of({320, 200}, strokes).layoutBytes();
    ASSERT_FALSE(readPaintSnapshot(bytes).damaged);
    const qsizetype secondRecordEnd = 16 + recordOf(strokes[0]).size() + recordOf(strokes[1]).size();

    // The recorded size ends inside the picture: the picture's length runs past it.
    QByteArray shortSize = bytes;
    qToLittleEndian<std::int32_t>(std::int32_t(secondRecordEnd - 10), shortSize.data());
    PaintState read = readPaintSnapshot(shortSize);
    EXPECT_TRUE(read.damaged);
    ASSERT_EQ(read.strokes.size(), 1u);
    EXPECT_EQ(read.strokes[0].lineWidth, 3);

    // Cut inside the third stroke's point list.
    read = readPaintSnapshot(bytes.left(bytes.size() - 5));
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(read.strokes.size(), 2u);

    // A negative text length, a negative count, a header cut short.
    QByteArray negative = bytes;
    qToLittleEndian<std::int32_t>(-1, negative.data() + 16 + 194);
    EXPECT_TRUE(readPaintSnapshot(negative).damaged);
    qToLittleEndian<std::int32_t>(-1, bytes.data() + 12);
    EXPECT_TRUE(readPaintSnapshot(bytes).damaged);
    EXPECT_TRUE(readPaintSnapshot(bytes.left(11)).damaged);
}
