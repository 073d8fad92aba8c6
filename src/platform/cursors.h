#pragma once
// The named mouse cursors, drawn by the program itself, and the table every window shares:
// index 0 is the standard arrow, 2..8 the named ones. An index without a cursor gives the arrow.

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace molvane {

enum CursorIndex {
    crArrow = 0,
    crRotate = 2,
    crRotate2 = 3,
    crSpoit = 4,
    crFlood = 5,
    crEraser = 6,
    crRange = 7,
    crRange2 = 8,
};

inline constexpr int kCursorSize = 32;

struct CursorShape {
    QImage image; // kCursorSize square, ARGB32, transparent around the shape; null for the arrow
    QPoint hotSpot;
};

// "ROTATE", "ROTATE2", "SPOIT", "FLOOD", "ERASER", "RANGE", "RANGE2"; empty for the arrow and for
// indexes without a cursor.
QString cursorName(int index);
// -1 for an unknown name.
int cursorIndex(const QString& name);
// The drawn cursor of a name; a null image for an unknown name.
CursorShape drawCursor(const QString& name);

// The cursor to show for a table index (needs a QGuiApplication). Built once per index.
QCursor cursorFor(int index);

} // namespace molvane
