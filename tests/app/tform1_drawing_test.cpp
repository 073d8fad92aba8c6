#include "app/cli_commands.h"
#include "document/canvas_geometry.h"
#include "document/geometry.h"
#include "document/main_window/tform1.h"

#include "platform/atomic_file.h"
#include "dialogs/up_down.h"
#include "support/image_test_util.h"
#include "support/scripted_prompts.h"
#include "main_window_driver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

using DrawingToolsTest = MainWindowDriver;

} // namespace

TEST_F(DrawingToolsTest, EachToolMakesOneFigureWithSnappedEndsItsConditionsAndOneUndoState)
{
    struct Tool {
        const char* name;
        int kind, shape, width;
    };
    const Tool tools[] = {{"sbFuncSingle", fkSingle, 0, 3}, {"sbFuncDouble", fkDouble, 11, 3},
                          {"sbFuncTriple", fkTriple, 7, 3}, {"sbFuncCurve", fkCurve, 10, 3},
                          {"sbFuncAllow", fkArrow, 10, 3},  {"sbFuncStereo", fkStereo, 10, 0},
                          {"sbFuncPai", fkPai, 6, 3},       {"sbFuncCircle", fkCircle, 6, 3}};
    int count = 0;
    for (const Tool& t : tools) {
        button(t.name)->click();
        const int before = form->drawing().history().newest();
        drag({13, 21 + 60 * count}, {100, 50 + 60 * count});
        ASSERT_EQ(int(figures().size()), ++count) << t.name;
        const TFigure& f = figures().back();
        EXPECT_EQ(f.kind, t.kind);
        // Grid 24, precision 4 at zoom 100: multiples of 6.
        EXPECT_EQ(f.ends[kMainStart], QPoint(12, snapValue(21 + 60 * (count - 1), 6.0))) << t.name;
        EXPECT_EQ(f.ends[kMainEnd], QPoint(std::lround(100 / 6.0) * 6, snapValue(50 + 60 * (count - 1), 6.0))) << t.name;
        EXPECT_EQ(f.shape, t.kind == fkSingle ? 0 : t.shape) << t.name;
        EXPECT_EQ(f.lineWidth, t.width) << t.name;
        EXPECT_EQ(f.penStyle, 0);
        EXPECT_EQ(f.cursorPrecision, 4);
        EXPECT_EQ(form->drawing().history().newest(), before + 1) << t.name;
        if (t.kind != fkStereo) { // a wedge's extent is its triangle, without margins
            EXPECT_NE(f.margins, TMargins{}) << "the extent was recorded";
        }
    }
    // The double bond kept the second line its rubber band computed.
    EXPECT_NE(figures()[1].ends[kSecondStart], QPoint());
    EXPECT_EQ(form->findChild<QLabel*>("pnLastReform")->palette().color(QPalette::Window), QColor(0xBF, 0xFF, 0x7F));
}

TEST_F(DrawingToolsTest, AClickWithoutMovementMakesNoBondButACircleToolDot)
{
    button("sbFuncSingle")->click();
    press({60, 60});
    release({60, 60});
    EXPECT_TRUE(figures().empty());
    EXPECT_FALSE(form->drawing().canUndo());
    button("sbFuncCircle")->click();
    form->findChild<TUpDown*>("UpDown3")->setValue(0);
    press({60, 60});
    release({60, 60});
    ASSERT_EQ(figures().size(), 1u);
    EXPECT_EQ(figures()[0].ends[kMainStart], figures()[0].ends[kMainEnd]);
    EXPECT_EQ(form->drawing().bitmap().pixel(60, 60), qRgb(0, 0, 0)) << "a filled dot";
}

TEST_F(DrawingToolsTest, PrecisionThreeSnapsToEightAndTheFreeCurveAndFillDoNot)
{
    form->findChild<TUpDown*>("UpDown1")->setValue(3);
    EXPECT_EQ(form->snap({13, 21}), QPoint(16, 24));
    button("sbFuncFree")->click();
    press({13, 21});
    move({17, 23});
    move({29, 40});
    release({29, 40});
    ASSERT_EQ(figures().size(), 1u);
    EXPECT_EQ(figures()[0].points, (TDynamicPtArray{{13, 21}, {17, 23}, {29, 40}}));
    EXPECT_EQ(form->snap({13, 21}), QPoint(13, 21)) << "free curves never snap";
}

TEST_F(DrawingToolsTest, ARightClickOnABondToolChoosesTheDashedStyleAndALeftClickTheSolid)
{
    rightPress(button("sbFuncDouble"));
    EXPECT_EQ(form->editMode(), EditMode::Double);
    EXPECT_TRUE(button("sbFuncDouble")->isChecked());
    drag({12, 12}, {96, 12});
    ASSERT_EQ(figures().size(), 1u);
    EXPECT_EQ(figures()[0].penStyle, 1);
    leftClick(button("sbFuncDouble"));
    drag({12, 60}, {96, 60});
    EXPECT_EQ(figures().back().penStyle, 0);
}

TEST_F(DrawingToolsTest, AFillOutsideAnyOutlineChangesNothingAndInsideARingRecordsIt)
{
    button("sbFuncSingle")->click();
    const QPoint c(150, 150);
    for (int i = 0; i < 6; ++i)
        drag(c + polar(60, 60.0 * i), c + polar(60, 60.0 * (i + 1)));
    ASSERT_EQ(figures().size(), 6u);
    const QImage before = form->drawing().bitmap();
    const int states = form->drawing().history().newest();
    button("sbFuncNuri")->click();
    ASSERT_EQ(form->editMode(), EditMode::Fill);
    press({400, 300});
    release({400, 300});
    EXPECT_EQ(figures().size(), 6u);
    EXPECT_EQ(form->drawing().history().newest(), states) << "no undo state";
    EXPECT_EQ(form->drawing().bitmap(), before);
    press(c + QPoint(3, 1));
    release(c + QPoint(3, 1));
    ASSERT_EQ(figures().size(), 7u);
    EXPECT_EQ(figures()[6].kind, fkNuri);
    EXPECT_EQ(figures()[6].ends[kMainStart], c + QPoint(3, 1)) << "fills do not snap";
    EXPECT_EQ(figures()[6].points.size(), 6u);
    EXPECT_EQ(QColor(form->drawing().bitmap().pixel(c)), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(DrawingToolsTest, TheClickThatClosesTheCanvasPopupDrawsNothing)
{
    form->show();
    button("sbFuncCircle")->click();
    press({80, 80}, Qt::RightButton);
    EXPECT_TRUE(form->popupJustShown());
    form->popupMenu()->close();
    press({80, 80});
    release({80, 80});
    EXPECT_TRUE(figures().empty());
    press({80, 80});
    release({80, 80});
    EXPECT_EQ(figures().size(), 1u) << "the next click draws again";
}

TEST_F(DrawingToolsTest, ARightPressWhileDraggingCancelsTheFigure)
{
    button("sbFuncSingle")->click();
    press({12, 12});
    move({90, 40});
    press({90, 40}, Qt::RightButton);
    release({90, 40});
    EXPECT_TRUE(figures().empty());
    EXPECT_FALSE(form->isDragging());
}

TEST_F(DrawingToolsTest, TheViewShowsTheRubberBandWhileDraggingAndNothingOfItOnceCancelled)
{
    const auto shown = [this] {
        QApplication::processEvents();
        return view->grab(QRect(0, 0, 300, 200)).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage before = shown();
    button("sbFuncSingle")->click();
    press({48, 48});
    move({120, 96});
    move({192, 144});
    const QImage band = shown();
    EXPECT_NE(pixelAt(band, 120, 96), pixelAt(before, 120, 96)) << "the band inverts what it crosses";
    move({192, 48});
    const QImage turned = shown();
    EXPECT_EQ(pixelAt(turned, 120, 96), pixelAt(before, 120, 96)) << "the old band is gone";
    EXPECT_NE(pixelAt(turned, 120, 48), pixelAt(before, 120, 48));
    press({192, 48}, Qt::RightButton);
    release({192, 48});
    EXPECT_TRUE(imagesMatch(shown(), before, 0, "rubber-band-cancelled"));
}

TEST_F(DrawingToolsTest, ACommittedFigureShowsInTheViewAtOnceAndAfterAZoom)
{
    button("sbFuncSingle")->click();
    const QImage empty = view->grab(QRect(0, 0, 200, 200)).toImage();
    drag({48, 48}, {144, 48});
    ASSERT_EQ(figures().size(), 1u);
    QApplication::processEvents();
    const QImage drawn = view->grab(QRect(0, 0, 200, 200)).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(drawn, empty.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(pixelAt(drawn, 96, 48), fromQRgb(form->drawing().bitmap().pixel(96, 48)));
    EXPECT_EQ(pixelAt(drawn, 96, 48), clBlack);
    TUpDown* zoom = form->findChild<TUpDown*>("UpDown2");
    zoom->step(false);
    ASSERT_EQ(form->zoom(), 95);
    QApplication::processEvents();
    const QImage smaller = view->grab(QRect(0, 0, 200, 200)).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(pixelAt(smaller, 91, 46), clBlack) << "the bond at 95 %";
    EXPECT_EQ(pixelAt(smaller, 140, 46), clWhite) << "past its end at 95 %";
}

TEST_F(DrawingToolsTest, AnEditedCharacterButtonCaptionsItsStartAndDrawsItsWholeText)
{
    form->drawing().settings.mojiBtnColor = true;
    QToolButton* a = button("sbChar1");
    prompts.expectInput("文字または短文を入力して下さい。", QString("CH3"));
    rightPress(a);
    EXPECT_EQ(a->text(), "CH");
    EXPECT_TRUE(a->toolTip().endsWith("CH3"));
    EXPECT_EQ(a->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    a->click();
    EXPECT_EQ(form->editMode(), EditMode::Text);
    EXPECT_EQ(form->textButtons().buttonText(), "CH3");
    drag({60, 60}, {120, 90});
    ASSERT_EQ(figures().size(), 1u);
    EXPECT_EQ(figures()[0].text, "CH3");
    EXPECT_EQ(figures()[0].kind, fkMoji);
    EXPECT_EQ(figures()[0].ends[kMainEnd], QPoint(120, 90)) << "the text is placed where it was released";
    EXPECT_EQ(figures()[0].shape, 36);

    prompts.expectInput("文字または短文を入力して下さい。", QString("Ａ"));
    rightPress(button("sbChar2"));
    EXPECT_EQ(button("sbChar2")->text(), "Ａ");
    prompts.expectInput("文字または短文を入力して下さい。", QString("A"));
    rightPress(a);
    EXPECT_EQ(a->palette().color(QPalette::ButtonText), QApplication::palette().color(QPalette::ButtonText))
        << "the built-in content again: the normal colour";
    prompts.expectInput("文字または短文を入力して下さい。", std::nullopt);
    rightPress(a);
    EXPECT_EQ(a->text(), "A") << "cancel changes nothing";
}

TEST_F(DrawingToolsTest, TheShortTextDrawsItsLinesAndDelInTheMemoEditsTheMemo)
{
    form->show();
    button("sbFuncSingle")->click();
    drag({12, 12}, {96, 12});
    QPlainTextEdit* memo = form->findChild<QPlainTextEdit*>("edStr");
    button("sbStr")->click();
    EXPECT_EQ(form->textButtons().textSource(), 2);
    memo->setPlainText("CH3\nOH");
    memo->setFocus();
    memo->moveCursor(QTextCursor::Start);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(memo, &del);
    EXPECT_EQ(memo->toPlainText(), "H3\nOH");
    EXPECT_EQ(figures().size(), 1u);
    drag({60, 60}, {60, 60});
    ASSERT_EQ(figures().size(), 2u);
    EXPECT_EQ(figures()[1].text, "H3\r\nOH");
}

TEST_F(DrawingToolsTest, ADrawingMadeWithTheMouseIsWhatItsSavedFileHolds)
{
    button("sbFuncSingle")->click();
    drag({12, 12}, {96, 48});
    button("sbFuncAllow")->click();
    drag({120, 60}, {240, 60});
    prompts.expectFileDialog("名前を付けて保存", FileDialogResult{true, dir.filePath("mouse"), 1, false});
    form->findChild<QAction*>("mmFileSaveAs")->trigger();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    ASSERT_EQ(dumpFigureFile(dir.filePath("mouse.fga"), out, err), kExitOk);
    std::rewind(out);
    char buffer[65536];
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, out);
    const QByteArray json(buffer, qsizetype(n));
    std::fclose(out);
    std::fclose(err);
    EXPECT_EQ(json.count("\"kind\": 11"), 1);
    EXPECT_EQ(json.count("\"kind\": 15"), 1);
    EXPECT_TRUE(json.contains("\"ends\": [[12, 12], [0, 0], [0, 0], [96, 48]"));
}

TEST_F(DrawingToolsTest, AFormulaDrawnWithTheMouseLooksRightAtZoom100And200)
{
    form->show();
    button("sbFuncSingle")->click();
    const QPoint c(144, 144);
    for (int i = 0; i < 6; ++i) {
        button(i % 2 ? "sbFuncDouble" : "sbFuncSingle")->click();
        if (i % 2)
            form->findChild<TUpDown*>("UpDown3")->setValue(-7);
        drag(c + polar(48, 60.0 * i + 30), c + polar(48, 60.0 * (i + 1) + 30));
    }
    button("sbFuncSingle")->click();
    drag(c + polar(48, 90), c + polar(96, 90));
    button("sbChar15")->click(); // "O"
    drag(c + polar(120, 90), c + polar(120, 90));
    button("sbFuncAllow")->click();
    drag({260, 144}, {380, 144});
    ASSERT_EQ(figures().size(), 9u);
    QApplication::processEvents();
    saveForInspection(form->grab().toImage(), "formula-zoom100");
    TUpDown* zoom = form->findChild<TUpDown*>("UpDown2");
    for (int i = 0; i < 4; ++i)
        zoom->step(true);
    ASSERT_EQ(form->zoom(), 200);
    QApplication::processEvents();
    saveForInspection(form->grab().toImage(), "formula-zoom200");
    // At 200 % the view shows every bitmap pixel as a 2 x 2 block.
    const QImage shown = view->grab(QRect(0, 0, 800, 600)).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& bitmap = form->drawing().bitmap();
    int differ = 0;
    for (int y = 0; y < 300; y += 7)
        for (int x = 0; x < 400; x += 7)
            differ += (shown.pixel(2 * x, 2 * y) & 0xFFFFFF) != (bitmap.pixel(x, y) & 0xFFFFFF) &&
                      (shown.pixel(2 * x, 2 * y) & 0xFFFFFF) != 0xC0C0C0;
    EXPECT_LT(differ, 10) << "apart from the grid, the view is the bitmap scaled";
}
