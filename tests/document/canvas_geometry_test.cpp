#include "document/canvas_geometry.h"
#include "document/tool_settings.h"
#include "document/window_placement.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(CanvasGeometry, ZoomStepsByFiveBelowAHundredAndTwentyFiveAbove)
{
    EXPECT_EQ(zoomAfterStep(100, true), 125);
    EXPECT_EQ(zoomAfterStep(100, false), 95);
    EXPECT_EQ(zoomAfterStep(95, true), 100);
    EXPECT_EQ(zoomAfterStep(125, false), 100);
    EXPECT_EQ(zoomAfterStep(30, false), 25);
    EXPECT_EQ(zoomAfterStep(25, false), 25);
    EXPECT_EQ(zoomAfterStep(475, true), 500);
    EXPECT_EQ(zoomAfterStep(500, true), 500);
    // Walking all the way down and up visits 25, 30, ..., 95, 100, 125, ..., 500.
    int z = 100, steps = 0;
    while (z != 25 && steps++ < 100)
        z = zoomAfterStep(z, false);
    EXPECT_EQ(steps, 15);
    z = 100, steps = 0;
    while (z != 500 && steps++ < 100)
        z = zoomAfterStep(z, true);
    EXPECT_EQ(steps, 16);
}

TEST(CanvasGeometry, SnappingFollowsGridPrecisionAndZoom)
{
    EXPECT_DOUBLE_EQ(snapStep(24, 100, 4), 6.0);
    EXPECT_DOUBLE_EQ(snapStep(24, 200, 4), 12.0);
    EXPECT_DOUBLE_EQ(snapStep(24, 100, 3), 8.0);
    EXPECT_EQ(snapPoint({13, 21}, 8.0), QPoint(16, 24));
    EXPECT_EQ(snapPoint({14, 4}, 6.0), QPoint(12, 6));
    EXPECT_EQ(snapValue(3, 6.0), 0);
    EXPECT_EQ(snapValue(9, 6.0), 12);  // 1.5 -> 2
    EXPECT_EQ(snapValue(15, 6.0), 12); // 2.5 -> 2
    for (int v = 0; v < 200; ++v) {
        EXPECT_EQ(snapValue(v, 6.0) % 6, 0) << v;
        EXPECT_EQ(snapValue(v, 12.0) % 12, 0) << v;
    }
    // A fractional step (grid 24 at 125 % in 7 parts = 30 / 7) truncates its multiples.
    EXPECT_EQ(snapValue(31, 30.0 / 7), 30);
    EXPECT_DOUBLE_EQ(snapStep(0, 100, 4), 1.0) << "no grid, no snapping";
}

TEST(CanvasGeometry, TheViewStaysCentredWhenItGrows)
{
    EXPECT_EQ(rescrolled(0, 1500, 1875), 0);
    EXPECT_EQ(rescrolled(200, 1500, 1875), 387);
    EXPECT_EQ(rescrolled(387, 1875, 1500), 200);
    EXPECT_EQ(zoomedSize({1500, 1000}, 125), QSize(1875, 1250));
    EXPECT_EQ(zoomedSize({1500, 1000}, 25), QSize(375, 250));
}

TEST(CanvasGeometry, GridLinesSitOnePixelBeforeEachMultiple)
{
    const std::vector<int> lines = gridLines(100, 24, 100);
    EXPECT_EQ(lines, (std::vector<int>{-1, 23, 47, 71, 95}));
    EXPECT_EQ(gridLines(48, 24, 150), (std::vector<int>{-1, 35, 71}));
    EXPECT_TRUE(gridLines(100, 0, 100).empty());
}

TEST(ToolSettings, TheResetTableGivesEachToolItsOwnValues)
{
    ToolSettingsTable table;
    EXPECT_EQ(table.at(fkMoji).shape, 36);
    EXPECT_EQ(table.at(fkMoji).width, 0);
    EXPECT_EQ(table.at(fkDouble).shape, 11);
    EXPECT_EQ(table.at(fkTriple).shape, 7);
    EXPECT_EQ(table.at(fkStereo).width, 0);
    EXPECT_EQ(table.at(fkPai).shape, 6);
    for (int tool : {fkMoji, fkSingle, fkDouble, fkTriple, fkCurve, fkArrow, fkStereo, fkFree, fkPai, fkCircle, fkPicture}) {
        EXPECT_TRUE(table.has(tool)) << tool;
        EXPECT_EQ(table.at(tool).leftStyle, 0);
        EXPECT_EQ(table.at(tool).rightStyle, 1);
        EXPECT_EQ(table.at(tool).penColor, clBlack);
        EXPECT_EQ(table.at(tool).brushColor, clSilver);
    }
    EXPECT_FALSE(table.has(fkNuri));
    ToolSettings changed = table.at(fkSingle);
    changed.width = 9;
    table.store(fkSingle, changed);
    table.store(fkNuri, changed); // has no settings of its own: ignored
    EXPECT_EQ(table.at(fkSingle).width, 9);
    EXPECT_FALSE(table.has(fkNuri));
    table.reset();
    EXPECT_EQ(table.at(fkSingle).width, 3);
}

TEST(WindowPlacement, TheMainWindowFillsTheWorkAreaButIsAtLeast1024Wide)
{
    EXPECT_EQ(mainWindowGeometry({0, 0, 1920, 1080}, {0, 0, 1920, 1040}), QRect(0, 0, 1920, 1040));
    // A task bar on the left: the window is as wide as the work area and centred on the screen.
    EXPECT_EQ(mainWindowGeometry({0, 0, 1920, 1080}, {60, 0, 1860, 1080}), QRect(30, 0, 1860, 1080));
    // A small screen: 1024 wide, never off the left edge.
    EXPECT_EQ(mainWindowGeometry({0, 0, 800, 600}, {0, 0, 800, 570}), QRect(0, 0, 1024, 570));
}
