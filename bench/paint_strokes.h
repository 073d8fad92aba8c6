#pragma once
// Reproducible strokes of the picture editor for the benchmarks: pen strokes, straight and curved
// lines, rectangles and ellipses, some dashed or dotted, with a fill every strokes / fills strokes.

#include "document/figure.h"

#include <QSize>
#include <random>

namespace molvane::bench {

TFigure randomPaintStroke(std::mt19937& rng, int index, int strokes, int fills, QSize picture);

} // namespace molvane::bench
