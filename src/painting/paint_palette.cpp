#include "painting/paint_palette.h"

#include <algorithm>

namespace molvane {

namespace {

// The cells' colours before probing; cell 1 is the opaque white.
constexpr std::array<TColor, PaintPalette::kCells> kInitialColours{
    makeTColor(0, 0, 0),
    0,
    clWhite,
    clWhite,
    makeTColor(255, 0, 0),
    makeTColor(0, 255, 0),
    makeTColor(0, 0, 255),
    makeTColor(255, 255, 0),
    makeTColor(255, 0, 255),
    makeTColor(0, 255, 255),
    makeTColor(128, 0, 0),
    makeTColor(0, 128, 0),
    makeTColor(0, 0, 128),
    makeTColor(128, 128, 128),
    makeTColor(224, 255, 224),
    makeTColor(255, 223, 191),
    makeTColor(241, 210, 180),
    makeTColor(185, 138, 92),
    makeTColor(255, 191, 191),
};

bool isTopRow(int cell)
{
    return cell >= 0 && cell <= PaintPalette::kEraserCell;
}

} // namespace

TColor captionColourOn(TColor c)
{
    const int r = redOf(c), g = greenOf(c), b = blueOf(c);
    const bool light = r + g > 254 || ((r > 190 || g > 190) && b <= 64);
    return light ? clBlack : clWhite;
}

PaintPalette::PaintPalette(PaletteWhites whites, ColourProbe probe)
    : whites_(whites), probe_(std::move(probe))
{
    for (int i = 0; i < kCells; ++i)
        cells_[std::size_t(i)] = probe_(i == 1 ? whites_.opaqueWhite : kInitialColours[std::size_t(i)]);
}

QString PaintPalette::caption(int cell) const
{
    if (cell == kSpoitCell)
        return QStringLiteral("ｽﾎﾟ");
    if (cell == kEraserCell)
        return QStringLiteral("消");
    return {};
}

void PaintPalette::select(int cell)
{
    selected_ = std::clamp(cell, 0, kCells - 1);
    const TColor c = cellColour(selected_);
    readout_ = {QStringLiteral("R=%1").arg(redOf(c)), QStringLiteral("G=%1").arg(greenOf(c)),
                QStringLiteral("B=%1").arg(blueOf(c))};
}

void PaintPalette::clickCell(int cell)
{
    select(cell);
    paletteChosen_ = true;
}

void PaintPalette::restoreCellForTool(PaletteTool tool, PaletteTool previous)
{
    if (isPenGroup(tool)) {
        if (paletteChosen_)
            penGroupCell_ = selected_;
        if (!isPenGroup(previous))
            select(penGroupCell_);
    } else if (tool == PaletteTool::Flood) {
        if (paletteChosen_)
            fillCell_ = selected_;
        if (isPenGroup(previous))
            select(fillCell_);
    }
}

void PaintPalette::strokeDrawn(PaletteTool tool)
{
    if (isPenGroup(tool))
        penGroupCell_ = selected_;
    else if (tool == PaletteTool::Flood)
        fillCell_ = selected_;
}

std::optional<QString> PaintPalette::colourChangeRefusal() const
{
    if (isTopRow(selected_))
        return QStringLiteral("パレット最上段にある色の変更はできません。");
    return std::nullopt;
}

void PaintPalette::changeSelectedColour(TColor chosen)
{
    if (isTopRow(selected_))
        return;
    TColor shown = probe_(chosen);
    if (shown == clWhite || shown == whites_.barrierWhite)
        shown = probe_(whites_.opaqueWhite);
    cells_[std::size_t(selected_)] = shown;
    select(selected_);
}

void PaintPalette::beginSpoit(PaletteTool toolDown)
{
    toolBeforeSpoit_ = toolDown;
    paletteChosen_ = false;
    spoitMode_ = true;
}

void PaintPalette::takeSpoitColour(TColor shown)
{
    cells_[kSpoitCell] = shown;
    select(kSpoitCell);
}

PaletteTool PaintPalette::endSpoit()
{
    spoitMode_ = false;
    return toolBeforeSpoit_;
}

void PaintPalette::selectPenStyle(int style)
{
    penStyle_ = std::clamp(style, 0, kPenStyles - 1);
}

CanvasCursor PaintPalette::cursorFor(PaletteTool toolDown, RangeKind range) const
{
    if (spoitMode_)
        return CanvasCursor::Spoit;
    if (selected_ == kEraserCell && isPenGroup(toolDown))
        return CanvasCursor::Eraser;
    if (toolDown == PaletteTool::Flood)
        return CanvasCursor::Flood;
    if (toolDown == PaletteTool::Range)
        return range == RangeKind::Rectangle ? CanvasCursor::Range : CanvasCursor::Range2;
    return CanvasCursor::Arrow;
}

} // namespace molvane
