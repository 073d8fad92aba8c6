#pragma once
// Scrolling by itself while something is dragged past a scroll box's edge: one step toward the
// pointer on each axis where it lies outside the visible part.

#include <QPoint>

class QAbstractScrollArea;

namespace molvane {

// pointer in the box's viewport coordinates; true when the view scrolled.
bool scrollTowardPointer(QAbstractScrollArea& box, QPoint pointer, int step);

} // namespace molvane
