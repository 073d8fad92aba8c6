#include "dialogs/covering_view.h"

#include <gtest/gtest.h>

using molvane::viewCoveringBox;

TEST(CoveringView, CoversTheBoxAndLeavesRoomForTheBarsItNeeds)
{
    const QSize bars(15, 15);
    // Small content: the whole box, no bar.
    EXPECT_EQ(viewCoveringBox({300, 200}, {800, 600}, bars), QSize(800, 600));
    // Wider than the box: the horizontal bar takes its height from the view.
    EXPECT_EQ(viewCoveringBox({1000, 200}, {800, 600}, bars), QSize(1000, 585));
    // Wider, and just taller than what the horizontal bar leaves: both bars.
    EXPECT_EQ(viewCoveringBox({1000, 590}, {800, 600}, bars), QSize(1000, 590));
    // Taller, and just wider than what the vertical bar leaves: both bars, the view the content.
    EXPECT_EQ(viewCoveringBox({790, 900}, {800, 600}, bars), QSize(790, 900));
    // Exactly the box: no bar at all.
    EXPECT_EQ(viewCoveringBox({800, 600}, {800, 600}, bars), QSize(800, 600));
}
