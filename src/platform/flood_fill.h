#pragma once
// Surface flood fill: paints the 4-connected area of pixels that have exactly the seed pixel's colour.
// 4-connectivity means a fill never leaks through a 1-pixel diagonal line. Scanline with an explicit
// stack, so a fill of a whole 2000 x 1500 canvas needs no recursion. Shared by both canvases.

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <cstdint>
#include <vector>

namespace molvane {

// image must be Format_RGB32 or Format_ARGB32; the comparison uses the low 24 bits (the colour).
// Returns the number of pixels painted: 0 when the seed is outside the image or already has the fill
// colour (the area would not change).
// What a fill painted, for a caller that traces it: its runs of pixels, the colour they had and the
// colour they got.
struct PaintedRun {
    int y, left, right; // both ends inclusive
};
struct PaintedArea {
    std::vector<PaintedRun> runs;
    QRgb replaced = 0;
    QRgb colour = 0;
};
// When painted is given, what the fill painted is added to it.
std::int64_t floodFillSurface(QImage& image, QPoint seed, QRgb fillColor, PaintedArea* painted = nullptr);

} // namespace molvane
