#pragma once
// Making figures: the working figure built from the drawing conditions while the mouse drags it out,
// and finishing it into a member of the drawing.

#include "document/figure.h"

#include <QImage>
#include <QString>

namespace molvane {

// The main window's drawing conditions at the moment a figure is made.
struct DrawingConditions {
    int kind = fkSingle;
    int width = 0;     // the width up-down
    int shape = 0;     // the shape up-down
    int sizeStep = 0;  // the size choice: 0, 1 or 2
    int penStyle = 0;  // the current line style
    TColor penColor = clBlack;
    TColor auxColor = clSilver;  // the style dialog's fill colour
    TColor fillColor = clSilver; // the canvas brush colour
    QString fontName;
    QString text;             // the text to draw (text tool) or the picture's file name (pictures)
    bool freeRange = false;   // the free-range flag
    int zoom = 100;           // a fill converts its ends to model pixels with it
};

// The working figure from the conditions and the two mouse points (screen pixels; a fill's ends are
// converted to model pixels at once).
TFigure createFigure(const DrawingConditions& c, QPoint start, QPoint current);

// What the last live drawing and the main window supply when a figure is finished (screen pixels).
struct FinishInputs {
    int zoom = 100;
    QPoint mouseDown;
    QPoint mouseUp;
    // The second and third bond lines computed by the last drawing: start, end of each.
    QPoint secondStart, secondEnd, thirdStart, thirdEnd;
    bool fineMoveActive = false; // a one-pixel keyboard micro-move is in progress and enabled
    TDynamicPtArray draggedPoints; // the free curve as dragged
    QPoint picturePendingOffset;   // pictures: the size offset kept by the last drawing
    QImage picture;                // pictures: the picture being placed
    QString pictureFileName;
    int cursorPrecision = 4;
};

// Steps before rendering: ends converted to model pixels, freeEnds := ends, flags, points, picture,
// handle, precision. The extremes and margins come from rendering the result with extent recording.
TFigure finishFigure(const TFigure& working, const FinishInputs& in);

// A copy of a waiting figure placed with an offset given in screen pixels: connections dropped
// (freeEnds := ends), selection cleared.
TFigure placedCopy(const TFigure& waiting, QPoint screenOffset, int zoom, bool fineMoveActive);

} // namespace molvane
