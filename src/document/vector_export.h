#pragma once
// The drawing as a vector picture for documents: SVG or PDF, one unit per canvas pixel (96 per inch).
// Strokes, curves and shapes go out as paths and texts as text (searchable, in their own font), pictures
// and the background as embedded pictures. Flood fills are areas of pixels, not figures: each is worked
// out on a raster twin of the drawing at a finer scale, where it stops at its outline exactly as it does
// on the canvas, and leaves as the simplified outline of the pixels it painted.

#include "document/figure.h"
#include "document/figure_renderer.h"
#include "document/picture_export.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

class QPainter;

namespace molvane {

struct VectorDrawing {
    QSize canvas;
    const FigureList* figures = nullptr;
    QImage background;
    RenderSettings settings;
    QRect area;    // the canvas pixels shown; the whole canvas when null
    QString title; // the document's title, if any
};

enum class VectorFormat { Svg, Pdf };

// The format a file name asks for (.svg or .pdf, in any case); nothing for any other.
std::optional<VectorFormat> vectorFormatOf(const QString& path);

// The finest raster twin a canvas of that size gets (4 times, less for canvases too large for it).
int vectorTraceScale(QSize canvas);

// Paints the drawing's area through a painter whose units are canvas pixels (its origin at the
// area's top-left corner): white, the background, then every figure in list order.
void paintVectorDrawing(QPainter& painter, const VectorDrawing& drawing);

// The whole file. Texts name their stored face first and the family drawn with here second.
QByteArray drawingSvg(const VectorDrawing& drawing);
QByteArray drawingPdf(const VectorDrawing& drawing);

// Writes the file the name's extension asks for, atomically; the failure as writePictureFile() gives it
// ("%1 に書き込めません" and the reason).
PictureWriteResult writeVectorFile(const VectorDrawing& drawing, const QString& path);

} // namespace molvane
