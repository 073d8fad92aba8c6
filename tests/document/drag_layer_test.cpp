#include "document/drag_layer.h"
#include "document/geometry.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(DragLayer, HoldsWhatShowsOnTheCanvasAndDrawsAgainWhenAMoveBringsMoreIn)
{
    // A selected one-pixel bond along y = 50 from 5,000 pixels left of a 200 x 100 canvas to x = 150.
    TFigure f;
    f.kind = fkSingle;
    f.lineWidth = 1;
    f.ends[kMainStart] = {-5000, 50};
    f.ends[kMainEnd] = {150, 50};
    f.freeEnds = f.ends;
    f.extremes = {f.ends[kMainStart], f.ends[kMainStart], f.ends[kMainEnd], f.ends[kMainEnd]};
    f.selected = true;
    const FigureList figures{f};
    const auto shownAt = [](const DragLayer& layer, QPoint offset, QPoint p) {
        QImage view(200, 100, QImage::Format_RGB32);
        view.fill(Qt::white);
        Canvas canvas(view);
        layer.paint(canvas, 100, offset);
        canvas.flush();
        return view.pixel(p);
    };
    DragLayer layer;
    layer.build(figures, {}, QRect(0, 0, 200, 100));
    EXPECT_LT(layer.viewRect(100, {}).width(), 400) << "not the 5,000 pixels the bond reaches";
    EXPECT_EQ(shownAt(layer, {}, {100, 50}), qRgb(0, 0, 0));
    EXPECT_FALSE(layer.follow(figures, {20, 0})) << "within the room around the canvas";
    EXPECT_TRUE(layer.follow(figures, {3000, 0}));
    EXPECT_EQ(shownAt(layer, {3000, 0}, {100, 50}), qRgb(0, 0, 0)) << "2,900 pixels left of the canvas";
    EXPECT_EQ(shownAt(layer, {3000, 0}, {100, 40}), qRgb(255, 255, 255));
}
