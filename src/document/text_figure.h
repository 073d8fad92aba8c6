#pragma once
// Characters and short texts: the font a text figure is drawn in and where its lines go. The text box
// is centred on ends[3]; an italic text's box counts 1.25 times the measured width.

#include "document/figure_renderer.h"

#include <QStringList>

namespace molvane {

struct TextLayout {
    CanvasFont font;
    QStringList lines;
    int lineHeight = 0;
    int lineStep = 0;  // line height plus line spacing
    int width = 0;     // the widest line
    int height = 0;    // every line with its spacing, less one spacing
    int boxWidth = 0;  // width, or round(width * 1.25) for italic text
    QPoint origin;     // top-left corner of the first line
};

// The point size of a text figure before any zoom: |shape| scaled by the size step's ratio.
int textPointSize(int shape, int sizeStep, const RenderSettings& settings);

// Measures on the target canvas (its font is changed).
TextLayout layoutText(const TFigure& f, const RenderTarget& target);

// Draws the text; when recording, its extent is the text box's (no margins).
RenderRecord renderText(const TFigure& f, const RenderTarget& target, const RenderOptions& options);

} // namespace molvane
