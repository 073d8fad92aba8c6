#include "document/drag_layer.h"
#include "document/geometry.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

// A selected one-pixel bond along y = 50 from far left of the canvas to x = 150.
FigureList farReachingBond()
{
    TFigure f;
    f.kind = fkSingle;
    f.lineWidth = 1;
    f.ends[kMainStart] = {-5000, 50};
    f.ends[kMainEnd] = {150, 50};
    f.freeEnds = f.ends;
    f.handle = handlePoint(f);
    f.extremes = {f.ends[kMainStart], f.ends[kMainStart], f.ends[kMainEnd], f.ends[kMainEnd]};
    f.selected = true;
    return {f};
}

QImage shownAt(const DragLayer& layer, QPoint offset)
{
    QImage view(200, 100, QImage::Format_RGB32);
    view.fill(Qt::white);
    Canvas canvas(view);
    layer.paint(canvas, 100, offset);
    canvas.flush();
    return view;
}

} // namespace

TEST(DragLayer, HoldsWhatShowsOnTheCanvasAndDrawsAgainWhenAMoveBringsMoreIn)
{
    const FigureList figures = farReachingBond();
    DragLayer layer;
    layer.build(figures, {}, QRect(0, 0, 200, 100));
    EXPECT_LT(layer.viewRect(100, {}).width(), 400) << "not the 5,000 pixels the bond reaches";
    EXPECT_EQ(shownAt(layer, {}).pixel(100, 50), qRgb(0, 0, 0));
    EXPECT_EQ(shownAt(layer, {}).pixel(160, 50), qRgb(255, 255, 255)) << "beyond the bond's end";

    EXPECT_FALSE(layer.follow(figures, {20, 0})) << "within the room around the canvas";
    EXPECT_TRUE(layer.follow(figures, {3000, 0}));
    const QImage far = shownAt(layer, {3000, 0});
    EXPECT_EQ(far.pixel(100, 50), qRgb(0, 0, 0)) << "the part of the bond 2,900 pixels left of the canvas";
    EXPECT_EQ(far.pixel(100, 40), qRgb(255, 255, 255));
    EXPECT_FALSE(layer.follow(figures, {3010, 0}));
    EXPECT_TRUE(layer.follow(figures, {}));
    EXPECT_EQ(shownAt(layer, {}).pixel(150, 50), qRgb(0, 0, 0));
}
