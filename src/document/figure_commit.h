#pragma once
// Adding figures to the drawing: a finished figure, or the waiting figures of a paste placed at an
// offset. Each is appended, rendered once on the drawing bitmap, and a fill learns its surroundings.

#include "document/figure.h"
#include "document/figure_renderer.h"

#include <QImage>

namespace molvane {

// Appends figure, renders it with extent recording and stores the recorded extent in it (a fill,
// which records nothing, receives what the previous render left). Returns its index.
int commitFinishedFigure(FigureList& list, QImage& bitmap, TFigure figure, RenderState& state,
                         const RenderSettings& settings);

// Renders f again with extent recording and stores its new extremes and margins. With shapeChanged, a
// double or triple bond also takes its side lines as just drawn (they lose any tip connection; the main
// line keeps its own).
void recordExtentAgain(TFigure& f, QImage& bitmap, RenderState& state, const RenderSettings& settings,
                       bool shapeChanged);

// Appends placed copies (see placedCopy) of every waiting figure, rendering each in copy mode.
void placeFigures(FigureList& list, QImage& bitmap, const FigureList& waiting, QPoint screenOffset, int zoom,
                  bool fineMoveActive, RenderState& state, const RenderSettings& settings);

} // namespace molvane
