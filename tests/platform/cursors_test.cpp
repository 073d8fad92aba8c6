#include "platform/cursors.h"

#include <gtest/gtest.h>

using namespace molvane;

TEST(Cursors, EveryNamedCursorIsDrawnWithItsHotSpotOnTheShape)
{
    const QStringList names{"ROTATE", "ROTATE2", "SPOIT", "FLOOD", "ERASER", "RANGE", "RANGE2"};
    QList<QImage> images;
    for (const QString& name : names) {
        const CursorShape shape = drawCursor(name);
        ASSERT_FALSE(shape.image.isNull()) << name.toStdString();
        EXPECT_EQ(shape.image.size(), QSize(kCursorSize, kCursorSize));
        EXPECT_TRUE(shape.image.rect().contains(shape.hotSpot));
        // The hot spot is on (or right next to) a drawn pixel, so clicks land where the cursor points.
        bool nearInk = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p = shape.hotSpot + QPoint(dx, dy);
                nearInk |= shape.image.rect().contains(p) && qAlpha(shape.image.pixel(p)) != 0;
            }
        EXPECT_TRUE(nearInk) << name.toStdString();
        EXPECT_EQ(cursorName(cursorIndex(name)), name);
        images.append(shape.image);
    }
    for (int a = 0; a < images.size(); ++a)
        for (int b = a + 1; b < images.size(); ++b)
            EXPECT_NE(images[a], images[b]) << names[a].toStdString() << " vs " << names[b].toStdString();
}

TEST(Cursors, TheTableNumbersAreFixedAndGapsGiveTheArrow)
{
    EXPECT_EQ(cursorIndex("FLOOD"), 5);
    EXPECT_EQ(cursorIndex("RANGE"), 7);
    EXPECT_EQ(cursorIndex("RANGE2"), 8);
    EXPECT_EQ(cursorIndex("NOPE"), -1);
    EXPECT_TRUE(cursorName(crArrow).isEmpty());
    EXPECT_TRUE(cursorName(1).isEmpty());
    EXPECT_EQ(cursorFor(1).shape(), Qt::ArrowCursor);
    EXPECT_EQ(cursorFor(crArrow).shape(), Qt::ArrowCursor);
    EXPECT_EQ(cursorFor(crFlood).shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursorFor(crFlood).hotSpot(), drawCursor("FLOOD").hotSpot);
}
