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
    DrawingConditions conditions() const override { return conditions_; }
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
    void picturePlaced() override { ++picturesPlaced; }
    void openCanvasMenu(QPoint) override { ADD_FAILURE() << "no right press"; }
    void samplePlaced(const QRect& place) override { samplePlace = place; }
    QRect samplePlace;

    Drawing drawing_;
    ScriptedPrompts prompts_;
    int ended = 0;
    int placed = 0;
    int picturesPlaced = 0;
    DrawingConditions conditions_;

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

TEST(PasteTool, APictureWaitsAtTheSizeOfItsFigureWithWhiteSeeThroughAndBecomesAPictureFigureWhereDropped)
{
    FakeCanvas env;
    env.conditions_.kind = fkPicture;
    env.conditions_.sizeStep = 1; // "-1": three quarters of the picture
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 40; y < 60; ++y)
        for (int x = 90; x < 110; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    PasteTool tool(env, env, WaitingPicture{picture, QStringLiteral("/p/a.bmp")});
    EXPECT_TRUE(tool.serves(EditMode::PicturePlacing));
    EXPECT_FALSE(tool.serves(EditMode::PastePlacing));
    // 150 x 76: 25 pixels short of the picture on the left and right, 12 on the top and bottom.
    EXPECT_EQ(tool.frameRect(), QRect(128, 112, 150, 76)) << "centred in sight (125, 112), snapped to 8";

    QImage view(400, 300, QImage::Format_RGB32);
    view.fill(Qt::black);
    {
        Canvas canvas(view);
        tool.paintOverlay(canvas, view.rect());
    }
    EXPECT_EQ(view.pixel(200, 150), qRgb(0, 0, 255)) << "the picture's middle";
    EXPECT_EQ(view.pixel(160, 130), qRgb(0, 0, 0)) << "its white lets the view show through";
    int red = 0;
    for (int x = 128; x < 278; ++x)
        red += view.pixel(x, 112) == qRgb(255, 0, 0);
    EXPECT_GT(red, 30) << "a red dotted edge along the top";
    EXPECT_LT(red, 120) << "dotted, not solid";

    const int before = env.drawing_.history().newest();
    tool.press({{130, 120}, Qt::NoModifier});
    tool.move({{146, 128}, Qt::NoModifier});
    tool.release({{146, 128}, Qt::NoModifier});
    ASSERT_EQ(env.drawing_.figures.size(), 1u);
    const TFigure& f = env.drawing_.figures[0];
    EXPECT_EQ(f.kind, fkPicture);
    EXPECT_EQ(f.ends[kMainEnd], QPoint(144 - 25, 120 - 12))
        << "the picture's own corner lies one margin inside the frame's";
    EXPECT_EQ(f.text, QStringLiteral("/p/a.bmp"));
    EXPECT_EQ(f.picture.size(), QSize(200, 100));
    EXPECT_EQ(env.drawing_.bitmap().pixel(144 + 75, 120 + 38), qRgb(0, 0, 255))
        << "drawn reduced into the frame's place";
    EXPECT_EQ(env.drawing_.history().newest(), before + 1) << "one undo state";
    EXPECT_EQ(env.picturesPlaced, 1);
    EXPECT_EQ(env.ended, 0) << "the mode stays until the next press";
}

} // namespace
