#include "painting/stroke_tool.h"

#include "painting/paint_mode.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

// Records what the tools ask for; strokes keep only kind, ends and points.
class FakePaint : public PaintEnvironment {
public:
    PaintViewScale scale() const override { return scale_; }
    TFigure makeStroke(int kind, QPoint press, QPoint release, const TDynamicPtArray& points) const override
    {
        TFigure f;
        f.kind = kind;
        f.ends[0] = press;
        f.ends[3] = release;
        f.points = points;
        return f;
    }
    void paintPreview(Canvas&, const QRect&, int, QPoint, QPoint, const TDynamicPtArray&) const override {}
    QRect previewBounds(int, QPoint press, QPoint current) const override
    {
        return QRect(press, current).normalized();
    }
    void strokeFinished(TFigure stroke) override { strokes.push_back(stroke); }
    void invalidate(const QRegion&) override {}

    PaintViewScale scale_{100};
    FigureList strokes;
};

PointerEvent at(int x, int y, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    return {{x, y}, m};
}

} // namespace

TEST(StrokeTool, AClickMakesADotWithThePenAndNothingWithALineOrAShape)
{
    FakePaint env;
    for (int kind : {kStrokeLine, kStrokeRectangle, kStrokeEllipse}) {
        StrokeTool tool(env, kind);
        tool.press(at(20, 20));
        tool.release(at(20, 20));
        EXPECT_FALSE(tool.dragging());
    }
    EXPECT_TRUE(env.strokes.empty());
    StrokeTool pen(env, kStrokePen);
    pen.press(at(20, 20));
    pen.release(at(20, 20));
    ASSERT_EQ(env.strokes.size(), 1u);
    EXPECT_EQ(env.strokes[0].points, TDynamicPtArray{QPoint(20, 20)});
}

TEST(StrokeTool, ShiftMakesLinesStraightAndShapesSquareAndTheStrokeIsStoredInCanvasPixels)
{
    FakePaint env;
    env.scale_ = {300};
    StrokeTool line(env, kStrokeLine);
    line.press(at(30, 30));
    line.move(at(90, 45, Qt::ShiftModifier));
    line.release(at(92, 50, Qt::ShiftModifier));
    ASSERT_EQ(env.strokes.size(), 1u);
    EXPECT_EQ(env.strokes[0].ends[0], QPoint(10, 10));
    EXPECT_EQ(env.strokes[0].ends[3], QPoint(30, 10)) << "horizontal, 92 / 3 cut to 30";

    StrokeTool square(env, kStrokeRectangle);
    square.press(at(300, 300));
    square.release(at(330, 390, Qt::ShiftModifier));
    ASSERT_EQ(env.strokes.size(), 2u);
    EXPECT_EQ(env.strokes[1].ends[3], QPoint(130, 130)) << "a 90-pixel square: 390 / 3";

    StrokeTool pen(env, kStrokePen);
    pen.press(at(0, 0));
    pen.move(at(30, 9, Qt::ShiftModifier)); // locks across
    pen.move(at(60, 60, Qt::ShiftModifier));
    pen.release(at(60, 60, Qt::ShiftModifier));
    ASSERT_EQ(env.strokes.size(), 3u);
    EXPECT_EQ(env.strokes[2].points, (TDynamicPtArray{{0, 0}, {10, 0}, {20, 0}}));
}
