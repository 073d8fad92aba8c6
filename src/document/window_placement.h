#pragma once
// Where the main window goes: the whole width of the work area (at least 1024 pixels) and its whole
// height, centred on the screen horizontally and in the work area vertically, never off the top-left.

#include <QRect>

namespace molvane {

inline constexpr int kMinMainWindowWidth = 1024;

QRect mainWindowGeometry(const QRect& screen, const QRect& workArea);

} // namespace molvane
