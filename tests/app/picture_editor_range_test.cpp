// The picture editor's range mode as a user drives it: marking (normalised, a click makes none),
// lifting and moving a piece (Ctrl copies, a release in place changes nothing), a free range's outline,
// copy, cut, delete, trimming, select all and undo of each.

#include "painting/paint_mode.h"
#include "painting/paint_picture.h"
#include "picture_editor_driver.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <cmath>

using namespace molvane;
using namespace molvane::test;

namespace {

class PictureEditorRangeTest : public PictureEditorDriver {
protected:
    void SetUp() override
    {
        // A black 40 x 40 square at (40, 40): a rectangle filled black.
        editor.controls().sbCircle->click();
        drag({40, 40}, {79, 79});
        editor.controls().sbFloodFill->click();
        drag({60, 60}, {60, 60});
        editor.controls().sbRange->click();
    }
    QRgb pixel(int x, int y) const { return rgb(x, y); }
    // Turns the copied picture by its bottom-right handle, dragged to the first pointer position whose
    // direction from the picture's centre lies degrees (and less than a tenth more) clockwise.
    void turnBy(double degrees)
    {
        editor.setTransform(TFormPictureEditor::Transform::Rotate);
        const QRect shown = editor.copiedPictureRect();
        const QPoint centre = shown.topLeft() + QPoint(shown.width() / 2, shown.height() / 2);
        const QPoint grab = editor.handleRects()[7].center();
        const auto direction = [&](QPoint p) {
            return std::atan2(double(centre.y() - p.y()), double(p.x() - centre.x()));
        };
        const double reach = std::hypot(grab.x() - centre.x(), grab.y() - centre.y());
        const double a =
            std::atan2(double(grab.y() - centre.y()), double(grab.x() - centre.x())) + degrees * M_PI / 180;
        const QPoint aim =
            centre + QPoint(int(std::lround(reach * std::cos(a))), int(std::lround(reach * std::sin(a))));
        QPoint to;
        for (int dy = -3; dy <= 3 && to.isNull(); ++dy)
            for (int dx = -3; dx <= 3 && to.isNull(); ++dx) {
                const double turn =
                    std::remainder((direction(grab) - direction(aim + QPoint(dx, dy))) * 180 / M_PI, 360.0);
                if (turn >= degrees && turn < degrees + 0.1)
                    to = aim + QPoint(dx, dy);
            }
        ASSERT_FALSE(to.isNull());
        send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    int steps() const { return editor.history().ring().newest(); }
    // The picture as a full render of its strokes gives it: the moves draw only what changed.
    void expectFullRender()
    {
        PaintPicture full;
        full.restore(editor.picture().size(), {}, editor.picture().strokes());
        EXPECT_TRUE(full.working() == editor.picture().working());
    }
};

TEST_F(PictureEditorRangeTest, ARangeIsNormalisedAndAClickMakesNone)
{
    EXPECT_EQ(editor.controls().mmRange->text(), u("描画モード(&Q)"));
    drag({50, 50}, {50, 50});
    EXPECT_FALSE(editor.range().exists());
    drag({120, 90}, {20, 30});
    ASSERT_TRUE(editor.range().exists());
    EXPECT_EQ(editor.range().rect, QRect(QPoint(20, 30), QPoint(120, 90)));
    editor.mmRangeClick();
    EXPECT_EQ(editor.paintMode(), PaintMode::Fill) << "Ctrl+Q goes back to the tool that was down";
    EXPECT_EQ(editor.controls().mmRange->text(), u("範囲選択モード(&Q)"));
}

TEST_F(PictureEditorRangeTest, ALiftedPieceMovesOrWithCtrlCopiesAndEachIsOneUndoStep)
{
    drag({30, 30}, {90, 90});
    int before = steps();
    drag({60, 60}, {60, 60});
    EXPECT_EQ(steps(), before) << "a release where it was pressed takes no step";
    EXPECT_EQ(pixel(60, 60), 0u);

    drag({30, 30}, {90, 90});
    drag({60, 60}, {160, 60});
    EXPECT_EQ(steps(), before + 1);
    EXPECT_EQ(pixel(60, 60), 0xFFFFFFu) << "the old place is empty";
    EXPECT_EQ(pixel(160, 60), 0u);
    EXPECT_EQ(pixel(155, 30), 0xFFFFFFu);
    expectFullRender();

    drag({130, 30}, {190, 90});
    drag({160, 60}, {160, 160}, Qt::ControlModifier);
    EXPECT_EQ(pixel(160, 60), 0u) << "Ctrl leaves the piece where it was";
    EXPECT_EQ(pixel(160, 160), 0u);
    expectFullRender();
    editor.undoClick();
    EXPECT_EQ(pixel(160, 160), 0xFFFFFFu);
    EXPECT_EQ(pixel(160, 60), 0u);
    editor.undoClick();
    EXPECT_EQ(pixel(60, 60), 0u);
    EXPECT_EQ(pixel(160, 60), 0xFFFFFFu);
}

TEST_F(PictureEditorRangeTest, AFreeRangeErasesOnlyInsideItsOutline)
{
    editor.controls().rbFreeRange->click();
    // A triangle over the square's top-left half.
    QWidget* view = editor.controls().view;
    const QPoint outline[] = {{35, 35}, {85, 35}, {35, 85}, {35, 35}};
    send(QEvent::MouseButtonPress, outline[0], Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    for (const QPoint& p : outline)
        send(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    send(QEvent::MouseButtonRelease, outline[3], Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    (void)view;
    ASSERT_TRUE(editor.range().free);
    drag({45, 45}, {245, 45});
    EXPECT_EQ(pixel(45, 45), 0xFFFFFFu) << "inside the outline: erased";
    EXPECT_EQ(pixel(75, 75), 0u) << "inside the box but outside the outline: untouched";
    EXPECT_EQ(pixel(245, 45), 0u);
    EXPECT_EQ(pixel(275, 75), 0xFFFFFFu) << "the piece carries nothing from outside its outline";
}

TEST_F(PictureEditorRangeTest, CopyCutDeleteAndTrimming)
{
    drag({30, 30}, {90, 90});
    int before = steps();
    editor.copyClick();
    EXPECT_EQ(steps(), before) << "a copy takes no step";
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(60, 60));
    EXPECT_EQ(copied.pixel(30, 30) & 0xFFFFFFu, 0u);
    EXPECT_FALSE(editor.range().exists());

    drag({30, 30}, {60, 90});
    editor.cutClick();
    EXPECT_EQ(steps(), before + 1);
    EXPECT_EQ(pixel(50, 60), 0xFFFFFFu);
    EXPECT_EQ(pixel(70, 60), 0u);
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(30, 60));

    drag({60, 30}, {90, 50});
    editor.deleteClick();
    EXPECT_EQ(pixel(70, 45), 0xFFFFFFu);
    EXPECT_EQ(pixel(70, 60), 0u);

    // Trimming a 100 x 50 range leaves exactly its pixels; undo brings the canvas back.
    drag({20, 40}, {120, 90});
    editor.trimmingClick();
    EXPECT_EQ(editor.picture().size(), QSize(100, 50));
    EXPECT_EQ(pixel(50, 20), 0u) << "the square's pixel (70, 60)";
    EXPECT_EQ(pixel(10, 10), 0xFFFFFFu);
    editor.undoClick();
    EXPECT_EQ(editor.picture().size(), QSize(600, 400));
    EXPECT_EQ(pixel(70, 60), 0u);
}

TEST_F(PictureEditorRangeTest, SelectAllMarksTheWholeCanvasAndOkHandsTheRangeOver)
{
    editor.mmSelectAllClick();
    ASSERT_TRUE(editor.range().exists());
    EXPECT_EQ(editor.range().rect, QRect(QPoint(0, 0), QPoint(600, 400)));
    drag({500, 300}, {500, 300}); // outside nothing: inside the range a click lifts and drops in place
    drag({30, 30}, {90, 70});
    editor.btOKClick();
    EXPECT_EQ(editor.resultPicture().size(), QSize(60, 40));
}

} // namespace

#include "picture_editor/tform_moji.h"

#include <QTimer>

namespace {

TEST_F(PictureEditorRangeTest, TheCopiedPictureIsShownDraggedAndDrawnAsOftenAsWanted)
{
    QApplication::clipboard()->clear();
    prompts.expectBeep(BeepKind::Information)
        .expectMessage(u("コピーされた画像がありません。"), MessageType::Warning, MessageButtons::Ok,
                       Answer::Ok);
    editor.sbPasteShowClick();
    EXPECT_FALSE(editor.copiedPictureShown());
    EXPECT_FALSE(editor.controls().sbPasteShow->isChecked());

    drag({30, 30}, {90, 90});
    editor.cutClick();
    EXPECT_TRUE(editor.FormKeyDown(Qt::Key_V, Qt::ControlModifier)) << "Ctrl+V shows it";
    ASSERT_TRUE(editor.copiedPictureShown());
    EXPECT_EQ(editor.copiedPictureRect(), QRect(30, 30, 60, 60)) << "where it was cut";
    EXPECT_EQ(editor.controls().sbPasteShow->text(), u("隠す"));

    const int before = editor.history().ring().newest();
    drag({40, 40}, {240, 140}); // a press on it drags it
    EXPECT_EQ(editor.copiedPictureRect(), QRect(230, 130, 60, 60));
    EXPECT_EQ(pixel(260, 160), 0xFFFFFFu) << "floating, not drawn yet";
    editor.FormKeyDown(Qt::Key_V, Qt::ControlModifier); // now it draws
    EXPECT_EQ(pixel(260, 160), 0u);
    EXPECT_EQ(editor.history().ring().newest(), before + 1);
    drag({240, 140}, {440, 140});
    editor.sbPasteByougaClick();
    EXPECT_EQ(pixel(460, 160), 0u);
    EXPECT_EQ(pixel(260, 160), 0u) << "drawn twice";

    prompts.expectBeep(BeepKind::Information)
        .expectMessage(u("［表示］している画像を隠してから実行して下さい。"), MessageType::Warning,
                       MessageButtons::Ok, Answer::Ok);
    editor.sbMojiClick();
    drag({400, 300}, {500, 350});
    prompts.expectBeep(BeepKind::Information)
        .expectMessage(u("貼付枠を閉じて下さい。"), MessageType::Warning, MessageButtons::Ok, Answer::Ok);
    editor.trimmingClick();
    EXPECT_EQ(editor.picture().size(), QSize(600, 400));

    // The eraser cell puts it down opaquely: its white covers the black below.
    editor.FormKeyDown(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_FALSE(editor.copiedPictureShown());
    editor.sbPasteShowClick();
    drag({40, 40}, {485, 140}); // its white left margin over the black of the last one drawn
    ASSERT_EQ(pixel(477, 160), 0u);
    editor.cellPressed(PaintPalette::kEraserCell);
    editor.sbPasteByougaClick();
    EXPECT_EQ(pixel(477, 160), 0xFFFFFFu);
}

TEST_F(PictureEditorRangeTest, TypedTextBecomesTheCopiedPictureLineByLine)
{
    TFormMoji moji;
    moji.setPrompts(&prompts);
    editor.setTextDialog(&moji);
    QTimer::singleShot(0, &moji, [&moji] {
        moji.setText(QStringLiteral("ベンゼン\nC6H6"));
        moji.btOKClick();
    });
    editor.sbMojiClick();
    ASSERT_TRUE(editor.copiedPictureShown());
    const QRect shown = editor.copiedPictureRect();
    EXPECT_GT(shown.width(), 30);
    EXPECT_GT(shown.height(), 2 * 12) << "two lines with the spacing between them";
    editor.sbPasteByougaClick();
    int inked = 0;
    for (int y = shown.top(); y <= shown.bottom(); ++y)
        for (int x = shown.left(); x <= shown.right(); ++x)
            inked += pixel(x, y) != 0xFFFFFFu;
    EXPECT_GT(inked, 50);
}

} // namespace

namespace {

TEST_F(PictureEditorRangeTest, TheRightButtonMenuShowsWhatTheRangeAndTheCopiedPictureAllowAndEditRepeatsIt)
{
    const PictureEditorControls& c = editor.controls();
    QApplication::clipboard()->clear();
    emit c.popupMenu->aboutToShow();
    EXPECT_FALSE(c.mmCut->isVisible());
    EXPECT_FALSE(c.pmPaste->isEnabled()) << "no picture to show";
    EXPECT_FALSE(c.pmGenten->isVisible());

    drag({30, 30}, {90, 90});
    emit c.popupMenu->aboutToShow();
    EXPECT_TRUE(c.mmCut->isVisible());
    EXPECT_TRUE(c.mmDelete->isVisible());
    EXPECT_TRUE(editor.FormKeyDown(Qt::Key_C, Qt::ControlModifier));
    editor.sbPasteShowClick();
    emit c.popupMenu->aboutToShow();
    EXPECT_TRUE(c.pmClose->isVisible());
    EXPECT_FALSE(c.pmPaste->isVisible());
    EXPECT_TRUE(c.pmByouga->isEnabled());
    EXPECT_TRUE(c.pmGenten->isVisible());
    EXPECT_TRUE(c.pmByouga->text().endsWith(QStringLiteral("\tCtrl+V")));

    emit c.mmEdit->aboutToShow();
    EXPECT_EQ(c.mmEdit->actions(), c.popupMenu->actions());

    // The press that closes the menu paints nothing with the pen.
    c.pmClose->trigger();
    c.sbPen->click();
    emit c.popupMenu->aboutToShow();
    const auto strokes = editor.picture().strokes().size();
    drag({300, 300}, {350, 320});
    EXPECT_EQ(editor.picture().strokes().size(), strokes);
    drag({300, 300}, {350, 320});
    EXPECT_EQ(editor.picture().strokes().size(), strokes + 1);
}

} // namespace

namespace {

TEST_F(PictureEditorRangeTest, TheHandlesStretchPastAnEdgeTurnAndMirrorTheCopiedPicture)
{
    QImage halves(100, 50, QImage::Format_RGB32);
    halves.fill(qRgb(255, 0, 0));
    for (int y = 0; y < 50; ++y)
        for (int x = 50; x < 100; ++x)
            halves.setPixel(x, y, qRgb(0, 0, 255));
    QApplication::clipboard()->setImage(halves);
    editor.sbPasteShowClick();
    drag({10, 10}, {110, 110});
    ASSERT_EQ(editor.copiedPictureRect(), QRect(100, 100, 100, 50));

    // A side handle mirrors: the handle left of it, vertically centred, 12 pixels at 100 %.
    editor.setTransform(TFormPictureEditor::Transform::Reverse);
    const std::vector<QRect> sides = editor.handleRects();
    EXPECT_EQ(sides[0], QRect(85, 119, 12, 12));
    drag(sides[0].center(), sides[0].center());
    editor.sbPasteByougaClick();
    EXPECT_EQ(rgb(110, 110), 0x0000FFu) << "mirrored: blue on the left";

    // The left handle dragged past the right edge: 50 wide beyond it, mirrored back.
    editor.setTransform(TFormPictureEditor::Transform::Reform);
    drag(sides[0].center(), sides[0].center() + QPoint(150, 0));
    EXPECT_EQ(editor.copiedPictureRect(), QRect(200, 100, 50, 50));
    editor.sbPasteByougaClick();
    EXPECT_EQ(rgb(205, 110), 0xFF0000u);
    EXPECT_EQ(rgb(245, 110), 0x0000FFu);

    // A quarter of a turn clockwise by a corner handle: the turn starts from the picture's own 100 x 50
    // pixels, shown one view pixel each, and is cropped to them.
    turnBy(90);
    EXPECT_EQ(editor.copiedPictureRect().size(), QSize(50, 100));
}

} // namespace

namespace {

TEST_F(PictureEditorRangeTest, ArrowKeysStepTheShownPictureByOneCanvasPixelAndAShiftDragLocksAnAxis)
{
    drag({30, 30}, {90, 90});
    editor.copyClick();
    editor.sbPasteShowClick();
    const QRect start = editor.copiedPictureRect();
    editor.FormKeyDown(Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(editor.copiedPictureRect().topLeft(), start.topLeft() + QPoint(1, 0));
    editor.controls().zoomUpDown->setValue(300);
    const QPoint at = editor.copiedPictureRect().topLeft();
    editor.FormKeyDown(Qt::Key_Down, Qt::NoModifier);
    EXPECT_EQ(editor.copiedPictureRect().topLeft(), at + QPoint(0, 3))
        << "the smallest step of a canvas pixel";

    const QRect r = editor.copiedPictureRect();
    const QPoint from = r.center();
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    send(QEvent::MouseMove, from + QPoint(40, 7), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(editor.copiedPictureRect().top(), r.top()) << "locked on the axis it moved most along";
    EXPECT_EQ((editor.copiedPictureRect().left() - r.left()) % 3, 0) << "whole canvas pixels";
    // Shift pressed again: the lock starts over where the pointer is, keeping the column it reached.
    editor.FormKeyDown(Qt::Key_Shift, Qt::ShiftModifier);
    send(QEvent::MouseMove, from + QPoint(43, 37), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    send(QEvent::MouseButtonRelease, from + QPoint(43, 37), Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(editor.copiedPictureRect().left() - r.left(), 39) << "the column it reached, in canvas pixels";
    EXPECT_GT(editor.copiedPictureRect().top(), r.top() + 30);
}

} // namespace

namespace {

TEST_F(PictureEditorRangeTest, APictureFloatsBeyondTheCanvasItsHandleFollowsAndAZoomStartsANewTurn)
{
    editor.controls().udWidth->setValue(100);
    editor.controls().udHeight->setValue(100);
    editor.resize(900, 700);
    editor.show();
    QImage wide(100, 50, QImage::Format_RGB32);
    wide.fill(qRgb(255, 0, 0));
    QApplication::clipboard()->setImage(wide);
    editor.sbPasteShowClick();
    const QRect r = editor.copiedPictureRect();
    drag(r.center(), r.center() + QPoint(150, 150));
    const QRect beyond = editor.copiedPictureRect();
    EXPECT_EQ(beyond, r.translated(150, 150));
    EXPECT_TRUE(editor.controls().view->rect().contains(beyond)) << "it floats over the scroll box";
    const qsizetype before = strokes().size();
    editor.controls().sbPen->click();
    drag({300, 20}, {320, 40});
    EXPECT_EQ(strokes().size(), before) << "the pen does not reach beyond the canvas";

    // While a handle is dragged only it shows, under the pointer.
    editor.setTransform(TFormPictureEditor::Transform::Reform);
    const QRect right = editor.handleRects()[1];
    send(QEvent::MouseButtonPress, right.center(), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, right.center() + QPoint(20, 5), Qt::NoButton, Qt::LeftButton);
    const std::vector<QRect> dragged = editor.handleRects();
    EXPECT_EQ(dragged[1], right.translated(20, 5));
    EXPECT_EQ(std::count_if(dragged.begin(), dragged.end(), [](const QRect& h) { return !h.isNull(); }), 1);
    send(QEvent::MouseButtonRelease, right.center() + QPoint(20, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(editor.copiedPictureRect().size(), QSize(120, 50));

    // A quarter turn, a zoom, and another quarter turn: the second starts from the turned picture and
    // turns it by a quarter only, not by the half turn the two make together.
    // A stretch shows the picture larger without changing its pixels; a turn starts from its pixels.
    turnBy(90);
    EXPECT_EQ(editor.copiedPictureRect().size(), QSize(50, 100));
    editor.controls().zoomUpDown->setValue(200);
    EXPECT_EQ(editor.copiedPictureRect().size(), QSize(100, 200));
    turnBy(90);
    EXPECT_EQ(editor.copiedPictureRect().size(), QSize(100, 50)) << "one view pixel per picture pixel";
}

} // namespace

namespace {

TEST_F(PictureEditorRangeTest, AtZoom200ACopiedPictureTurnedFiveDegreesShows108PixelsAndCovers54)
{
    QImage square(100, 100, QImage::Format_RGB32);
    square.fill(qRgb(0, 0, 255));
    QApplication::clipboard()->setImage(square);
    editor.controls().zoomUpDown->setValue(200);
    editor.sbPasteShowClick();
    ASSERT_EQ(editor.copiedPictureRect().size(), QSize(200, 200));
    turnBy(5);
    EXPECT_EQ(editor.copiedPictureRect().size(), QSize(108, 108)) << "one view pixel per picture pixel";
    editor.controls().zoomUpDown->setValue(100);
    EXPECT_EQ(editor.copiedPictureRect().size(), QSize(54, 54)) << "the canvas pixels it covers";
}

} // namespace
