// The pen's line kept on a copy of the view while it is dragged must show the pixels of the whole line
// drawn at once: pieces added one mouse move at a time, repainted through small exposed rectangles,
// with solid and dashed wide pens.

#include "painting/pen_trail.h"
#include "painting/stroke_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace molvane;

namespace {

constexpr QSize kView(240, 200);

// A wavy hand-drawn line of 3..6-pixel steps across the view.
TDynamicPtArray wavyLine()
{
    TDynamicPtArray points;
    for (int i = 0; i < 60; ++i)
        points.push_back(QPoint(20 + i * 3 + (i % 3), 100 + int(std::lround(60 * std::sin(i / 6.0)))));
    return points;
}

QImage whiteView()
{
    QImage image(kView, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The whole line drawn at once, as the renderer draws it on an unclipped canvas.
QImage drawnAtOnce(const CanvasPen& pen, const TDynamicPtArray& points)
{
    QImage image = whiteView();
    Canvas canvas(image);
    canvas.setPen(pen);
    QPainterPath dot(points.front());
    dot.lineTo(points.front());
    canvas.drawPath(dot, false);
    QPainterPath line(points.front());
    for (qsizetype i = 1; i < points.size(); ++i)
        line.lineTo(points[i]);
    canvas.drawPath(line, false);
    canvas.flush();
    return image;
}

// The line grown one point at a time, each move repainting only the box of its new piece.
QImage drawnByMoves(const CanvasPen& pen, const TDynamicPtArray& points)
{
    QImage image = whiteView();
    PenTrail trail;
    TDynamicPtArray live;
    const auto white = [](Canvas& under, const QRect& area) { under.fillRect(area, clWhite); };
    const int reach = pen.width / 2 + 3;
    for (qsizetype i = 0; i < points.size(); ++i) {
        live.push_back(points[i]);
        const QPoint from = points[std::max<qsizetype>(i, 1) - 1];
        const QRect exposed =
            QRect(from, points[i]).normalized().adjusted(-reach, -reach, reach, reach) & image.rect();
        Canvas canvas(image);
        const Canvas::NarrowedClip clip(canvas, exposed);
        trail.paint(canvas, exposed, image.rect(), pen, live, white);
        canvas.flush();
    }
    return image;
}

} // namespace

TEST(PenTrail, GrowingALineMoveByMoveGivesThePixelsOfTheWholeLine)
{
    const TDynamicPtArray points = wavyLine();
    for (const PenStyle style : {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot}) {
        for (const int width : {8, 24}) {
            const CanvasPen pen{clRed, width, style};
            const QImage moves = drawnByMoves(pen, points);
            const QImage whole = drawnAtOnce(pen, points);
            int differing = 0;
            for (int y = 0; y < kView.height(); ++y)
                for (int x = 0; x < kView.width(); ++x)
                    differing += moves.pixel(x, y) != whole.pixel(x, y);
            EXPECT_EQ(differing, 0) << "style " << int(style) << ", width " << width;
        }
    }
}

TEST(PenTrail, TheCopyServesOnlyWidePensInsideTheVisibleView)
{
    EXPECT_FALSE(PenTrail::covers(QRect(0, 0, 50, 50), QRect(0, 0, 240, 200), {clBlack, 1, PenStyle::Solid}));
    EXPECT_FALSE(
        PenTrail::covers(QRect(200, 0, 50, 50), QRect(0, 0, 220, 200), {clBlack, 8, PenStyle::Solid}));
    EXPECT_TRUE(PenTrail::covers(QRect(0, 0, 50, 50), QRect(0, 0, 240, 200), {clBlack, 8, PenStyle::Solid}));
}
