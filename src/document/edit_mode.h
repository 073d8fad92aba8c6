#pragma once
// The main window's editing mode: what the canvas does with the next press. For the figure tools the
// mode is the kind of figure the tool draws (and the tag of its button); the others are the states the
// selection, placing and picking commands enter. The values are the ones the window's description uses.

#include "document/figure_kind.h"

namespace molvane {

enum class EditMode : int {
    Text = fkMoji,
    Single = fkSingle,
    Double = fkDouble,
    Triple = fkTriple,
    Curve = fkCurve,
    Arrow = fkArrow,
    Stereo = fkStereo,
    Free = fkFree,
    Orbital = fkPai,
    Circle = fkCircle,
    Fill = fkNuri,
    RangeDrawing = 31,  // a rectangle or free range being drawn
    RangeSelected = 32, // a range (or figures in it) selected
    Individual = 34,    // every frame shown, a click toggles one
    Connect = 41,       // pick a tip to join to its neighbour
    Disconnect = 42,    // pick a tip to let go of
    PicturePlacing = 51,
    SamplePlacing = 55,
    Information = 61, // pick a figure to tell about
    Moving = 64,      // selected figures follow the pointer or the keys
    PastePlacing = 66,
};

// The tags of the tool buttons that draw no figure (a figure tool's tag is its FigureKind).
enum ToolTag : int {
    kRectRangeTag = 31,
    kFreeRangeTag = 32,
    kIndividualTag = 34,
    kConnectTag = 41,
    kDisconnectTag = 42,
};

// The mode a tool button enters: both range buttons draw a range.
constexpr EditMode modeOfTag(int tag) { return tag == kFreeRangeTag ? EditMode::RangeDrawing : EditMode(tag); }

// The mode of the tool that draws figures of this kind.
constexpr EditMode modeOf(FigureKind kind) { return EditMode(int(kind)); }
// The kind of figure a drawing tool's mode draws (only for drawing tools).
constexpr FigureKind kindOf(EditMode mode) { return FigureKind(int(mode)); }

// A figure tool (the last tool a selection or placing returns to).
constexpr bool isDrawingTool(EditMode m)
{
    const int v = int(m);
    return (v >= fkMoji && v <= fkFree) || (v >= fkPai && v <= fkNuri);
}
// The tools with their own drawing conditions (width, shape, styles, colours).
constexpr bool hasOwnConditions(EditMode m) { return isDrawingTool(m) && m != EditMode::Fill; }
// Tools whose figure is dragged out as an inverting rubber band.
constexpr bool isRubberBandTool(EditMode m)
{
    return (m >= EditMode::Single && m <= EditMode::Stereo) || m == EditMode::Orbital || m == EditMode::Circle;
}
// Rectangle or lasso range, drawn or selected.
constexpr bool isRangeMode(EditMode m) { return m == EditMode::RangeDrawing || m == EditMode::RangeSelected; }
// Figures are selected, or being selected or moved.
constexpr bool isSelecting(EditMode m)
{
    return isRangeMode(m) || m == EditMode::Individual || m == EditMode::Moving;
}
// Selected figures are there for the reform controls and the moves to act on.
constexpr bool actsOnSelection(EditMode m)
{
    return m == EditMode::RangeSelected || m == EditMode::Individual || m == EditMode::Moving;
}
// Something waits in the paste frame.
constexpr bool isPlacing(EditMode m)
{
    return m == EditMode::PicturePlacing || m == EditMode::SamplePlacing || m == EditMode::PastePlacing;
}
// The next press picks a tip or a figure.
constexpr bool isPicking(EditMode m)
{
    return m == EditMode::Connect || m == EditMode::Disconnect || m == EditMode::Information;
}
// The selection frames show on the canvas.
constexpr bool showsFrames(EditMode m)
{
    return isRangeMode(m) || m == EditMode::Individual || m == EditMode::Information;
}
// Selected figures, or the paste frame, step with the direction keys.
constexpr bool stepsWithKeys(EditMode m)
{
    return m == EditMode::RangeSelected || m == EditMode::Moving || isPlacing(m);
}
// The press that closes the canvas's popup menu is taken by these modes as nothing more.
constexpr bool swallowsPopupClick(EditMode m)
{
    return m == EditMode::Text || m == EditMode::Free || m == EditMode::Orbital || m == EditMode::Circle ||
           m == EditMode::Fill || isPicking(m);
}

} // namespace molvane
