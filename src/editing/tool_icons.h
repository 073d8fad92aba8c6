#pragma once
// The pictures on the tool buttons. A figure tool's icon is drawn by the figure renderer itself, so
// the button shows exactly what the tool puts on the drawing; the selection and connection tools,
// which make no figure, draw their marks in the red of the selection frames.
// Bonds run from the lower left to the upper right; the stereo wedge widens towards the upper right.

#include <QImage>

namespace molvane {

// The icon of the tool button with this tag (a FigureKind for the figure tools; 31, 32 and 34 for the
// range and individual selections, 41 and 42 for tip connect and disconnect), size x size pixels,
// Format_ARGB32, transparent where nothing is drawn. A null image for any other tag or size < 1.
QImage toolIcon(int tool, int size = 24);

} // namespace molvane
