#pragma once
// What the picture editor's canvas does with the next press. The drawing modes are the kinds of the
// strokes they make; the others are the states the range, transform and history commands enter. The
// values are the ones the editor's stroke records and its description use.

namespace molvane {

enum class PaintMode : int {
    Transform = 0,  // a transform button is down: the canvas draws nothing
    Rectangle = 11, // 面 with 四角
    Ellipse = 12,   // 面 with 円
    Line = 14,      // 線: straight or curved
    Pen = 17,       // ペン: free hand
    Fill = 23,      // 塗り
    RangeDrawing = 31,
    RangeSelected = 32,
    PictureStroke = 51, // a picture stroke is being made
    SamplePlacing = 55,
    RangeMoving = 64,
    Restoring = 90, // an undo state is being restored
};

// The stroke kinds of the editor (the stored kind of each stroke record).
enum PaintStrokeKind : int {
    kStrokeRectangle = 11,
    kStrokeEllipse = 12,
    kStrokeLine = 14,
    kStrokePen = 17,
    kStrokeFill = 23,
    kStrokePicture = 51,
};

constexpr bool isStrokeTool(PaintMode m)
{
    return m == PaintMode::Rectangle || m == PaintMode::Ellipse || m == PaintMode::Line ||
           m == PaintMode::Pen;
}

} // namespace molvane
