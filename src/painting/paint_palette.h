#pragma once
// The picture editor's palette without its widgets: 19 colour cells (the top row fixed: black, opaque
// white, the spoit's colour and the eraser), the selected cell, the cells remembered for the pen tools
// and for the fill, the spoit, the pen style, the R/G/B read-out and the canvas cursor they decide.

#include "platform/tcolor.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace molvane {

// The near-whites found at start-up: the one that stands for visible white, and the one drawn under
// dashed strokes. Pure white (clWhite) is transparent.
struct PaletteWhites {
    TColor opaqueWhite = 0xFEFFFF;
    TColor barrierWhite = 0xFEFEFF;
};

// The colour the display really shows for a colour.
using ColourProbe = std::function<TColor(TColor)>;

// The tool buttons as the palette sees them: the pen group (ペン, 線, 面), the fill (塗り), the range (範囲).
enum class PaletteTool { Pen, Line, Face, Flood, Range, Other };
enum class RangeKind { Rectangle, FreeForm };
enum class CanvasCursor { Arrow, Spoit, Flood, Eraser, Range, Range2 };

inline bool isPenGroup(PaletteTool t)
{
    return t == PaletteTool::Pen || t == PaletteTool::Line || t == PaletteTool::Face;
}

// The caption colour that reads on a cell of colour c: black on light colours, white on dark ones.
TColor captionColourOn(TColor c);

class PaintPalette {
public:
    static constexpr int kCells = 19;
    static constexpr int kSpoitCell = 2;
    static constexpr int kEraserCell = 3;
    static constexpr int kPenStyles = 3;

    PaintPalette(PaletteWhites whites, ColourProbe probe);

    TColor cellColour(int cell) const { return cells_.at(std::size_t(cell)); }
    QString caption(int cell) const;
    TColor captionColour(int cell) const { return captionColourOn(cellColour(cell)); }
    int selectedCell() const { return selected_; }
    int penGroupCell() const { return penGroupCell_; }
    int fillCell() const { return fillCell_; }
    // The colour a new stroke is drawn with: the eraser cell paints transparent white.
    TColor strokeColour() const { return selected_ == kEraserCell ? clWhite : cellColour(selected_); }

    // A click on a cell (any button): selects it and sets the palette-chosen flag.
    void clickCell(int cell);
    bool paletteChosen() const { return paletteChosen_; }
    // Tool buttons, the spoit button and every mouse-down on the canvas clear the flag.
    void clearPaletteChosen() { paletteChosen_ = false; }
    // A tool button was pressed with previous down before: brings back the cell of its group.
    void restoreCellForTool(PaletteTool tool, PaletteTool previous);
    // A stroke was drawn with tool: the selected cell becomes the cell of its group.
    void strokeDrawn(PaletteTool tool);

    // Null when the selected cell's colour may be changed, else the message the window shows (the top
    // row is fixed).
    std::optional<QString> colourChangeRefusal() const;
    // The colour dialog chose chosen for the selected cell (not a top-row cell): a chosen colour that
    // shows as transparent white or as the barrier white becomes the opaque white.
    void changeSelectedColour(TColor chosen);

    // The spoit: pressed with tool down; the colour under the pointer (as shown, not probed) goes into
    // the spoit cell, which becomes selected; ending it gives back the tool to press again.
    void beginSpoit(PaletteTool toolDown);
    bool spoitMode() const { return spoitMode_; }
    void takeSpoitColour(TColor shown);
    PaletteTool endSpoit();

    int penStyle() const { return penStyle_; }
    void selectPenStyle(int style);

    // "R=%d", "G=%d", "B=%d" of the selected cell ("R=255"... until the first update).
    const std::array<QString, 3>& readout() const { return readout_; }

    CanvasCursor cursorFor(PaletteTool toolDown, RangeKind range) const;

private:
    void select(int cell);

    PaletteWhites whites_;
    ColourProbe probe_;
    std::array<TColor, kCells> cells_{};
    int selected_ = 0;
    int penGroupCell_ = 0;
    int fillCell_ = 0;
    bool paletteChosen_ = false;
    bool spoitMode_ = false;
    PaletteTool toolBeforeSpoit_ = PaletteTool::Pen;
    int penStyle_ = 0;
    std::array<QString, 3> readout_{QStringLiteral("R=255"), QStringLiteral("G=255"),
                                    QStringLiteral("B=255")};
};

} // namespace molvane
