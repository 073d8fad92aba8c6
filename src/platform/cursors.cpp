#include "platform/cursors.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace molvane {

namespace {

struct NamedCursor {
    int index;
    const char* name;
};

constexpr std::array<NamedCursor, 7> kNamedCursors{{
    {crRotate, "ROTATE"},
    {crRotate2, "ROTATE2"},
    {crSpoit, "SPOIT"},
    {crFlood, "FLOOD"},
    {crEraser, "ERASER"},
    {crRange, "RANGE"},
    {crRange2, "RANGE2"},
}};

// Every cursor is drawn twice: a white halo, then the black shape, so it shows on any background.
template <typename Shape>
QImage drawWithHalo(Shape shape)
{
    QImage image(kCursorSize, kCursorSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    shape(p, true);
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    shape(p, false);
    return image;
}

void drawCrossHair(QPainter& p)
{
    p.drawLine(0, 8, 16, 8);
    p.drawLine(8, 0, 8, 16);
}

QImage drawRotate(bool clockwise)
{
    return drawWithHalo([clockwise](QPainter& p, bool halo) {
        // Three quarters of a circle with an arrow head at its open end.
        p.drawArc(QRect(6, 6, 20, 20), clockwise ? 90 * 16 : 0, 270 * 16);
        const QPolygon head = clockwise ? QPolygon({QPoint(16, 1), QPoint(21, 6), QPoint(16, 11)})
                                        : QPolygon({QPoint(31, 11), QPoint(26, 16), QPoint(21, 11)});
        if (!halo)
            p.setBrush(Qt::black);
        p.drawPolygon(head);
        p.setBrush(Qt::NoBrush);
        drawCrossHair(p);
    });
}

QImage drawSpoit()
{
    return drawWithHalo([](QPainter& p, bool halo) {
        // A dropper leaning to the lower left, its tip at (1, 30).
        p.drawLine(1, 30, 10, 21);
        p.drawPolygon(QPolygon({QPoint(8, 19), QPoint(13, 24), QPoint(24, 13), QPoint(19, 8)}));
        if (!halo)
            p.setBrush(Qt::black);
        p.drawEllipse(QRect(21, 3, 8, 8));
        p.setBrush(Qt::NoBrush);
    });
}

QImage drawFlood()
{
    return drawWithHalo([](QPainter& p, bool halo) {
        // A tipped bucket pouring to the left; the paint lands at (2, 28).
        p.drawPolygon(QPolygon({QPoint(10, 12), QPoint(20, 2), QPoint(30, 12), QPoint(20, 22)}));
        p.drawLine(20, 2, 24, 0);
        if (!halo)
            p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({QPoint(10, 12), QPoint(4, 18), QPoint(2, 28), QPoint(6, 18)}));
        p.setBrush(Qt::NoBrush);
    });
}

QImage drawEraser()
{
    return drawWithHalo([](QPainter& p, bool halo) {
        // A block seen at an angle; it rubs with its lower-left corner at (2, 29).
        p.drawPolygon(QPolygon({QPoint(2, 29), QPoint(12, 29), QPoint(29, 12), QPoint(19, 12)}));
        if (!halo)
            p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({QPoint(19, 12), QPoint(29, 12), QPoint(29, 4), QPoint(21, 4)}));
        p.setBrush(Qt::NoBrush);
    });
}

QImage drawRange(bool freeForm)
{
    return drawWithHalo([freeForm](QPainter& p, bool) {
        drawCrossHair(p);
        if (freeForm) {
            QPainterPath loop(QPointF(14, 20));
            loop.cubicTo(QPointF(30, 8), QPointF(34, 30), QPointF(20, 30));
            loop.cubicTo(QPointF(12, 30), QPointF(10, 24), QPointF(14, 20));
            p.drawPath(loop);
        } else {
            p.drawRect(QRect(13, 13, 16, 14));
        }
    });
}

} // namespace

QString cursorName(int index)
{
    for (const NamedCursor& c : kNamedCursors)
        if (c.index == index)
            return QString::fromLatin1(c.name);
    return {};
}

int cursorIndex(const QString& name)
{
    for (const NamedCursor& c : kNamedCursors)
        if (name == QLatin1String(c.name))
            return c.index;
    return -1;
}

CursorShape drawCursor(const QString& name)
{
    switch (cursorIndex(name)) {
    case crRotate: return {drawRotate(true), QPoint(8, 8)};
    case crRotate2: return {drawRotate(false), QPoint(8, 8)};
    case crSpoit: return {drawSpoit(), QPoint(1, 30)};
    case crFlood: return {drawFlood(), QPoint(2, 28)};
    case crEraser: return {drawEraser(), QPoint(2, 29)};
    case crRange: return {drawRange(false), QPoint(8, 8)};
    case crRange2: return {drawRange(true), QPoint(8, 8)};
    default: return {};
    }
}

QCursor cursorFor(int index)
{
    static QHash<int, QCursor> built;
    const auto found = built.constFind(index);
    if (found != built.constEnd())
        return *found;
    const CursorShape shape = drawCursor(cursorName(index));
    const QCursor cursor = shape.image.isNull()
                               ? QCursor(Qt::ArrowCursor)
                               : QCursor(QPixmap::fromImage(shape.image), shape.hotSpot.x(), shape.hotSpot.y());
    built.insert(index, cursor);
    return cursor;
}

} // namespace molvane
