#include "document/drawing.h"
#include "document/figure_commit.h"
#include "document/figure_file_io.h"
#include "document/old_data_conversion.h"

#include "platform/atomic_file.h"
#include "support/scripted_prompts.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

TFigure bond(int kind, int shape, QPoint a = {10, 10}, QPoint b = {60, 10})
{
    TFigure f;
    f.kind = kind;
    f.shape = shape;
    f.lineWidth = 1;
    f.ends[kMainStart] = a;
    f.ends[kMainEnd] = b;
    f.freeEnds = f.ends;
    f.handle = handlePoint(f);
    return f;
}

} // namespace

TEST(DrawingHistory, ANewDrawingIsUnmodifiedWithNothingToUndo)
{
    Drawing d;
    EXPECT_FALSE(d.canUndo());
    EXPECT_FALSE(d.canRedo());
    EXPECT_FALSE(d.isModified());
    EXPECT_EQ(d.canvasSize(), QSize(1500, 1000));
}

TEST(DrawingHistory, UndoAndRedoLoadTheStatesAndRebuildTheBitmap)
{
    Drawing d;
    ScriptedPrompts prompts;
    d.figures.push_back(bond(fkSingle, 0));
    d.rebuildBitmap();
    EXPECT_TRUE(d.pushHistory());
    EXPECT_FALSE(d.pushHistory()) << "nothing changed";
    EXPECT_TRUE(d.isModified());
    ASSERT_TRUE(d.undo(prompts));
    EXPECT_TRUE(d.figures.empty());
    EXPECT_EQ(d.bitmap().pixel(30, 10), qRgb(255, 255, 255));
    EXPECT_FALSE(d.isModified()) << "back to what was last saved";
    ASSERT_TRUE(d.redo(prompts));
    ASSERT_EQ(d.figures.size(), 1u);
    EXPECT_EQ(d.bitmap().pixel(30, 10), qRgb(0, 0, 0));
    EXPECT_FALSE(d.redo(prompts));
}

TEST(DrawingHistory, AfterOpeningOneUndoShowsTheEmptyDrawing)
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    Drawing saved;
    saved.figures = {bond(fkSingle, 0)};
    const auto path = writeFigureFile(saved, dir.filePath("a.fga"), FigureFileMode::Whole, saved.figures, {}, prompts);
    ASSERT_TRUE(path);
    // Open: read, reset the history, take the baseline, push the loaded drawing.
    Drawing d;
    ASSERT_TRUE(readFigureFile(d, *path, FigureFileMode::Whole, prompts));
    d.resetHistory();
    d.takeBaseline();
    d.pushHistory();
    EXPECT_TRUE(d.canUndo());
    ASSERT_TRUE(d.undo(prompts));
    EXPECT_TRUE(d.figures.empty());
    ASSERT_TRUE(d.redo(prompts));
    EXPECT_EQ(d.figures.size(), 1u);
}

TEST(DrawingHistory, APendingReformIsPushedBeforeUndoing)
{
    Drawing d;
    ScriptedPrompts prompts;
    d.figures = {bond(fkSingle, 0)};
    d.pushHistory();
    d.figures[0].lineWidth = 9; // reformed in small steps, not yet pushed
    d.pendingChange = true;
    ASSERT_TRUE(d.undo(prompts));
    EXPECT_FALSE(d.pendingChange);
    ASSERT_EQ(d.figures.size(), 1u);
    EXPECT_EQ(d.figures[0].lineWidth, 1) << "one undo takes the whole reform back";
    ASSERT_TRUE(d.redo(prompts));
    EXPECT_EQ(d.figures[0].lineWidth, 9);
}

TEST(DrawingHistory, ADamagedStateReportsTheInternalDataError)
{
    Drawing d;
    ScriptedPrompts prompts;
    d.figures = {bond(fkSingle, 0), bond(fkDouble, 5)};
    d.pushHistory();
    // A drawing whose second figure's text reaches past the snapshot cannot be read back.
    d.figures[1].text = "x";
    QByteArray broken = d.snapshot();
    broken.chop(1);
    UndoHistory& history = d.history();
    history.push(broken);
    history.undo();
    prompts.expectBeep(BeepKind::Information).expectMessage("内部データエラー", MessageType::Error, MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(d.redo(prompts));
    EXPECT_EQ(d.figures.size(), 1u) << "the figures read before the bad one stay";
}

TEST(DrawingRecords, AFigureWithoutAnExtentOrSideLinesOfItsOwnTakesTheLatestTheDrawingRecorded)
{
    Drawing d;
    const TFigure single = bond(fkSingle, 0, {100, 100}, {300, 160});
    commitFinishedFigure(d.figures, d.bitmap(), single, d.lastRecorded, {});
    const TFigure line = d.figures[0];
    ASSERT_NE(line.margins, TMargins{});
    d.startEmpty(); // New keeps what was recorded
    TFigure fill;
    fill.kind = fkNuri;
    fill.ends[kMainStart] = fill.ends[kMainEnd] = {700, 500};
    fill.freeEnds = fill.ends;
    commitFinishedFigure(d.figures, d.bitmap(), fill, d.lastRecorded, {});
    EXPECT_EQ(d.figures[0].extremes, line.extremes) << "the fill's extent is the bond's, drawn before New";
    EXPECT_EQ(d.figures[0].margins, line.margins);

    // A double bond of no length given a new shape takes the side lines the rebuild drew last.
    d.figures = {bond(fkDouble, 5, {10, 200}, {60, 200}), bond(fkDouble, 9, {400, 400}, {400, 400}),
                 bond(fkSingle, 0)};
    d.rebuildBitmap();
    recordExtentAgain(d.figures[1], d.bitmap(), d.lastRecorded, {}, true);
    EXPECT_EQ(d.figures[1].ends[kSecondStart], QPoint(10, 195));
    EXPECT_EQ(d.figures[1].freeEnds[kSecondEnd], QPoint(60, 195));

    // Open takes the read drawing's records: here none, so a fill's extent is zero.
    d.startFrom(Drawing());
    commitFinishedFigure(d.figures, d.bitmap(), fill, d.lastRecorded, {});
    ASSERT_EQ(d.figures.size(), 1u);
    EXPECT_EQ(d.figures[0].extremes, (std::array<QPoint, 4>{}));
    EXPECT_EQ(d.figures[0].margins, TMargins{});
}

namespace {

void writeOld(const QString& path, const FigureList& figures, const QImage& background = QImage())
{
    ASSERT_TRUE(writeFileAtomically(path, encodeFigureFile({800, 600, 0, 0}, background, figures, {})));
}

DecodedFigureFile readBack(const QString& path)
{
    QByteArray b;
    EXPECT_TRUE(readWholeFile(path, b));
    return decodeFigureFile(b);
}

} // namespace

TEST(OldDataConversion, RewritesBondShapesInFilesOfEitherCaseAndLeavesOtherKinds)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath("図形ファイル/old");
    const QString lower = root.filePath("図形ファイル/old/a.edb");
    const QString upper = root.filePath("B.EDM");
    QImage background(20, 10, QImage::Format_RGB32);
    background.fill(qRgb(1, 2, 3));
    writeOld(lower, {bond(fkSingle, 5), bond(fkDouble, 3), bond(fkCurve, 9)}, background);
    writeOld(upper, {bond(fkTriple, 1), bond(fkArrow, -4)});
    writeOld(root.filePath("c.fga"), {bond(fkSingle, 5)});

    EXPECT_EQ(collectFiles(root.path(), "edb,edm"), (QStringList{upper, lower}));
    Drawing d;
    d.background = QImage(5, 5, QImage::Format_RGB32); // the user's own drawing keeps its background
    ScriptedPrompts prompts;
    prompts.setIgnoreBeeps(true);
    prompts.expectMessage("旧バージョンのデータを変換します。いいですか。", MessageType::Confirmation, MessageButtons::YesCancel,
                          Answer::Yes)
        .expectMessage("Finish 3", MessageType::Information, MessageButtons::Ok, Answer::Ok);
    const ConversionResult result = convertOldData(d, root.path(), prompts);
    EXPECT_EQ(result.files, 2);
    EXPECT_EQ(result.bondsChanged, 3);
    const DecodedFigureFile a = readBack(lower);
    ASSERT_TRUE(a.ok());
    EXPECT_EQ(a.figures[0].shape, 0);
    EXPECT_EQ(a.figures[1].shape, 11);
    EXPECT_EQ(a.figures[2].shape, 9) << "curves keep their shape";
    EXPECT_EQ(a.region, (FigureRegion{800, 600, 0, 0}));
    ASSERT_EQ(a.background.size(), QSize(20, 10)) << "the background is written back";
    const DecodedFigureFile b = readBack(upper);
    EXPECT_EQ(b.figures[0].shape, 7);
    EXPECT_EQ(b.figures[1].shape, -4);
    EXPECT_EQ(readBack(root.filePath("c.fga")).figures[0].shape, 5) << "other files are not touched";
    EXPECT_EQ(d.background.size(), QSize(5, 5));
}

TEST(OldDataConversion, SaysNoFilesOrStopsAtTheFirstUnreadableFile)
{
    QTemporaryDir root;
    Drawing d;
    ScriptedPrompts prompts;
    prompts.setIgnoreBeeps(true);
    prompts.expectMessage("旧バージョンのデータを変換します。いいですか。", MessageType::Confirmation, MessageButtons::YesCancel,
                          Answer::Yes)
        .expectMessage("No Files", MessageType::Information, MessageButtons::Ok, Answer::Ok);
    EXPECT_EQ(convertOldData(d, root.path(), prompts).files, 0);

    writeOld(root.filePath("1.edb"), {bond(fkSingle, 5)});
    ASSERT_TRUE(writeFileAtomically(root.filePath("2.edb"), "garbage"));
    writeOld(root.filePath("3.edb"), {bond(fkSingle, 5)});
    prompts.expectMessage("旧バージョンのデータを変換します。いいですか。", MessageType::Confirmation, MessageButtons::YesCancel,
                          Answer::Yes)
        .expectMessage("内部データエラー", MessageType::Error, MessageButtons::Ok, Answer::Ok)
        .expectMessage("Load Error", MessageType::Information, MessageButtons::Ok, Answer::Ok);
    const ConversionResult r = convertOldData(d, root.path(), prompts);
    EXPECT_TRUE(r.failed);
    EXPECT_EQ(r.files, 1);
    EXPECT_EQ(readBack(root.filePath("1.edb")).figures[0].shape, 0);
    EXPECT_EQ(readBack(root.filePath("3.edb")).figures[0].shape, 5) << "the rest are untouched";

    prompts.expectMessage("旧バージョンのデータを変換します。いいですか。", MessageType::Confirmation, MessageButtons::YesCancel,
                          Answer::Cancel);
    EXPECT_EQ(convertOldData(d, root.path(), prompts).files, 0);
}
