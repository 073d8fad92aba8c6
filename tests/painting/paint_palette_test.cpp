#include "painting/paint_palette.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

const PaletteWhites kWhites{makeTColor(255, 255, 254), makeTColor(255, 254, 254)};

// A display of 16 bits a pixel: the low bits of each channel are lost.
TColor coarseDisplay(TColor c)
{
    return c & 0xF8FCF8;
}

PaintPalette exactPalette()
{
    return PaintPalette(kWhites, [](TColor c) { return c; });
}

} // namespace

TEST(PaintPalette, CaptionColourFollowsTheLightnessRule)
{
    EXPECT_EQ(captionColourOn(makeTColor(255, 255, 0)), clBlack) << "yellow";
    EXPECT_EQ(captionColourOn(makeTColor(0, 0, 128)), clWhite) << "navy";
    EXPECT_EQ(captionColourOn(makeTColor(128, 127, 0)), clBlack) << "R + G = 255";
    EXPECT_EQ(captionColourOn(makeTColor(127, 127, 255)), clWhite) << "R + G = 254";
    EXPECT_EQ(captionColourOn(makeTColor(191, 0, 64)), clBlack);
    EXPECT_EQ(captionColourOn(makeTColor(191, 0, 65)), clWhite);
    EXPECT_EQ(captionColourOn(makeTColor(190, 0, 0)), clWhite);
}

TEST(PaintPalette, TheTopRowCannotBeChangedAndWhitesBecomeOpaque)
{
    PaintPalette p = exactPalette();
    p.clickCell(2);
    const TColor before = p.cellColour(2);
    EXPECT_EQ(p.colourChangeRefusal().value_or(QString()),
              QStringLiteral("パレット最上段にある色の変更はできません。"));
    p.changeSelectedColour(makeTColor(1, 2, 3));
    EXPECT_EQ(p.cellColour(2), before);

    p.clickCell(5);
    EXPECT_FALSE(p.colourChangeRefusal().has_value());
    p.changeSelectedColour(clWhite);
    EXPECT_EQ(p.cellColour(5), kWhites.opaqueWhite);
    p.changeSelectedColour(kWhites.barrierWhite);
    EXPECT_EQ(p.cellColour(5), kWhites.opaqueWhite);
    p.changeSelectedColour(makeTColor(12, 34, 56));
    EXPECT_EQ(p.readout()[0] + p.readout()[1] + p.readout()[2], QStringLiteral("R=12G=34B=56"));

    // A colour the display shows as pure white becomes the opaque white too.
    const TColor almostWhite = makeTColor(254, 255, 255);
    PaintPalette shown(kWhites, [&](TColor c) { return c == almostWhite ? clWhite : c; });
    shown.clickCell(6);
    shown.changeSelectedColour(almostWhite);
    EXPECT_EQ(shown.cellColour(6), kWhites.opaqueWhite);
}

TEST(PaintPalette, ACellClickedBeforeAToolButtonBelongsToItsGroup)
{
    PaintPalette p = exactPalette();
    p.clickCell(4); // red
    p.clearPaletteChosen();
    p.strokeDrawn(PaletteTool::Pen);
    p.clickCell(6); // blue, then 塗り
    p.restoreCellForTool(PaletteTool::Flood, PaletteTool::Pen);
    p.clearPaletteChosen();
    EXPECT_EQ(p.fillCell(), 6);
    EXPECT_EQ(p.selectedCell(), 6);
    p.restoreCellForTool(PaletteTool::Pen, PaletteTool::Flood);
    EXPECT_EQ(p.selectedCell(), 4);
    p.restoreCellForTool(PaletteTool::Line, PaletteTool::Pen);
    EXPECT_EQ(p.selectedCell(), 4) << "within the pen group the cell stays";
}

TEST(PaintPalette, TheSpoitAndTheEraserDecideColourAndCursor)
{
    PaintPalette p(kWhites, coarseDisplay);
    EXPECT_EQ(p.cellColour(17), coarseDisplay(makeTColor(185, 138, 92)))
        << "cells start as the display shows them";
    p.beginSpoit(PaletteTool::Flood);
    EXPECT_EQ(p.cursorFor(PaletteTool::Flood, RangeKind::Rectangle), CanvasCursor::Spoit);
    p.takeSpoitColour(makeTColor(193, 193, 193)); // a grid line's pixel, not probed
    EXPECT_EQ(p.cellColour(2), makeTColor(193, 193, 193));
    EXPECT_EQ(p.selectedCell(), 2);
    EXPECT_EQ(p.endSpoit(), PaletteTool::Flood);

    p.clickCell(3);
    EXPECT_EQ(p.caption(2) + p.caption(3) + p.caption(4), QStringLiteral("ｽﾎﾟ消"));
    EXPECT_EQ(p.strokeColour(), clWhite);
    EXPECT_EQ(p.cursorFor(PaletteTool::Line, RangeKind::Rectangle), CanvasCursor::Eraser);
    EXPECT_EQ(p.cursorFor(PaletteTool::Flood, RangeKind::Rectangle), CanvasCursor::Flood);
    EXPECT_EQ(p.cursorFor(PaletteTool::Range, RangeKind::FreeForm), CanvasCursor::Range2);
    p.clickCell(0);
    EXPECT_EQ(p.cursorFor(PaletteTool::Pen, RangeKind::Rectangle), CanvasCursor::Arrow);
    EXPECT_EQ(p.cursorFor(PaletteTool::Range, RangeKind::Rectangle), CanvasCursor::Range);
    p.selectPenStyle(7);
    EXPECT_EQ(p.penStyle(), 2);
}
