// The canvas tools driven headless through a small environment: what a gesture leaves in the drawing
// and its history, and which mode it leaves the window in.

#include "document/canvas_geometry.h"
#include "editing/draw_tool.h"
#include "editing/select_tool.h"
#include "editing/selection.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace molvane {
namespace {

class FakeWindow : public CanvasEnvironment, public SelectionEnvironment {
public:
    FakeWindow() : measure_(QSize(8, 8), QImage::Format_RGB32), measuringCanvas_(measure_)
    {
        drawing_.resetHistory();
    }

    // The canvas side.
    Drawing& drawing() override { return drawing_; }
    int zoom() const override { return zoomValue; }
    int precision() const override { return 4; }
    QPoint snap(QPoint view) const override
    {
        return snapPoint(view, snapStep(drawing_.settings.masuHaba, zoomValue, precision()));
    }
    bool keyboardPointing() const override { return false; }
    DrawingConditions conditions() const override { return drawingConditions; }
    Canvas& measuringCanvas() const override { return measuringCanvas_; }
    Prompts& prompts() override { return prompts_; }
    QRect viewRect() const override { return QRect(QPoint(0, 0), drawing_.bitmap().size() * zoomValue / 100); }
    void invalidate(const QRegion& area) override { invalidated += area; }
    void repaintNow() override {}
    QString figureName(int) const override { return {}; }
    void figureDrawn() override { ++drawn; }
    void toolFinished() override {}

    // The selection side.
    EditMode editMode() const override { return mode; }
    void setEditMode(EditMode m) override { mode = m; }
    EditMode returnMode() const override { return EditMode::Single; }
    bool freeRangeChosen() const override { return false; }
    bool duplicateHeld() const override { return false; }
    void endSelection() override
    {
        drawing_.clearSelection();
        mode = EditMode::Single;
        ++ended;
    }
    void selectAgain(EditMode) override {}
    void figureChosen(const TFigure&) override {}

    int undoDepth()
    {
        int depth = 0;
        while (drawing_.canUndo() && depth < 10) {
            drawing_.undo(prompts_);
            ++depth;
        }
        return depth;
    }

    DrawingConditions drawingConditions;
    EditMode mode = EditMode::Single;
    int zoomValue = 100;
    QRegion invalidated;
    int drawn = 0;
    int ended = 0;

private:
    Drawing drawing_;
    QImage measure_;
    mutable Canvas measuringCanvas_;
    test::ScriptedPrompts prompts_;
};

void drag(CanvasTool& tool, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
{
    tool.press({from, modifiers});
    tool.move({(from + to) / 2, modifiers});
    tool.move({to, modifiers});
    tool.release({to, modifiers});
}

TEST(DrawTool, ABondGestureLeavesOneSnappedBondAndOneUndoStateAtAnyZoom)
{
    for (int zoom : {100, 200}) {
        FakeWindow w;
        w.zoomValue = zoom;
        w.drawingConditions.kind = fkSingle;
        w.drawingConditions.width = 3;
        w.drawingConditions.zoom = zoom;
        DrawTool tool(w);
        tool.press({QPoint(97, 103) * zoom / 100, {}});
        EXPECT_TRUE(tool.dragging());
        EXPECT_FALSE(tool.overlayArea().isEmpty()) << "the rubber band shows while dragging";
        tool.move({QPoint(203, 101) * zoom / 100, {}});
        tool.release({QPoint(203, 101) * zoom / 100, {}});
        ASSERT_EQ(w.drawing().figures.size(), 1u) << zoom;
        const TFigure& bond = w.drawing().figures.front();
        EXPECT_EQ(bond.kind, fkSingle);
        // The grid step is 6 model pixels (24 / precision 4).
        EXPECT_EQ(bond.ends[kMainStart], QPoint(96, 102)) << zoom;
        EXPECT_EQ(bond.ends[kMainEnd], QPoint(204, 102)) << zoom;
        EXPECT_EQ(w.drawing().bitmap().pixel(150, 102), qRgb(0, 0, 0));
        EXPECT_TRUE(tool.overlayArea().isEmpty());
        EXPECT_EQ(w.drawn, 1);
        EXPECT_EQ(w.undoDepth(), 1);
    }
}

TEST(DrawTool, AClickInPlaceACancelledDragOrAnOpenFillLeaveNothing)
{
    FakeWindow w;
    w.drawingConditions.kind = fkDouble;
    DrawTool tool(w);
    drag(tool, {100, 100}, {101, 101}); // snaps back onto the start
    tool.press({{100, 100}, {}});
    tool.move({{300, 100}, {}});
    tool.cancel();
    tool.release({{300, 100}, {}});
    EXPECT_FALSE(tool.dragging());

    w.drawingConditions.kind = fkNuri;
    const QImage before = w.drawing().bitmap();
    tool.press({{400, 400}, {}}); // nothing encloses it: the fill would reach the corner
    EXPECT_TRUE(w.drawing().figures.empty());
    EXPECT_EQ(w.drawing().bitmap(), before);
    EXPECT_EQ(w.drawn, 0);
    EXPECT_FALSE(w.drawing().canUndo());
}

TEST(SelectTool, ARangeTakesTheBondInsideAndADragFromItMovesThatBondAndTheRange)
{
    FakeWindow w;
    w.drawingConditions.kind = fkSingle;
    w.drawingConditions.width = 3;
    DrawTool pen(w);
    drag(pen, {100, 100}, {200, 100});
    drag(pen, {100, 300}, {200, 300});
    w.drawing().resetHistory();

    SelectTool tool(w, w);
    w.mode = EditMode::RangeDrawing;
    drag(tool, {80, 80}, {240, 140});
    EXPECT_EQ(w.mode, EditMode::RangeSelected);
    const QRect range(w.snap({80, 80}), w.snap({240, 140}));
    EXPECT_EQ(tool.range(), range);
    EXPECT_TRUE(w.drawing().figures[0].selected);
    EXPECT_FALSE(w.drawing().figures[1].selected);

    tool.press({{120, 120}, {}});
    tool.move({{140, 160}, {}});
    EXPECT_EQ(w.mode, EditMode::Moving);
    EXPECT_EQ(tool.dragImageCount(), 1);
    tool.release({{140, 160}, {}});
    EXPECT_EQ(w.mode, EditMode::RangeSelected) << "the range stays with the moved figures";
    const QPoint offset = w.snap({140, 160}) - w.snap({120, 120});
    ASSERT_EQ(offset, QPoint(18, 42));
    EXPECT_EQ(tool.range(), range.translated(offset));
    EXPECT_EQ(w.drawing().figures[0].ends[kMainStart], w.snap({100, 100}) + offset);
    EXPECT_EQ(w.drawing().figures[1].ends[kMainStart], w.snap({100, 300})) << "the other bond stays";
    EXPECT_TRUE(tool.moveList().empty());
    EXPECT_EQ(w.undoDepth(), 1);
}

TEST(SelectTool, ARangeAroundNothingOrAPressBesideTheRangeEndsTheSelection)
{
    FakeWindow w;
    SelectTool tool(w, w);
    w.mode = EditMode::RangeDrawing;
    drag(tool, {80, 80}, {240, 140});
    EXPECT_EQ(w.mode, EditMode::Single) << "nothing taken: back to the figure tool";
    EXPECT_TRUE(tool.range().isNull());

    w.drawingConditions.kind = fkSingle;
    DrawTool pen(w);
    drag(pen, {100, 100}, {200, 100});
    w.mode = EditMode::RangeDrawing;
    drag(tool, {80, 80}, {240, 140});
    ASSERT_EQ(w.mode, EditMode::RangeSelected);
    tool.press({{600, 600}, {}});
    EXPECT_EQ(w.ended, 1);
    EXPECT_FALSE(tool.dragging());
}

} // namespace
} // namespace molvane
