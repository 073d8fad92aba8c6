#pragma once
// The areas a drawing's flood fills paint, as outlines in canvas pixels. A fill is an area of pixels,
// not a figure: it is worked out on a raster twin of the drawing at a finer scale, where it stops at its
// outline exactly as it does on the canvas, and the outline of the twin's pixels it painted is traced and
// simplified.
//
// The twin is drawn only where a fill can be: around each fill's seed, with the figures that reach
// that window, a window three times as wide each time the fill runs into its edge. A fill that would need the
// whole canvas sends the work to one twin of the whole canvas, drawn figure by figure.

#include "document/figure.h"
#include "document/figure_renderer.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSize>
#include <optional>
#include <vector>

namespace molvane {

struct TracedFill {
    QPainterPath outline; // canvas pixels
    QColor colour;
    // Painted under every stroke, so strokes keep their own edges where the fill meets them: a fill of
    // the canvas's white, while nothing white was drawn before it that it could have painted over.
    bool beneath = false;
};

struct FillSource {
    QSize canvas;
    const FigureList* figures = nullptr;
    QImage background;
    RenderSettings settings;
};

// One entry for each figure of the list: its traced fill, for the fills that painted anything.
std::vector<std::optional<TracedFill>> traceFills(const FillSource& source, int scale);

} // namespace molvane
