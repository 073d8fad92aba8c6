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

// Round caps between pieces and the dash pattern carried on give the pixels Qt paints for the whole
// curve at once, for wide pens of every style.
TEST(PolylinePieces, AWideCurveDrawnInPiecesHasThePixelsOfTheWholeCurve)
{
    const QPainterPath curve = handDrawn(2 * kPolylinePiecePoints + 100);
    ASSERT_EQ(polylinePieces(curve).size(), 3u);
    EXPECT_TRUE(polylinePieces(handDrawn(kPolylinePiecePoints)).empty());
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
