// Selecting, moving, duplicating, keyboard moves and the wheel, driven through the main window.

#include "document/canvas_geometry.h"
#include "document/geometry.h"
#include "document/main_window/tform1.h"
#include "main_window_driver.h"

#include <QAction>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

using namespace molvane;
using namespace molvane::test;

namespace {

// A benzene-like ring around (240, 264) on the 6-pixel snap of grid 24, precision 4.
const QPoint kRing[6] = {{240, 216}, {282, 240}, {282, 288}, {240, 312}, {198, 288}, {198, 240}};
const QPoint kRingCentre(240, 264);

class SelectionTest : public MainWindowDriver {
protected:
    void bond(QPoint a, QPoint b)
    {
        button("sbFuncSingle")->click();
        drag(a, b);
    }
    void ringWithFill()
    {
        for (int i = 0; i < 6; ++i)
            bond(kRing[i], kRing[(i + 1) % 6]);
        button("sbFuncNuri")->click();
        click(kRingCentre);
        ASSERT_EQ(figures().size(), 7u);
        ASSERT_EQ(figures().back().kind, fkNuri);
    }
    void rectangleRange(QPoint from, QPoint to)
    {
        button("sbBubun")->click();
        drag(from, to);
    }
    int undoStates() const { return form->drawing().history().newest(); }
    int count(int kind) const
    {
        return int(std::count_if(form->drawing().figures.begin(), form->drawing().figures.end(),
                                 [kind](const TFigure& f) { return f.kind == kind; }));
    }
    std::vector<int> selectedIndices() const
    {
        std::vector<int> out;
        for (std::size_t i = 0; i < form->drawing().figures.size(); ++i)
            if (form->drawing().figures[i].selected)
                out.push_back(int(i));
        return out;
    }
    void setZoom(int zoom)
    {
        form->findChild<TUpDown*>("UpDown2")->setValue(zoom);
        form->UpDown2Click(true);
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        form->FormKeyDown(k, m);
        form->FormKeyUp(k, m);
    }
};

TEST_F(SelectionTest, OverlappingFramesGiveTheClickToTheOlderFigureAndTheBoxIs17ModelPixelsAtAnyZoom)
{
    bond({60, 60}, {120, 60});
    bond({66, 66}, {126, 66});
    const QPoint older = figures()[0].handle, newer = figures()[1].handle;
    ASSERT_LE(std::abs(older.x() - newer.x()), 16);
    button("sbKobetu")->click();
    EXPECT_EQ(form->editMode(), EditMode::Individual);
    EXPECT_TRUE(figures()[0].frameShown && figures()[1].frameShown) << "every frame shows";
    click((older + newer) / 2);
    EXPECT_EQ(selectedIndices(), std::vector<int>{0});
    click((older + newer) / 2);
    EXPECT_TRUE(selectedIndices().empty()) << "a second click takes it back";

    setZoom(200);
    button("sbKobetu")->click();
    // The newer figure alone at its far edge: model pixel handle + 8 spans screen 2h + 16 .. 2h + 17.
    const QPoint edge = newer * 2 + QPoint(17, 0);
    click(edge);
    EXPECT_EQ(selectedIndices(), std::vector<int>{1});
    click(edge + QPoint(1, 0)); // one screen pixel past the 34-pixel box: off every frame
    EXPECT_TRUE(selectedIndices().empty());
}

TEST_F(SelectionTest, ARectangleRangeTakesWholeFiguresAndTextsByTheirCentre)
{
    bond({60, 60}, {120, 60});   // wholly inside the range
    bond({60, 120}, {240, 120}); // half outside
    button("sbFuncMoji")->click();
    click({150, 180}); // a "C" whose glyph reaches past the range's bottom edge
    ASSERT_EQ(figures().size(), 3u);
    ASSERT_GT(figures()[2].extremes[kBottommost].y(), 192);
    rectangleRange({30, 30}, {180, 192});
    EXPECT_EQ(form->editMode(), EditMode::RangeSelected);
    EXPECT_EQ(selectedIndices(), (std::vector<int>{0, 2}));
    EXPECT_FALSE(figures()[1].frameShown) << "only taken figures show frames";
    EXPECT_EQ(form->selRange(), QRect(QPoint(30, 30), QPoint(180, 192)));
}

TEST_F(SelectionTest, ARangeThatTakesNothingLeavesTheRangeToolActiveWithNoRange)
{
    bond({60, 60}, {120, 60});
    rectangleRange({300, 300}, {400, 400});
    EXPECT_EQ(form->editMode(), EditMode::RangeDrawing);
    EXPECT_EQ(form->returnMode(), EditMode::RangeDrawing);
    EXPECT_TRUE(form->selRange().isNull());
    EXPECT_TRUE(selectedIndices().empty());
}

TEST_F(SelectionTest, SelectingOnAnEmptyDrawingKeepsTheDrawingTool)
{
    button("sbFuncDouble")->click();
    button("sbBubun")->click();
    EXPECT_EQ(form->editMode(), EditMode::Double);
    EXPECT_TRUE(button("sbFuncDouble")->isChecked());
    EXPECT_FALSE(form->popupMenu()->findChild<QAction*>("pmKobetu")->isEnabled());
}

TEST_F(SelectionTest, CtrlClickOnAFrameInARangeFlipsThatFigureAndKeepsTheOthers)
{
    bond({60, 60}, {120, 60});
    bond({60, 96}, {120, 96});
    bond({60, 132}, {120, 132});
    rectangleRange({30, 30}, {150, 110});
    ASSERT_EQ(selectedIndices(), (std::vector<int>{0, 1}));
    form->FormKeyDown(Qt::Key_Control, Qt::ControlModifier);
    click(figures()[1].handle, Qt::ControlModifier);
    EXPECT_EQ(selectedIndices(), std::vector<int>{0});
    click(figures()[1].handle, Qt::ControlModifier);
    EXPECT_EQ(selectedIndices(), (std::vector<int>{0, 1}));
    click(figures()[2].handle, Qt::ControlModifier); // a figure outside the range joins
    EXPECT_EQ(selectedIndices(), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(figures()[2].frameShown);
    click(figures()[2].handle, Qt::ControlModifier);
    EXPECT_EQ(selectedIndices(), (std::vector<int>{0, 1}));
    click({400, 400}, Qt::ControlModifier); // outside the range with Ctrl: nothing happens
    EXPECT_EQ(selectedIndices(), (std::vector<int>{0, 1}));
    form->FormKeyUp(Qt::Key_Control, Qt::NoModifier);
    click({400, 400}); // without Ctrl the selection ends
    EXPECT_TRUE(selectedIndices().empty());
    EXPECT_EQ(form->editMode(), EditMode::Single) << "back to the last drawing tool";
}

TEST_F(SelectionTest, ADragMovesBySnappedOffsetWithOneUndoStateAndKeepsTipConnections)
{
    bond({60, 60}, {120, 60});
    bond({60, 204}, {120, 204});
    // Pretend the first bond's end was pulled onto a glyph: its end and free end differ.
    figures()[0].ends[kMainEnd] = {124, 60};
    rectangleRange({30, 30}, {150, 90});
    const int before = undoStates();
    const QImage bitmapBefore = form->drawing().bitmap().copy();
    press({90, 60});
    move({100, 64});
    ASSERT_EQ(form->editMode(), EditMode::Moving);
    EXPECT_EQ(form->dragImageCount(), 1);
    const QImage duringDrag = form->drawing().bitmap().copy();
    EXPECT_NE(duringDrag, bitmapBefore) << "the moved bond is shown by its drag image only";
    move({131, 85});
    move({137, 91});
    EXPECT_EQ(form->drawing().bitmap(), duringDrag) << "no re-render while dragging";
    release({137, 91});
    // Snapped to multiples of 6: (90, 60) -> (138, 90) is (48, 30).
    EXPECT_EQ(figures()[0].ends[kMainStart], QPoint(108, 90));
    EXPECT_EQ(figures()[0].ends[kMainEnd], QPoint(172, 90));
    EXPECT_EQ(figures()[0].freeEnds[kMainEnd], QPoint(168, 90)) << "ends and free ends moved together";
    EXPECT_EQ(figures()[1].ends[kMainStart], QPoint(60, 204)) << "unselected figures stay";
    EXPECT_EQ(undoStates(), before + 1);
    EXPECT_EQ(form->editMode(), EditMode::RangeSelected);
    EXPECT_EQ(form->selRange(), QRect(QPoint(78, 60), QPoint(198, 120))) << "the range follows";
    EXPECT_EQ(form->dragImageCount(), 0);
}

TEST_F(SelectionTest, ACtrlDragDuplicatesAndOneReleasedAtItsStartCreatesNothing)
{
    bond({60, 60}, {120, 60});
    rectangleRange({30, 30}, {150, 90});
    drag({90, 60}, {90, 120}, Qt::ControlModifier);
    ASSERT_EQ(figures().size(), 2u);
    EXPECT_EQ(figures()[0].ends[kMainStart], QPoint(60, 60)) << "the original stays";
    EXPECT_EQ(figures()[1].ends[kMainStart], QPoint(60, 120));
    EXPECT_TRUE(selectedIndices().empty());

    rectangleRange({30, 30}, {150, 90});
    const int before = undoStates();
    press({90, 60}, Qt::LeftButton, Qt::ControlModifier);
    move({90, 90}, Qt::LeftButton, Qt::ControlModifier);
    move({90, 60}, Qt::LeftButton, Qt::ControlModifier);
    release({90, 60}, Qt::ControlModifier);
    EXPECT_EQ(figures().size(), 2u);
    EXPECT_EQ(undoStates(), before);
}

TEST_F(SelectionTest, TenTicksOfRightMoveTenPixelsAndSpaceSwitchesToThePrecisionStep)
{
    bond({60, 60}, {120, 60});
    rectangleRange({30, 30}, {150, 90});
    ASSERT_TRUE(form->drawing().settings.smallMoveOneDot);
    const int before = undoStates();
    form->FormKeyDown(Qt::Key_Right, Qt::NoModifier);
    EXPECT_TRUE(form->keyMoveRunning());
    for (int i = 0; i < 10; ++i)
        form->tmKeyMoveTimer();
    form->FormKeyUp(Qt::Key_Right, Qt::NoModifier);
    EXPECT_FALSE(form->keyMoveRunning());
    EXPECT_EQ(figures()[0].ends[kMainStart], QPoint(70, 60));
    EXPECT_TRUE(figures()[0].fineMoved);
    EXPECT_EQ(undoStates(), before + 1);
    EXPECT_EQ(form->editMode(), EditMode::RangeSelected) << "the range stays selected";

    form->FormKeyDown(Qt::Key_Right, Qt::NoModifier);
    form->tmKeyMoveTimer();
    form->tmKeyMoveTimer();
    form->FormKeyDown(Qt::Key_Space, Qt::NoModifier);
    form->tmKeyMoveTimer(); // 24 / 4 = 6 pixels a tick now
    form->tmKeyMoveTimer();
    form->FormKeyUp(Qt::Key_Space, Qt::NoModifier);
    form->FormKeyUp(Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(figures()[0].ends[kMainStart], QPoint(70 + 2 + 12, 60));
}

TEST_F(SelectionTest, OppositeKeysGoTheWayPressedLastAndATapMovesOneStep)
{
    bond({60, 60}, {120, 60});
    rectangleRange({30, 30}, {150, 90});
    form->FormKeyDown(Qt::Key_Left, Qt::NoModifier);
    form->FormKeyDown(Qt::Key_D, Qt::NoModifier); // the letter is Right
    for (int i = 0; i < 3; ++i)
        form->tmKeyMoveTimer();
    form->FormKeyUp(Qt::Key_D, Qt::NoModifier);
    form->tmKeyMoveTimer(); // Left alone now
    form->FormKeyUp(Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(figures()[0].ends[kMainStart], QPoint(62, 60));

    // Pressed and released before any tick: exactly one step, never a stale offset.
    key(Qt::Key_Down);
    EXPECT_EQ(figures()[0].ends[kMainStart], QPoint(62, 61));
    EXPECT_FALSE(form->keyMoveRunning());
}

TEST_F(SelectionTest, CtrlHeldAtTheLastKeyReleaseDuplicatesAndCtrlReleasedFirstMoves)
{
    bond({60, 60}, {120, 60});
    rectangleRange({30, 30}, {150, 90});
    form->FormKeyDown(Qt::Key_Control, Qt::ControlModifier);
    form->FormKeyDown(Qt::Key_Right, Qt::ControlModifier);
    for (int i = 0; i < 4; ++i)
        form->tmKeyMoveTimer();
    form->FormKeyUp(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(form->keyMoveRunning()) << "Ctrl still held";
    form->FormKeyUp(Qt::Key_Control, Qt::NoModifier);
    ASSERT_EQ(figures().size(), 2u);
    EXPECT_EQ(figures()[0].ends[kMainStart], QPoint(60, 60));
    EXPECT_EQ(figures()[1].ends[kMainStart], QPoint(64, 60));

    rectangleRange({30, 30}, {150, 90}); // takes both
    form->FormKeyDown(Qt::Key_Control, Qt::ControlModifier);
    form->FormKeyDown(Qt::Key_Down, Qt::ControlModifier);
    form->tmKeyMoveTimer();
    form->FormKeyUp(Qt::Key_Control, Qt::NoModifier);
    form->tmKeyMoveTimer();
    form->FormKeyUp(Qt::Key_Down, Qt::NoModifier);
    ASSERT_EQ(figures().size(), 2u) << "a move, not a duplicate";
    EXPECT_EQ(figures()[1].ends[kMainStart], QPoint(64, 62));
}

TEST_F(SelectionTest, DraggingABondOutOfAFilledRingRemovesTheFill)
{
    ringWithFill();
    const QRgb filled = form->drawing().bitmap().pixel(kRingCentre);
    ASSERT_NE(filled, qRgb(255, 255, 255));
    button("sbKobetu")->click();
    const QPoint handle = figures()[1].handle;
    click(handle);
    ASSERT_EQ(selectedIndices(), std::vector<int>{1});
    drag(handle, handle + QPoint(120, 0));
    EXPECT_EQ(count(fkNuri), 0);
    EXPECT_EQ(figures().size(), 6u);
    EXPECT_EQ(form->drawing().bitmap().pixel(0, 0), qRgb(255, 255, 255)) << "nothing runs out to the corner";
    EXPECT_EQ(form->drawing().bitmap().pixel(kRingCentre), qRgb(255, 255, 255));
}

TEST_F(SelectionTest, MovingTheWholeRingTakesItsFillAlong)
{
    ringWithFill();
    // The six bonds picked one by one: the fill is not picked, it comes along.
    button("sbKobetu")->click();
    for (int i = 0; i < 6; ++i)
        click(figures()[std::size_t(i)].handle);
    ASSERT_EQ(selectedIndices().size(), 6u);
    const QPoint grip = figures()[0].handle;
    drag(grip, grip + QPoint(300, 0));
    ASSERT_EQ(count(fkNuri), 1);
    EXPECT_EQ(figures()[6].ends[kMainStart], kRingCentre + QPoint(300, 0));
    const QImage& bitmap = form->drawing().bitmap();
    EXPECT_EQ(bitmap.pixel(kRingCentre), qRgb(255, 255, 255));
    EXPECT_NE(bitmap.pixel(kRingCentre + QPoint(300, 0)), qRgb(255, 255, 255));
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(SelectionTest, TheWheelZoomsInTheCentreAndScrollsInTheTopThird)
{
    form->show();
    QScrollArea* box = form->scrollBox();
    const QSize view = box->viewport()->size();
    ASSERT_GT(view.height(), 30);
    EXPECT_TRUE(form->FormMouseWheel({view.width() / 2, view.height() / 2}, 120));
    EXPECT_EQ(form->zoom(), zoomAfterStep(100, true));
    form->FormMouseWheel({view.width() / 2, view.height() / 2}, -120);
    EXPECT_EQ(form->zoom(), 100);
    box->verticalScrollBar()->setValue(120);
    form->FormMouseWheel({view.width() / 2, 3}, 120);
    EXPECT_EQ(box->verticalScrollBar()->value(), 120 - box->verticalScrollBar()->singleStep());
    EXPECT_FALSE(form->FormMouseWheel({view.width() + 5, 3}, 120)) << "outside the view";
}

TEST_F(SelectionTest, KeysStepThePointerWhileABondIsDraggedAndTheEdgeScrollsTheView)
{
    button("sbFuncSingle")->click();
    press({60, 60});
    form->FormKeyDown(Qt::Key_Right, Qt::NoModifier); // first onto the snapped point
    for (int i = 0; i < 3; ++i)
        form->FormKeyDown(Qt::Key_Right, Qt::NoModifier);
    form->FormKeyDown(Qt::Key_X, Qt::NoModifier); // X is Down
    release({63, 61});
    ASSERT_EQ(figures().size(), 1u);
    EXPECT_EQ(figures()[0].ends[kMainEnd], QPoint(63, 61)) << "one-pixel steps, not snapped";
    EXPECT_TRUE(figures()[0].fineMoved);

    form->show();
    QScrollBar* h = form->scrollBox()->horizontalScrollBar();
    h->setValue(100);
    press({300, 300});
    const int outside = form->scrollBox()->viewport()->width() + 10;
    EXPECT_TRUE(form->autoScrollStep({outside, 40}));
    EXPECT_EQ(h->value(), 100 + form->drawing().settings.autoScrollSpeed);
    release({300, 300});
    EXPECT_FALSE(form->autoScrollStep({outside, 40})) << "only while dragging";
}

TEST_F(SelectionTest, SelectAllFillsEveryFrameAndTheMenuShowsTheMode)
{
    bond({60, 60}, {120, 60});
    bond({60, 120}, {120, 120});
    form->SelectAll1Click();
    EXPECT_EQ(form->editMode(), EditMode::Individual);
    EXPECT_EQ(selectedIndices(), (std::vector<int>{0, 1}));
    QAction* individual = form->popupMenu()->findChild<QAction*>("pmKobetu");
    EXPECT_TRUE(individual->isEnabled());
    // The states are refreshed when the menu is about to show: a right press does that.
    press({500, 500}, Qt::RightButton);
    EXPECT_TRUE(individual->isChecked());
    form->popupMenu()->hide();
}

} // namespace
