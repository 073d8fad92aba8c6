#pragma once
// The figures around a fill: after the fill is on the drawing bitmap, eight probes walk out from its
// seed until the colour changes, and every figure whose outline holds one of the boundary pixels
// surrounds the fill. A fill remembers them (as points (index, 0)) so that it goes when they go.

#include "document/figure.h"
#include "document/figure_renderer.h"

#include <QImage>
#include <array>
#include <span>

namespace molvane {

inline constexpr int kBoundaryProbeSteps = 1000; // 100 pixels in tenths

// Walks from `from` in direction `angle` in tenths of a pixel; the first probe whose colour differs from
// `colour`, or `from` itself when none does within the walk.
QPoint probeBoundary(const QImage& bitmap, QPoint from, double angle, TColor colour);

// The boundary pixels in the directions 180, 135, 90, 45, 0, -45, -90 and -135 degrees.
std::array<QPoint, 8> fillBoundary(const QImage& bitmap, QPoint seed);

// Whether the pixel lies in the figure's outline: its path widened by its pen (drawn solid). Texts,
// pictures and fills have no outline that holds a pixel.
bool outlineContains(const TFigure& f, QPoint pixel);
// Whether it holds any of the pixels (the outline is worked out once).
bool outlineContainsAny(const TFigure& f, std::span<const QPoint> pixels);

// The indices (in list order) of the figures of list that surround the fill seeded at seed.
TDataList surroundingFigures(const QImage& bitmap, const FigureList& list, QPoint seed);

// Sets the fill's points from surroundingFigures when any were found; otherwise keeps them.
void updateSurroundings(TFigure& fill, const QImage& bitmap, const FigureList& list);

} // namespace molvane
