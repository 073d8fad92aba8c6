#pragma once
// The program's own icon: a benzene ring (Kekulé form) on a sheet of paper. The ring is drawn by the
// figure renderer, as the tool buttons are, and the same geometry is written as an SVG document for
// the desktop's scalable icon.

#include <QByteArray>
#include <QImage>

namespace molvane {

// size x size pixels, Format_ARGB32_Premultiplied, transparent outside the sheet. Drawn aliased at a
// larger size and made smaller, so the edges are smooth. A null image for size < 1.
QImage applicationIcon(int size);

// The same icon as a complete SVG document (UTF-8).
QByteArray applicationIconSvg();

} // namespace molvane
