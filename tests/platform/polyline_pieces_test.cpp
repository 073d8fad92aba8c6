#include "platform/canvas.h"
#include "platform/polyline_pieces.h"

#include "support/image_test_util.h"

#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

// A free curve as a hand draws it, points a few pixels apart, in a 300 x 200 area.
QPainterPath handDrawn(int points)
{
    QRandomGenerator random(7);
    QPainterPath path(QPointF(150, 100));
    QPoint at(150, 100);
    for (int i = 1; i < points; ++i) {
        at = QPoint(std::clamp(at.x() + random.bounded(-6, 7), 5, 295),
                    std::clamp(at.y() + random.bounded(-6, 7), 5, 195));
        path.lineTo(at);
    }
    return path;
}

} // namespace

TEST(PolylinePieces, OnlyLongOpenPolylinesAreCut)
{
    EXPECT_TRUE(polylinePieces(handDrawn(4096)).empty());
    QPainterPath curve = handDrawn(5000);
    curve.cubicTo(1, 2, 3, 4, 5, 6);
    EXPECT_TRUE(polylinePieces(curve).empty());
    QPainterPath twoParts = handDrawn(5000);
    twoParts.moveTo(10, 10);
    twoParts.lineTo(20, 20);
    EXPECT_TRUE(polylinePieces(twoParts).empty());

    // 10 points in pieces of at most 4: 0-3, 3-6, 6-9, each starting where the one before ends.
    const QPainterPath ten = handDrawn(10);
    const std::vector<QPainterPath> pieces = polylinePieces(ten, 4);
    ASSERT_EQ(pieces.size(), 3u);
    for (int p = 0; p < 3; ++p)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(QPointF(pieces[p].elementAt(i)), QPointF(ten.elementAt(3 * p + i))) << p << " " << i;
    EXPECT_EQ(polylinePieces(handDrawn(11), 4).back().elementCount(), 2);
}

// What Qt paints for the whole curve at once, and what the canvas paints a piece at a time, for the
// wide pens of every style: the round caps between pieces and the dash pattern carried on give the
// same pixels.
TEST(PolylinePieces, AWideCurveDrawnInPiecesHasThePixelsOfTheWholeCurve)
{
    const QPainterPath curve = handDrawn(2 * kPolylinePiecePoints + 100);
    ASSERT_EQ(polylinePieces(curve).size(), 3u);
    for (const PenStyle style :
         {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot, PenStyle::DashDotDot}) {
        for (const int width : {2, 7}) {
            SCOPED_TRACE(testing::Message() << "style " << int(style) << ", width " << width);
            const CanvasPen pen{clBlack, width, style};
            QImage whole = whiteImage(300, 200);
            {
                QPainter p(&whole);
                p.setPen(toQPen(pen));
                p.drawPath(curve);
            }
            QImage pieces = whiteImage(300, 200);
            {
                Canvas canvas(pieces);
                canvas.setPen(pen);
                canvas.drawPath(curve, false);
            }
            EXPECT_EQ(pieces, whole);
        }
    }
}

TEST(PolylinePieces, TheDashPatternGoesOnInPenWidths)
{
    QPen dotted = toQPen({clBlack, 2, PenStyle::Dot});
    const qreal period = dotted.dashPattern()[0] + dotted.dashPattern()[1];
    EXPECT_DOUBLE_EQ(dashOffsetAfter(dotted, 0, 2), 1.0);
    EXPECT_DOUBLE_EQ(dashOffsetAfter(dotted, 0.5, 2 * period), 0.5);
    EXPECT_DOUBLE_EQ(dashOffsetAfter(toQPen({clBlack, 5, PenStyle::Solid}), 0, 1234), 0);
}
