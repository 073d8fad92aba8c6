#pragma once
// The environment settings the main window holds while the program runs: display, grid, cursor marks,
// micro-move, auto-scroll, the size reduction ratios and the partial-picture saving. The values here
// are the start-up values (no settings file); the settings file and the environment dialog change them.

#include "platform/tcolor.h"

#include <QString>

namespace molvane {

// The longest interval between recovery copies, in seconds.
inline constexpr int kMaxRecoveryInterval = 3600;

struct EnvironmentSettings {
    bool mojiBtnColor = false;   // changed character buttons show a red caption
    bool showMasu = true;        // draw the grid
    TColor masuColor = clSilver; // grid colour
    bool showSeidoCursor = true; // precision mark at the cursor tip
    int crossCursorMode = 2;     // 0 off, 1 always, 2 while the rectangle range is active
    bool smallMoveOneDot = true; // arrow keys move one pixel (off: one precision step)
    int autoScrollSpeed = 5;
    int recoveryInterval = 60; // seconds between recovery copies of a modified drawing; 0: none
    double sizeM1 = 0.6;  // text size "-1"
    double sizeM2 = 0.36; // text size "-2"
    double sizeP1 = 0.75; // picture size "-1"
    double sizeP2 = 0.5;  // picture size "-2"
    bool saveWithPic = false; // save a partial picture with a partial figure file
    bool picBmp = false;      // that picture as bmp (off: jpg)
    bool useSaveFolder = false;
    QString saveFolder;
    int masuHaba = 24; // grid spacing in model pixels; never stored
};

// What the figure renderer reads besides the figure: the reduction ratios and the line spacing of
// multi-line text (set in the text-input dialog).
struct RenderSettings {
    double sizeM1 = 0.6;
    double sizeM2 = 0.36;
    double sizeP1 = 0.75;
    double sizeP2 = 0.5;
    int lineSpacing = 0;

    static RenderSettings from(const EnvironmentSettings& e, int lineSpacing)
    {
        return {e.sizeM1, e.sizeM2, e.sizeP1, e.sizeP2, lineSpacing};
    }
};

} // namespace molvane
