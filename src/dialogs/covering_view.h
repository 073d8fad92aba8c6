#pragma once
// The size of a view inside a scroll box that covers the whole box as well as its content, so what
// floats over the view beyond the content (a picture dragged past the canvas's edge) still shows.

#include <QSize>

namespace molvane {

// content: the view's own extent; room: the box's viewport without scroll bars; bars: the width of the
// vertical and the height of the horizontal scroll bar. A bar shows only where the content is larger
// than what is left beside the other bar.
QSize viewCoveringBox(QSize content, QSize room, QSize bars);

} // namespace molvane
