#pragma once
// The drawing conditions each tool keeps for itself (shape, width, the left- and right-click line
// styles, the pen and brush colours), restored when the tool is chosen, and the values the reset of
// the drawing conditions gives them.

#include "document/figure_kind.h"
#include "platform/tcolor.h"

#include <map>

namespace molvane {

struct ToolSettings {
    int shape = 0;
    int width = 0;
    int leftStyle = 0;  // line style of a left-click on the tool button
    int rightStyle = 1; // line style of a right-click
    bool rightStyleFlag = false;
    TColor penColor = clBlack;
    TColor brushColor = clSilver;
    bool operator==(const ToolSettings&) const = default;
};

// The tools that keep settings: the text, bond, curve, arrow, wedge, free curve, orbital, circle and
// picture tools.
class ToolSettingsTable {
public:
    ToolSettingsTable() { reset(); }
    // Every tool back to its reset values.
    void reset();
    bool has(int tool) const { return settings_.count(tool) != 0; }
    // The tool's settings; a tool without its own gets the defaults.
    const ToolSettings& at(int tool) const;
    // Keeps settings for a tool that has its own; ignored for the others.
    void store(int tool, const ToolSettings& settings);

    static ToolSettings resetValues(int tool);

private:
    std::map<int, ToolSettings> settings_;
    ToolSettings none_;
};

} // namespace molvane
