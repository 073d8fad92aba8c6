#include "dialogs/covering_view.h"

#include <algorithm>

namespace molvane {

QSize viewCoveringBox(QSize content, QSize room, QSize bars)
{
    bool across = content.width() > room.width(); // the horizontal bar shows
    bool down = content.height() > room.height(); // the vertical bar shows
    // One bar can take the room that makes the other one necessary.
    if (across && !down)
        down = content.height() > room.height() - bars.height();
    if (down && !across)
        across = content.width() > room.width() - bars.width();
    const int width = room.width() - (down ? bars.width() : 0);
    const int height = room.height() - (across ? bars.height() : 0);
    return {std::max(content.width(), width), std::max(content.height(), height)};
}

} // namespace molvane
