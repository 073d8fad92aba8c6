#pragma once
// What new figures are drawn with besides the reform controls: the font, the colours and the line
// styles the left and right mouse buttons chose their tool with.

#include "platform/canvas.h"
#include "platform/tcolor.h"

namespace molvane {

struct DrawingStyleState {
    CanvasFont font;
    TColor penColor = clBlack;
    TColor brushColor = clSilver;
    TColor fillColor = clSilver; // the style dialog's fill colour
    int leftStyle = 0;
    int rightStyle = 1;
    int currentLineStyle = 0;
    bool rightStyleFlag = false; // the tool was chosen with the right button
};

} // namespace molvane
