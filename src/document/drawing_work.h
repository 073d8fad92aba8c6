#pragma once
// How long drawing a list of figures takes, forecast without drawing them: the renderer runs on a
// canvas that only tallies the painting it asks for (see painting_work.h), and each kind of painting
// is weighed by what it costs. A drawing whose forecast is long (tens of thousands of canvas-wide
// fills, a curve of millions of points) would keep the window busy for many seconds; it is opened only
// when the user agrees to wait.

#include "document/figure.h"
#include "document/figure_renderer.h"
#include "platform/painting_work.h"

#include <QRect>

namespace molvane {

// Forecasts longer than this ask first.
inline constexpr double kLongDrawingSeconds = 4.0;

// The painting the figures take within bounds (the canvas, in the figures' coordinates), each figure
// drawn as the drawing bitmap draws it.
PaintingWork paintingWorkOf(const FigureList& figures, const QRect& bounds, const RenderSettings& settings);

// The same painting at a scale: lengths and pen widths grow by the scale, areas by its square, and a
// one-pixel pen becomes as wide as the scale.
PaintingWork atScale(const PaintingWork& work, int scale);

// What the drawing becomes: pixels, or the paths and texts of a vector picture (SVG, PDF), where every
// point of a stroke is written out.
enum class DrawingOutput { Raster, Vector };

// Whether drawing the figures on a canvas at a scale takes longer than kLongDrawingSeconds.
bool takesLongToDraw(const FigureList& figures, QSize canvas, const RenderSettings& settings, int scale = 1,
                     DrawingOutput output = DrawingOutput::Raster);

// The seconds that painting takes on a current desktop processor; an estimate that errs long.
double forecastSeconds(const PaintingWork& work, DrawingOutput output = DrawingOutput::Raster);

} // namespace molvane
