#include "platform/tcolor.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(TColor, RedLivesInTheLowByteAndConvertsToQtChannels)
{
    const TColor c = makeTColor(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x563412u);
    const QColor q = toQColor(c);
    EXPECT_EQ(q.red(), 0x12);
    EXPECT_EQ(q.green(), 0x34);
    EXPECT_EQ(q.blue(), 0x56);
    EXPECT_EQ(toQRgb(clRed), 0xFFFF0000u);
    EXPECT_EQ(fromQColor(q), c);
    EXPECT_EQ(fromQRgb(toQRgb(clUnderlayWhite)), clUnderlayWhite);
}

TEST(TColor, TheTopByteIsIgnoredWhenDrawing)
{
    EXPECT_EQ(toQRgb(0xFF0000FFu), toQRgb(clRed));
    EXPECT_EQ(fromQRgb(0x00FFFFFFu), clWhite); // alpha dropped
}
