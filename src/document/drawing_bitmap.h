#pragma once
// Rebuilding the drawing bitmap (the canvas at 100 %) from the figure list: white, the background
// picture of the figure file at (0, 0), then every figure in list order, so later figures lie on top
// and fills take the colours the figures before them left.

#include "document/figure.h"
#include "document/figure_renderer.h"

#include <QImage>

namespace molvane {

struct RebuildOptions {
    bool includeSelected = true; // render selected figures (with selectedMode)
    PenMode selectedMode = PenMode::Copy;
    // Selected figures being shown as a moving preview are left out unless includeSelected is set.
    bool movingSelection = false;
    // Each canvas pixel as scale x scale pixels of the bitmap (which is that much larger): every length
    // multiplied, fills made at that resolution from the scaled figures.
    int scale = 1;
};

// Returns what the figures rendered recorded, the latest of each part (see RenderRecord::update).
RenderRecord rebuildDrawingBitmap(QImage& bitmap, const FigureList& list, const QImage& background,
                                  const RenderSettings& settings, const RebuildOptions& options = {});

// The most pixels a drawing is rendered with at a scale (the default canvas at 8 times has 96 million).
inline constexpr qint64 kMaxScaledPixels = 100'000'000;

// The drawing of a canvas of that size rendered at scale (1..8): a new bitmap, every figure drawn; null
// when it would have more than kMaxScaledPixels or a side beyond kMaxPictureDimension.
QImage scaledDrawingBitmap(QSize canvas, const FigureList& list, const QImage& background,
                           const RenderSettings& settings, int scale);

} // namespace molvane
