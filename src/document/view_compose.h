#pragma once
// What the canvas view shows under its overlays, composed for one rectangle of view pixels: white, the
// tracing sample, the drawing bitmap stretched by the zoom (white lets the sample show through) and
// the grid ANDed in. Every view pixel shows the bitmap pixel its centre falls on, so parts composed
// separately join without seams.

#include "platform/tcolor.h"

#include <QImage>
#include <QRect>

class QPainter;

namespace molvane {

struct ViewLook {
    int zoom = 100;
    bool grid = false;
    TColor gridColour = 0xC0C0C0;
    int gridSpacing = 24; // model pixels; 0 shows no grid
    const QImage* sample = nullptr; // null: no sample
    QRect samplePlace; // view pixels
};

// The bitmap column (or row) under view pixel v at the zoom: the one its centre falls on.
int bitmapPixelUnder(int v, int zoom);

// Whether the dotted grid line has a dot at view coordinate v along it (anchored to the view, so
// separately painted parts continue the same dots).
inline bool gridDotAt(int v) { return v % 3 == 0; }

// Composes `area` (view pixels) into the top-left of out, which is at least that big (Format_RGB32).
void composeView(QImage& out, const QRect& area, const QImage& bitmap, const ViewLook& look);

// Paints `area` of the view of a new drawing's canvas whose bitmap is not made yet, as composeView would
// compose a white bitmap: white, the sample and the grid, composed a few rows at a time in `strip`
// (memory kept for the next paint).
void paintNewCanvasView(QPainter& p, const QRect& area, QSize canvas, const ViewLook& look, QImage& strip);

} // namespace molvane
