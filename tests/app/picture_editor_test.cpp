// The picture editor's window driven as a user would: strokes with the tools, the palette, the reform
// of the last stroke, undo and redo, clear all, the grid dialog and the wheel.

#include "painting/paint_mode.h"
#include "picture_editor/tform_show_masu.h"
#include "picture_editor_driver.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

class PictureEditorTest : public PictureEditorDriver {
protected:
    QRgb pixel(int x, int y) const { return editor.picture().working().pixel(x, y); }
};

TEST_F(PictureEditorTest, AFreshEditorPaintsWithThePenInBlackAndALineInTheChosenColourAndStyle)
{
    EXPECT_EQ(editor.picture().size(), QSize(600, 400));
    EXPECT_EQ(editor.paintMode(), PaintMode::Pen);
    EXPECT_EQ(editor.palette().selectedCell(), 0);
    drag({20, 20}, {120, 20});
    ASSERT_EQ(strokes().size(), 1u);
    EXPECT_EQ(strokes()[0].kind, kStrokePen);
    EXPECT_EQ(pixel(70, 20), qRgb(0, 0, 0));
    click({300, 300});
    ASSERT_EQ(strokes().size(), 2u);
    EXPECT_EQ(pixel(300, 300), qRgb(0, 0, 0)) << "a click of the one-pixel pen leaves its dot";
    editor.controls().sbUndo->click();

    editor.cellPressed(4); // red
    editor.penStylePressed(1);
    editor.controls().sbLine->click();
    click({50, 200});
    EXPECT_EQ(strokes().size(), 1u) << "a click makes no line";
    drag({50, 200}, {250, 204}, Qt::ShiftModifier);
    ASSERT_EQ(strokes().size(), 2u);
    const TFigure& line = strokes()[1];
    EXPECT_EQ(line.kind, kStrokeLine);
    EXPECT_EQ(line.ends[3], QPoint(250, 200)) << "Shift keeps it horizontal";
    EXPECT_EQ(line.penStyle, 1);
    EXPECT_EQ(line.penColor, clRed);
    EXPECT_TRUE(editor.reformOn());
}

TEST_F(PictureEditorTest, TheLastStrokeIsReformedByTheWidthControlAndOneUndoTakesTheReformBack)
{
    editor.controls().sbLine->click();
    drag({50, 100}, {300, 100});
    ASSERT_EQ(strokes().size(), 1u);
    EXPECT_NE(pixel(150, 103), qRgb(0, 0, 0)) << "one pixel wide";
    for (int i = 0; i < 9; ++i)
        editor.controls().udPen->step(true);
    EXPECT_EQ(strokes()[0].lineWidth, 10);
    EXPECT_EQ(pixel(150, 103), qRgb(0, 0, 0)) << "ten pixels wide now";
    editor.undoClick(); // settles the reform as its own step, then takes it back
    EXPECT_EQ(strokes()[0].lineWidth, 1);
    editor.undoClick();
    EXPECT_TRUE(strokes().empty());
    editor.redoClick();
    editor.redoClick();
    ASSERT_EQ(strokes().size(), 1u);
    EXPECT_EQ(strokes()[0].lineWidth, 10);
}

TEST_F(PictureEditorTest, ADashedRectangleHoldsItsFillAndClearAllAsksAndCanBeUndone)
{
    editor.penStylePressed(1);
    editor.controls().sbCircle->click();
    drag({100, 100}, {300, 250});
    editor.cellPressed(6); // blue
    editor.controls().sbFloodFill->click();
    click({200, 180});
    ASSERT_EQ(strokes().size(), 2u);
    EXPECT_EQ(pixel(200, 180), qRgb(0, 0, 255));
    EXPECT_EQ(pixel(50, 50), qRgb(255, 255, 255)) << "the fill stays inside the dashes";

    prompts.expectBeep(BeepKind::Exclamation)
        .expectMessage(u("すべて消去します。いいですか。"), MessageType::Information,
                       MessageButtons::YesCancel, Answer::Yes);
    editor.sbClearAllClick();
    EXPECT_TRUE(strokes().empty());
    EXPECT_EQ(pixel(200, 180), qRgb(255, 255, 255));
    editor.undoClick();
    EXPECT_EQ(strokes().size(), 2u);
    EXPECT_EQ(pixel(200, 180), qRgb(0, 0, 255));
}

TEST_F(PictureEditorTest, TheTopPaletteRowIsFixedAndPureWhiteChosenForACellBecomesOpaqueWhite)
{
    editor.cellPressed(2);
    prompts.expectBeep(BeepKind::Information)
        .expectMessage(u("パレット最上段にある色の変更はできません。"), MessageType::Warning,
                       MessageButtons::Ok, Answer::Ok);
    editor.sbPalletClick();
    editor.cellPressed(5);
    prompts.expectColor(clWhite);
    editor.sbPalletClick();
    EXPECT_EQ(editor.palette().cellColour(5), editor.picture().whites().opaque);

    // The spoit ends with its release, or with any other cursor: a tool button, a cell.
    editor.sbSpoitClick();
    click({30, 30});
    EXPECT_FALSE(editor.palette().spoitMode());
    EXPECT_FALSE(editor.controls().sbSpoit->isChecked());
    EXPECT_EQ(editor.palette().selectedCell(), PaintPalette::kSpoitCell);
    EXPECT_TRUE(strokes().empty()) << "the spoit's click paints nothing";
    editor.sbSpoitClick();
    editor.controls().sbLine->click();
    EXPECT_FALSE(editor.palette().spoitMode());
    EXPECT_FALSE(editor.controls().sbSpoit->isChecked());
    click({30, 30});
    EXPECT_TRUE(strokes().empty()) << "a click with the line tool draws nothing and takes no colour";
}

TEST_F(PictureEditorTest, CancellingTheGridDialogLeavesTheGridOffAndTheWheelZoomsFromTheMiddle)
{
    TFormShowMasu grid(prompts);
    editor.setGridDialog(&grid, 24);
    QTimer::singleShot(0, &grid, &QDialog::reject);
    editor.controls().sbShowMasu->click();
    EXPECT_FALSE(editor.controls().sbShowMasu->isChecked());

    editor.resize(900, 700);
    editor.show();
    const QSize box = editor.controls().scrollBox->viewport()->size();
    EXPECT_TRUE(editor.FormMouseWheel({box.width() / 2, box.height() / 2}, -120));
    EXPECT_EQ(editor.zoom(), 90);
    editor.controls().cbIncrement->click();
    editor.FormMouseWheel({box.width() / 2, box.height() / 2}, 120);
    EXPECT_EQ(editor.zoom(), 91);
    EXPECT_EQ(editor.canvasView().size(), QSize(546, 364)) << "the canvas follows the zoom";
    EXPECT_EQ(editor.controls().view->size(), box) << "the view still covers the whole box";
    editor.controls().zoomUpDown->setValue(200); // the picture covers the whole box
    QWidget* view = editor.controls().view;
    const QPointF middle(box.width() / 2.0, box.height() / 2.0);
    QWheelEvent wheel(middle, view->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    EXPECT_EQ(editor.zoom(), 199) << "a wheel turned over the picture reaches the editor";
}

} // namespace
