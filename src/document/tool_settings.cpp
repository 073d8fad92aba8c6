#include "document/tool_settings.h"

namespace molvane {

namespace {

constexpr int kTextFontPoints = 36; // the text tool's shape is the canvas font size

struct ResetRow {
    int tool;
    int shape;
    int width;
};

constexpr ResetRow kResetRows[] = {
    {fkMoji, kTextFontPoints, 0}, {fkSingle, 0, 3}, {fkDouble, 11, 3}, {fkTriple, 7, 3},
    {fkCurve, 10, 3},             {fkArrow, 10, 3}, {fkStereo, 10, 0}, {fkFree, 0, 3},
    {fkPai, 6, 3},                {fkCircle, 6, 3}, {fkPicture, 0, 0},
};

} // namespace

ToolSettings ToolSettingsTable::resetValues(int tool)
{
    for (const ResetRow& row : kResetRows)
        if (row.tool == tool)
            return ToolSettings{row.shape, row.width, 0, 1, false, clBlack, clSilver};
    return {};
}

void ToolSettingsTable::reset()
{
    settings_.clear();
    for (const ResetRow& row : kResetRows)
        settings_[row.tool] = resetValues(row.tool);
}

const ToolSettings& ToolSettingsTable::at(int tool) const
{
    const auto it = settings_.find(tool);
    return it == settings_.end() ? none_ : it->second;
}

void ToolSettingsTable::store(int tool, const ToolSettings& settings)
{
    const auto it = settings_.find(tool);
    if (it != settings_.end())
        it->second = settings;
}

} // namespace molvane
