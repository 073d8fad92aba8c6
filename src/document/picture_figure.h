#pragma once
// Picture figures: a picture with its top-left corner at ends[3], enlarged by its shape value and
// reduced by its size step. Pure white pixels of the picture are transparent.

#include "document/figure_renderer.h"

#include <QRect>
#include <QSize>

namespace molvane {

// How far the enlarged and reduced picture reaches beyond its unscaled box on each side (negative:
// it falls short). (0, 0) for shape 0 at size step 0.
QPoint pictureSizeOffset(QSize picture, int shape, int sizeStep, const RenderSettings& settings);

struct PictureBox {
    QPoint topLeft;     // left, top
    QPoint bottomRight; // right, bottom: the unscaled box's far corner pushed out by the offset
    bool stretched = false;
    QPoint offset;
};
// In the target's pixels.
PictureBox pictureBox(const TFigure& f, const RenderTarget& target);

// Draws the picture and records its size offset; when recording, its extent is its box (no margins).
// A figure without a picture draws and records nothing.
RenderRecord renderPicture(const TFigure& f, const RenderTarget& target, const RenderOptions& options);

} // namespace molvane
