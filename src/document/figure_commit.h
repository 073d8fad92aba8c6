#pragma once
// Adding figures to the drawing: a finished figure, or the waiting figures of a paste placed at an
// offset. Each is appended, rendered once on the drawing bitmap, and a fill learns its surroundings.
// lastRecorded is what the renders on that bitmap recorded so far, the latest of each part (see
// RenderRecord::update); every render here adds its record to it, and a figure that records no extent
// or no side lines of its own takes the latest ones from it.

#include "document/figure.h"
#include "document/figure_renderer.h"

#include <QImage>

namespace molvane {

// Appends figure, renders it with extent recording and stores the latest recorded extent in it: its
// own, or for a figure that records none (a fill) the one recorded before it. Returns its index.
int commitFinishedFigure(FigureList& list, QImage& bitmap, TFigure figure, RenderRecord& lastRecorded,
                         const RenderSettings& settings);

// Renders f again with extent recording and stores the latest recorded extremes and margins in it. With
// shapeChanged, a double or triple bond also takes the latest side lines, its own as just drawn unless
// it has no length (they lose any tip connection; the main line keeps its own).
void recordExtentAgain(TFigure& f, QImage& bitmap, RenderRecord& lastRecorded, const RenderSettings& settings,
                       bool shapeChanged);

// Appends placed copies (see placedCopy) of every waiting figure, rendering each in copy mode.
void placeFigures(FigureList& list, QImage& bitmap, const FigureList& waiting, QPoint screenOffset, int zoom,
                  bool fineMoveActive, RenderRecord& lastRecorded, const RenderSettings& settings);

} // namespace molvane
