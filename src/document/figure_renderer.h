#pragma once
// Draws one figure on a canvas: the drawing bitmap (model pixels, lengths as stored) or the screen
// canvas (screen pixels: the caller has converted the figure's points, and lengths such as pen
// widths and bond spacings are scaled by the zoom here). Each call returns what it recorded for that
// figure: the outline's extent (when asked to), a bond's side lines, a picture's size offset. Nothing is
// kept between calls, and the figure itself is never changed.

#include "document/environment_settings.h"
#include "document/figure.h"
#include "platform/canvas.h"

#include <QPainterPath>
#include <array>
#include <optional>

namespace molvane {

// The ends of a double or triple bond's second and third lines; zero where the bond has no such line.
struct BondLines {
    QPoint secondStart, secondEnd, thirdStart, thirdEnd;
};

// Where a figure's outline reaches and how far its strokes go beyond that.
struct FigureExtent {
    std::array<QPoint, 4> extremes{}; // indexed by ExtremeIndex
    TMargins margins;
    bool operator==(const FigureExtent&) const = default;
};

struct SideLine {
    QPoint start, end;
    bool operator==(const SideLine&) const = default;
};

// What one render recorded; a part is empty when that render did not produce it.
struct RenderRecord {
    std::optional<FigureExtent> extent;  // with RenderOptions::record, for figures that have one
    std::optional<SideLine> secondLine;  // double and triple bonds of some length
    std::optional<SideLine> thirdLine;   // triple bonds of some length
    std::optional<QPoint> pictureOffset; // pictures drawn: their size offset

    // Takes every part later recorded and keeps the others, so that over a run of renders each part
    // is the latest one recorded.
    void update(const RenderRecord& later);
    BondLines bondLines() const;
};

struct RenderOptions {
    bool record = false;      // record the outline's extent
    bool outlineOnly = false; // leave out the underlay strokes
    PenMode mode = PenMode::Copy;
    // The free curve or free range being dragged out: these screen points instead of its own. A free
    // curve is drawn through all of them; a free range only adds its newest segment, and only when
    // the count is even (the lasso looks dashed).
    const TDynamicPtArray* dragged = nullptr;
};

struct RenderTarget {
    Canvas& canvas;
    bool screen = false; // the screen canvas: lengths are scaled by zoom
    int zoom = 100;
    RenderSettings settings = {};
};

// mapped(W) for bonds, curves, arrows and free curves: 0..10 as is, 11..20 -> 3W-20, above -> 7W-100.
int mappedPenWidth(int lineWidth);

// Starts the four extremes at start (margins zero) and widens them by every vertex: a vertex left of the
// leftmost becomes the leftmost, else one right of the rightmost the rightmost; likewise for y.
FigureExtent outlineExtent(QPoint start, const QList<QPolygon>& outline);

// How far the strokes reach beyond the extremes: from each extreme (leftmost, topmost, rightmost,
// bottommost) a walk outward (180, 90, 0, -90 degrees) in tenths of a pixel, up to 300 pixels, to the
// first pure white pixel; 0 when none is met. Left and top come out <= 0, right and bottom >= 0.
TMargins probeMargins(const Canvas& canvas, const std::array<QPoint, 4>& extremes);

RenderRecord renderFigure(const TFigure& f, const RenderTarget& target, const RenderOptions& options = {});

// The centre-line outline of a line figure (the path its extent is measured on), in the figure's own
// coordinates, with the pen it is drawn with.
struct FigureOutline {
    QPainterPath path;
    CanvasPen pen;
    BondLines bondLines; // a double or triple bond's second and third lines as drawn
};
FigureOutline figureOutline(const TFigure& f, const RenderTarget& target);

} // namespace molvane
