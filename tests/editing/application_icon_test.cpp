#include "editing/application_icon.h"

#include <gtest/gtest.h>

using namespace molvane;

// The ring is drawn on an opaque sheet whose rounded corners leave the icon's corners transparent.
TEST(ApplicationIcon, TheRingIsDrawnOnASheetWithTransparentCorners)
{
    for (int size : {48, 256}) {
        const QImage icon = applicationIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0);
        const QRgb centre = icon.pixel(size / 2, size / 2);
        EXPECT_EQ(qAlpha(centre), 255);
        EXPECT_GT(qGray(centre), 240) << "the paper inside the ring";
        int dark = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                dark += qAlpha(icon.pixel(x, y)) == 255 && qGray(icon.pixel(x, y)) < 64;
        EXPECT_GT(dark, size * size / 40) << "the bonds";
    }
    EXPECT_TRUE(applicationIcon(0).isNull());

}
