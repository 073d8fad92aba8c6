// The tally of painting work: what lies within the bounds is counted, overdraw included, and a tallying
// canvas paints nothing.

#include "platform/canvas.h"
#include "platform/painting_work.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace molvane;

TEST(PaintingWork, OnlyThePartOfAPathWithinTheBoxCounts)
{
    const QRectF box(0, 0, 20, 10);
    QPainterPath crossing(QPointF(-10, 5));
    crossing.lineTo(30, 5);   // 20 of its 40 inside
    crossing.lineTo(30, 100); // outside
    crossing.moveTo(0, 0);
    crossing.lineTo(20, 10); // the diagonal, whole
    const PathSpan span = spanWithin(crossing, box);
    EXPECT_NEAR(span.length, 20 + std::hypot(20, 10), 1e-9);
    EXPECT_EQ(span.joins, 0) << "(30, 5) joins two lines but lies outside; a subpath's ends join nothing";

    QPainterPath zigzag(QPointF(1, 1));
    for (int i = 0; i < 4; ++i)
        zigzag.lineTo(i % 2 ? 1 : 19, 1 + 2 * (i + 1));
    const PathSpan inside = spanWithin(zigzag, box);
    EXPECT_EQ(inside.joins, 3);
    EXPECT_NEAR(inside.length, 4 * std::hypot(18, 2), 1e-9);
    EXPECT_DOUBLE_EQ(areaWithin(QRectF(-5, 5, 10, 100), box), 5 * 5);
}

TEST(PaintingWork, ATallyingCanvasCountsEachKindOfPaintingAndDrawsNothing)
{
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage before = image.copy();
    Canvas canvas(image);
    PaintingWork work;
    canvas.tallyWorkInto(&work, QRect(0, 0, 100, 100));

    QPolygon backAndForth; // crosses the bounds ten times: every crossing is painted
    for (int i = 0; i <= 10; ++i)
        backAndForth << QPoint(i % 2 ? 99 : 0, 50);
    canvas.polyline(backAndForth);
    EXPECT_NEAR(work.thinLength, 990, 1e-9);
    EXPECT_EQ(work.thinJoins, 9);
    EXPECT_EQ(work.widePixels, 0);

    canvas.setPen({clBlack, 8, PenStyle::Dash});
    canvas.line({0, 10}, {1000, 10}); // 106 of it within reach of the bounds (half the pen and 2 beyond)
    EXPECT_NEAR(work.wideLength, 106, 1e-9);
    EXPECT_NEAR(work.widePixels, 106 * 8, 1e-9);
    EXPECT_NEAR(work.dashPixels, 106, 1e-9) << "a dash as long as the pen is wide";

    canvas.floodFill({5, 5}, clRed);
    canvas.floodFill({-500, -500}, clRed);
    EXPECT_EQ(work.floodPixels, 2 * 100 * 100);

    canvas.textOut({0, 0}, QString(1'000'000, QLatin1Char('x'))); // counted, never laid out
    EXPECT_EQ(work.characters, 1'000'000);
    EXPECT_GT(work.areaPixels, 0);
    EXPECT_LE(work.areaPixels, 100 * 100);

    canvas.tallyWorkInto(nullptr, {});
    EXPECT_EQ(image, before);
}
