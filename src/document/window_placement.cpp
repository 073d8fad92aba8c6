#include "document/window_placement.h"

#include <algorithm>

namespace molvane {

QRect mainWindowGeometry(const QRect& screen, const QRect& workArea)
{
    const int width = std::max(kMinMainWindowWidth, workArea.width());
    const int height = workArea.height();
    const int left = std::max(0, (screen.width() - width) / 2);
    const int top = std::max(0, (workArea.height() - height) / 2);
    return {screen.left() + left, workArea.top() + top, width, height};
}

} // namespace molvane
