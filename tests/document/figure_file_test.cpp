#include "document/figure_file.h"
#include "document/figure_file_io.h"
#include "document/figure_stream.h"

#include "platform/atomic_file.h"
#include "platform/atomic_file_testing.h"
#include "support/figure_builders.h"
#include "support/image_test_util.h"
#include "support/scripted_prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

TFigure bondAt(QPoint a, QPoint b)
{
    TFigure f = bond(a, b, 2);
    f.extremes.fill(a);
    return f;
}

std::int32_t int32At(const QByteArray& b, int offset)
{
    ByteReader r(QByteArrayView(b).sliced(offset));
    std::int32_t v = 0;
    EXPECT_TRUE(r.readInt32(v));
    return v;
}

QByteArray fileBytes(const QString& path)
{
    QByteArray b;
    EXPECT_TRUE(readWholeFile(path, b));
    return b;
}

} // namespace

TEST(FigureFiles, AWholeDrawingHasItsHeaderTotalAndRecords)
{
    const FigureList list{bondAt({1, 2}, {30, 40}), bondAt({5, 5}, {6, 6})};
    const QByteArray b = encodeFigureFile({1500, 1000, 0, 0}, QImage(), list, {});
    EXPECT_EQ(int32At(b, 0), 1);
    EXPECT_EQ(int32At(b, 4), b.size());
    EXPECT_EQ(int32At(b, 8), 1500);
    EXPECT_EQ(int32At(b, 12), 1000);
    EXPECT_EQ(int32At(b, 24), 0) << "no background";
    EXPECT_EQ(int32At(b, 28), 2);
    EXPECT_EQ(b.size(), 32 + 2 * 202);
    const DecodedFigureFile back = decodeFigureFile(b);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.figures.size(), 2u);
    EXPECT_EQ(back.figures[0].ends[kMainEnd], QPoint(30, 40));
}

TEST(FigureFiles, APartialFileStoresItsFiguresRelativeToTheRange)
{
    QTemporaryDir dir;
    Drawing drawing;
    ScriptedPrompts prompts;
    const FigureList selected{bondAt({100, 50}, {150, 50})};
    const FigureRegion range{110, 80, 90, 40}; // (90, 40)-(200, 120)
    const auto written = writeFigureFile(drawing, dir.filePath("part"), FigureFileMode::Partial, selected, range, prompts);
    ASSERT_TRUE(written);
    EXPECT_EQ(QFileInfo(*written).fileName(), "part.fgb");
    const DecodedFigureFile file = decodeFigureFile(fileBytes(*written));
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.region, range);
    EXPECT_EQ(file.backgroundBytes, 0);
    EXPECT_EQ(file.figures[0].ends[kMainStart], QPoint(10, 10));
    EXPECT_EQ(file.figures[0].handle, QPoint(35, 10));

    Drawing reader;
    ASSERT_TRUE(readFigureFile(reader, *written, FigureFileMode::Partial, prompts));
    EXPECT_TRUE(reader.figures.empty()) << "a partial file waits to be placed";
    ASSERT_EQ(reader.pasteList.size(), 1u);
    EXPECT_EQ(reader.pasteImage.size(), QSize(110, 80));
    EXPECT_EQ(pixelAt(reader.pasteImage, 10, 10), clBlack);
}

TEST(FigureFiles, ARecordPastTheTotalFailsOnceAndKeepsTheRecordsBefore)
{
    QTemporaryDir dir;
    FigureList list{bondAt({1, 1}, {9, 9}), bondAt({2, 2}, {8, 8}), bondAt({3, 3}, {7, 7})};
    list[1].text = "abcdef";
    QByteArray b = encodeFigureFile({300, 200, 0, 0}, QImage(), list, {});
    // Declare a total that ends inside the second record's text.
    const int total = 32 + 202 + 194 + 4 + 3;
    b[4] = char(total & 0xFF);
    b[5] = char(total >> 8);
    const QString path = dir.filePath("bad.fga");
    ASSERT_TRUE(writeFileAtomically(path, b));
    Drawing drawing;
    ScriptedPrompts prompts;
    prompts.expectBeep(BeepKind::Information).expectMessage("内部データエラー", MessageType::Error, MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(readFigureFile(drawing, path, FigureFileMode::Whole, prompts));
    EXPECT_EQ(drawing.pasteList.size(), 1u);
    EXPECT_TRUE(drawing.figures.empty());
}

TEST(FigureFiles, AZeroRegionIsRepairedAfterTheRegionMessage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("zero.fga");
    ASSERT_TRUE(writeFileAtomically(path, encodeFigureFile({0, 700, 3, 4}, QImage(), {bondAt({1, 1}, {5, 5})}, {})));
    Drawing drawing;
    ScriptedPrompts prompts;
    prompts.expectBeep(BeepKind::Information)
        .expectMessage("RW=0, RH=700, RL=3, RT=4", MessageType::Information, MessageButtons::Ok, Answer::Ok);
    ASSERT_TRUE(readFigureFile(drawing, path, FigureFileMode::Whole, prompts));
    EXPECT_EQ(drawing.canvasSize(), QSize(1503, 1004)) << "1500 x 1000 at (RL, RT)";
    EXPECT_EQ(drawing.figures[0].ends[kMainStart], QPoint(4, 5));
}

TEST(FigureFiles, AnEmptyDrawingWithABackgroundSavesAndLoads)
{
    QTemporaryDir dir;
    Drawing drawing;
    drawing.background = whiteImage(40, 30);
    drawing.background.setPixel(3, 4, toQRgb(clRed));
    ScriptedPrompts prompts;
    const auto written = writeFigureFile(drawing, dir.filePath("bg"), FigureFileMode::Whole, drawing.figures, {}, prompts);
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->endsWith("bg.fga"));
    const QByteArray b = fileBytes(*written);
    EXPECT_GT(int32At(b, 24), 54);
    EXPECT_EQ(int32At(b, 28 + int32At(b, 24)), 0) << "count 0 after the picture";
    Drawing back;
    ASSERT_TRUE(readFigureFile(back, *written, FigureFileMode::Whole, prompts));
    EXPECT_TRUE(back.figures.empty());
    ASSERT_EQ(back.background.size(), QSize(40, 30));
    EXPECT_EQ(pixelAt(back.bitmap(), 3, 4), clRed) << "the background is drawn under the figures";
}

TEST(FigureFiles, OpeningAWholeDrawingKeepsItsTipConnections)
{
    QTemporaryDir dir;
    TFigure connected = bondAt({10, 10}, {50, 10});
    connected.ends[kMainEnd] = {52, 11}; // joined to a neighbour
    Drawing drawing;
    drawing.figures = {connected};
    ScriptedPrompts prompts;
    const auto written = writeFigureFile(drawing, dir.filePath("tips.fga"), FigureFileMode::Whole, drawing.figures, {}, prompts);
    ASSERT_TRUE(written);
    Drawing back;
    ASSERT_TRUE(readFigureFile(back, *written, FigureFileMode::Whole, prompts));
    ASSERT_EQ(back.figures.size(), 1u);
    EXPECT_EQ(connectionMask(back.figures[0]), 0x02);
    EXPECT_EQ(back.figures[0].freeEnds[kMainEnd], QPoint(50, 10));
}

TEST(FigureFiles, AFailedWriteIsReportedWithTheFileName)
{
    QTemporaryDir dir;
    Drawing drawing;
    drawing.figures = {bondAt({1, 1}, {2, 2})};
    ScriptedPrompts prompts;
    const QString missing = dir.filePath("no/such/folder/x.fga");
    prompts.expectMessageStartingWith(QString("%1 に書き込めません\n").arg(missing), MessageType::Error,
                                      MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(writeFigureFile(drawing, missing, FigureFileMode::Whole, drawing.figures, {}, prompts));
}

TEST(FigureFiles, AWriteFailingHalfWayKeepsTheOldFileByteForByte)
{
    QTemporaryDir dir;
    Drawing drawing;
    drawing.figures = {bondAt({1, 1}, {2, 2})};
    ScriptedPrompts prompts;
    const QString name = dir.filePath("keep.fga");
    ASSERT_TRUE(writeFigureFile(drawing, name, FigureFileMode::Whole, drawing.figures, {}, prompts));
    const QByteArray before = fileBytes(name);

    drawing.figures.push_back(bondAt({3, 3}, {40, 40}));
    for (const FigureFileMode mode : {FigureFileMode::Whole, FigureFileMode::Partial}) {
        prompts.expectMessage(QString("%1 に書き込めません\nNo space left on device").arg(name), MessageType::Error,
                              MessageButtons::Ok, Answer::Ok);
        AtomicWriteFailure failure(before.size() / 2);
        EXPECT_FALSE(writeFigureFile(drawing, name, mode, drawing.figures, {50, 50, 0, 0}, prompts));
        EXPECT_EQ(failure.failures(), 1);
    }
    EXPECT_EQ(fileBytes(name), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"keep.fga"});
}

TEST(FigureFiles, UnmappableCharactersAreNamedBeforeTheyAreStoredAsQuestionMarks)
{
    QTemporaryDir dir;
    Drawing drawing;
    TFigure text = bondAt({5, 5}, {5, 5});
    text.kind = fkMoji;
    text.text = "Ä€";
    drawing.figures = {text};
    ScriptedPrompts prompts;
    prompts.expectMessage("次の文字はファイルに保存できないため「?」として保存されます。\r\nÄ€", MessageType::Warning,
                          MessageButtons::Ok, Answer::Ok);
    EXPECT_TRUE(writeFigureFile(drawing, dir.filePath("t.fga"), FigureFileMode::Whole, drawing.figures, {}, prompts));
}

TEST(FigureFiles, WritingAZeroRegionUsesTheCanvasAfterTheMessage)
{
    QTemporaryDir dir;
    Drawing drawing;
    drawing.keptRegion = {0, 0, 0, 0};
    ScriptedPrompts prompts;
    prompts.expectBeep(BeepKind::Information)
        .expectMessage("RW=0, RH=0, RL=0, RT=0", MessageType::Information, MessageButtons::Ok, Answer::Ok);
    const auto written = writeFigureFile(drawing, dir.filePath("old.edb"), FigureFileMode::RegionOnly, {}, {}, prompts);
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->endsWith("old.edb")) << "the rewrite keeps the name";
    EXPECT_EQ(decodeFigureFile(fileBytes(*written)).region, (FigureRegion{1500, 1000, 0, 0}));
}

TEST(FigureFiles, AMissingFileIsReportedAndNothingChanges)
{
    QTemporaryDir dir;
    Drawing drawing;
    ScriptedPrompts prompts;
    prompts.expectMessageStartingWith(QString("ファイル %1 を開けません。").arg(dir.filePath("none.fga")),
                                      MessageType::Error, MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(readFigureFile(drawing, dir.filePath("none.fga"), FigureFileMode::Whole, prompts));
    EXPECT_TRUE(drawing.figures.empty());
}

TEST(Containers, UndoSnapshotsAndTheClipboardRoundTrip)
{
    const FigureList list{bondAt({100, 60}, {140, 60})};
    const QByteArray snap = encodeUndoSnapshot(list);
    EXPECT_EQ(int32At(snap, 0), snap.size());
    FigureList back;
    ASSERT_TRUE(decodeUndoSnapshot(snap, back));
    EXPECT_EQ(back[0].ends[kMainEnd], QPoint(140, 60));
    FigureList none;
    EXPECT_TRUE(decodeUndoSnapshot(emptyUndoSnapshot(), none));
    EXPECT_TRUE(none.empty());

    const QByteArray clip = encodeClipboard({50, 20, 95, 55}, list);
    EXPECT_EQ(int32At(clip, 0), clip.size());
    EXPECT_EQ(int32At(clip, 12), 95);
    const DecodedClipboard c = decodeClipboard(clip);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.region, (FigureRegion{50, 20, 95, 55}));
    EXPECT_EQ(c.figures[0].ends[kMainStart], QPoint(5, 5)) << "relative to the region";
    EXPECT_FALSE(decodeClipboard(clip.left(clip.size() - 3)).ok);
}

TEST(FigureFiles, ThePasteFramePictureHasItsDottedBorderOnTheFirstAndLastPixelsInside)
{
    const QImage image = partialFileImage({}, {40, 24}, {});
    // Along the rectangle (1, 1)-(40, 24), whose outline takes the columns 1 and 39 and the rows 1
    // and 23: the red dots span exactly that, and every one lies on it.
    QRect reach;
    int offOutline = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFF0000)
                continue;
            reach |= QRect(x, y, 1, 1);
            offOutline += x != 1 && x != 39 && y != 1 && y != 23;
        }
    EXPECT_EQ(reach, QRect(QPoint(1, 1), QPoint(39, 23)));
    EXPECT_EQ(offOutline, 0);
}

// Files made byte by byte from the record layout (tests/data/valid/make_valid_files.py), not by our
// writer: each reads as made and is written back to the same bytes.
TEST(FigureFiles, HandMadeValidFilesReadAndWriteBackByteForByte)
{
    const QDir valid(QStringLiteral(MOLVANE_TEST_DATA_DIR "/valid"));
    for (const char* name : {"benzene.fga", "curves.fga", "part.fgb"}) {
        QFile file(valid.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        const DecodedFigureFile read = decodeFigureFile(bytes);
        ASSERT_TRUE(read.ok()) << name;
        EXPECT_EQ(encodeFigureFile(read.region, read.background, read.figures, {}), bytes) << name;
    }
    QFile benzene(valid.filePath(QStringLiteral("benzene.fga")));
    ASSERT_TRUE(benzene.open(QIODevice::ReadOnly));
    const DecodedFigureFile ring = decodeFigureFile(benzene.readAll());
    ASSERT_EQ(ring.figures.size(), 9u);
    EXPECT_EQ(ring.figures[1].kind, fkDouble);
    EXPECT_EQ(ring.figures[1].ends[kMainStart], QPoint(282, 240));
    EXPECT_EQ(ring.figures[1].ends[kSecondStart], QPoint(275, 244)) << "the second line's start, stored third";
    EXPECT_EQ(ring.figures[1].ends[kMainEnd], QPoint(282, 288)) << "the main line's end, stored second";
    EXPECT_EQ(ring.figures[7].fontName, QString::fromUtf8("ＭＳ Ｐゴシック"));
    EXPECT_EQ(ring.figures[7].text, QStringLiteral("OH"));
    EXPECT_EQ(ring.figures[8].points.size(), 6);
    EXPECT_EQ(ring.figures[8].fillColor, 0xFFC0C0u);
    QFile part(valid.filePath(QStringLiteral("part.fgb")));
    ASSERT_TRUE(part.open(QIODevice::ReadOnly));
    const DecodedFigureFile partial = decodeFigureFile(part.readAll());
    EXPECT_EQ(partial.region.left, 90);
    EXPECT_EQ(partial.region.top, 40);
    EXPECT_EQ(partial.region.width, 110);
    EXPECT_EQ(partial.region.height, 80);
}
