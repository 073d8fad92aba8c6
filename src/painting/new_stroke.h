#pragma once
// A stroke record as a tool of the picture editor makes it, from what the tool knows at the release:
// the kind, the colour (the palette cell's or the one the operation passes), the pen-style cell, the
// line-width and curvature controls, the press and release points and, for pen strokes and free
// ranges, the points, all in canvas pixels. Its extent is recorded when it is stored.

#include "document/figure.h"

#include <QImage>
#include <QString>

namespace molvane {

struct StrokeInputs {
    int kind = 0;
    TColor colour = clBlack;
    int penStyle = 0;  // 0 solid, 1 dash, 2 dot
    int lineWidth = 1; // udPen: 1..50
    int shape = 0;     // udLine: -50..50
    QPoint press, release;
    TDynamicPtArray points; // the pen's polyline, or the free range's outline
    bool freeForm = false;  // a free range turned into a picture stroke
    QImage picture;         // the picture being placed (picture strokes)
    QString text;           // the imported picture's file name, or empty
};

TFigure makeStroke(const StrokeInputs& in);

} // namespace molvane
