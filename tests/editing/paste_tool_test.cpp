#include "editing/paste_tool.h"

#include "support/figure_builders.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

// The window as the paste frame sees it: a 400 x 300 view in sight at 100 %, a grid of 24 pixels at
// precision 3 (steps of 8), the mouse pointing.
class FakeCanvas : public CanvasEnvironment, public PlacingEnvironment {
public:
    Drawing& drawing() override { return drawing_; }
    int zoom() const override { return 100; }
    int precision() const override { return 3; }
    QPoint snap(QPoint view) const override { return view; }
    bool keyboardPointing() const override { return false; }
    DrawingConditions conditions() const override { return {}; }
    Canvas& measuringCanvas() const override { return measuring_; }
    Prompts& prompts() override { return prompts_; }
    QRect viewRect() const override { return {0, 0, 1500, 1000}; }
    QRect visibleArea() const override { return {0, 0, 400, 300}; }
    void invalidate(const QRegion&) override {}
    void repaintNow() override {}
    void erasePointerMarks() override {}
    void showStatus(const QString&) override {}
    QString returnToolName() const override { return {}; }
    QString figureName(int) const override { return {}; }
    void figureDrawn() override { ADD_FAILURE() << "nothing is drawn"; }
    void toolFinished() override { ADD_FAILURE() << "placing ends on its own"; }
    void placingEnded() override { ++ended; }
    void figuresPlaced() override { ++placed; }
    void openCanvasMenu(QPoint) override { ADD_FAILURE() << "no right press"; }

    Drawing drawing_;
    ScriptedPrompts prompts_;
    int ended = 0;
    int placed = 0;

private:
    mutable QImage measured_{1, 1, QImage::Format_RGB32};
    mutable Canvas measuring_{measured_};
};

TEST(PasteTool, TheFrameFollowsTheDragOnTheCopiedGridPhaseAndTheReleasePlacesTheFiguresAtItsCorner)
{
    FakeCanvas env;
    env.drawing_.pasteList = {bond({2, 2}, {49, 2})};
    env.drawing_.pasteImage = QImage(60, 20, QImage::Format_RGB32);
    // Copied from (101, 57): three pixels right of and one below the grid of 8.
    PasteTool tool(env, env, {60, 20, 101, 57});
    ASSERT_TRUE(tool.shown());
    EXPECT_EQ(tool.frameRect(), QRect(165, 145, 60, 20))
        << "centred in sight: corner (170, 140) snapped to (168, 144)";

    env.prompts_.expectBeep(BeepKind::Asterisk);
    env.prompts_.expectMessage(QString::fromUtf8("枠をドラッグして，描画位置を決めて下さい。"),
                               MessageType::Warning, MessageButtons::Ok, Answer::Ok);
    tool.press({{10, 10}, Qt::NoModifier});
    EXPECT_FALSE(tool.dragging()) << "a press beside the frame only warns";
    tool.release({{10, 10}, Qt::NoModifier});
    EXPECT_TRUE(env.drawing_.figures.empty());
    EXPECT_TRUE(tool.shown());

    const int before = env.drawing_.history().newest();
    tool.press({{195, 155}, Qt::NoModifier}); // held 27, 11 from the snapped corner
    ASSERT_TRUE(tool.dragging());
    tool.move({{232, 176}, Qt::NoModifier}); // corner (205, 165), snapped to (208, 168)
    EXPECT_EQ(tool.frameRect().topLeft(), QPoint(205, 169));
    tool.move({{235, 179}, Qt::NoModifier});
    EXPECT_EQ(tool.frameRect().topLeft(), QPoint(205, 169)) << "three pixels stay on the same step";
    tool.release({{235, 179}, Qt::NoModifier});

    EXPECT_FALSE(tool.shown());
    EXPECT_FALSE(tool.dragging());
    ASSERT_EQ(env.drawing_.figures.size(), 1u);
    EXPECT_EQ(env.drawing_.figures[0].ends[kMainStart], QPoint(207, 171));
    EXPECT_EQ(env.drawing_.figures[0].ends[kMainEnd], QPoint(254, 171));
    EXPECT_EQ(env.drawing_.history().newest(), before + 1) << "one undo state";
    EXPECT_TRUE(env.drawing_.pasteList.empty());
    EXPECT_EQ(env.ended, 1);
    EXPECT_EQ(env.placed, 1);
}

} // namespace
