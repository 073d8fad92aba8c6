#include "painting/paint_view_scale.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(PaintViewScale, ToScreenRoundsTiesToEvenAndToCanvasTruncates)
{
    const PaintViewScale z150{150};
    EXPECT_EQ(z150.toScreen(1), 2) << "1.5 goes to the even 2";
    EXPECT_EQ(z150.toScreen(3), 4) << "4.5 goes to the even 4";
    EXPECT_EQ(z150.toScreen(-3), -4);
    EXPECT_EQ(z150.toCanvas(5), 3) << "3.33 is cut to 3";
    EXPECT_EQ(z150.toCanvas(-5), -3) << "toward zero";
    const PaintViewScale z10{10};
    EXPECT_EQ(z10.toScreen(2000), 200);
    EXPECT_EQ(z10.toCanvas(199), 1990);
    const PaintViewScale z800{800};
    EXPECT_EQ(z800.toCanvas(z800.toScreen(1499)), 1499) << "every canvas pixel comes back at 800 %";
}
