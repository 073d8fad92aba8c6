#pragma once
// Draws one figure on a canvas: the drawing bitmap (model pixels, lengths as stored) or the screen
// canvas (screen pixels: the caller has converted the figure's points, and lengths such as pen
// widths and bond spacings are scaled by the zoom here). While drawing it can record the outline's
// extent (extremes and margins) into the shared render state, which also keeps the last computed
// second and third bond lines. The figure itself is never changed.

#include "document/environment_settings.h"
#include "document/figure.h"
#include "platform/canvas.h"

#include <QPainterPath>

namespace molvane {

// The four second/third bond line ends the last double or triple bond drawing computed.
struct BondLines {
    QPoint secondStart, secondEnd, thirdStart, thirdEnd;
};

// Shared by all render calls (the main window owns one); overwritten by each call that produces it.
struct RenderState {
    std::array<QPoint, 4> extremes{};
    TMargins margins;
    BondLines bondLines;
    QPoint picturePendingOffset; // the size offset of the last picture drawn
};

struct RenderOptions {
    bool record = false;      // record the outline extent into the render state
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
void recordExtremes(RenderState& state, QPoint start, const QList<QPolygon>& outline);

void renderFigure(const TFigure& f, const RenderTarget& target, RenderState& state,
                  const RenderOptions& options = {});

// The centre-line outline of a line figure (the path its extent is measured on), in the figure's own
// coordinates, with the pen it is drawn with.
struct FigureOutline {
    QPainterPath path;
    CanvasPen pen;
    BondLines bondLines; // a double or triple bond's second and third lines as drawn
};
FigureOutline figureOutline(const TFigure& f, const RenderTarget& target);

} // namespace molvane
