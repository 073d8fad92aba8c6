// The picture editor's palette side: the tool buttons and the colour cells they bring back, the
// pen styles, the colour change, the spoit and the canvas cursor.

#include "picture_editor/tform_picture_editor.h"

#include "platform/cursors.h"
#include "platform/tcolor.h"

namespace molvane {

namespace {

QColor qColour(TColor c)
{
    return QColor::fromRgb(toQRgb(c));
}

int cursorIndexOf(CanvasCursor c)
{
    switch (c) {
    case CanvasCursor::Spoit: return crSpoit;
    case CanvasCursor::Flood: return crFlood;
    case CanvasCursor::Eraser: return crEraser;
    case CanvasCursor::Range: return crRange;
    case CanvasCursor::Range2: return crRange2;
    case CanvasCursor::Arrow: break;
    }
    return crArrow;
}

} // namespace

PaletteTool TFormPictureEditor::paletteToolOf(PaintMode mode) const
{
    switch (mode) {
    case PaintMode::Pen: return PaletteTool::Pen;
    case PaintMode::Line: return PaletteTool::Line;
    case PaintMode::Rectangle:
    case PaintMode::Ellipse: return PaletteTool::Face;
    case PaintMode::Fill: return PaletteTool::Flood;
    case PaintMode::RangeDrawing: return PaletteTool::Range;
    default: return PaletteTool::Other;
    }
}

void TFormPictureEditor::endSpoit()
{
    // The tool's mode never left while the spoit was down: only its button comes up.
    if (!palette_.spoitMode())
        return;
    palette_.endSpoit();
    controls_.sbSpoit->setChecked(false);
}

void TFormPictureEditor::toolClicked(PaintMode mode)
{
    // Every other cursor ends the spoit; a sample not placed yet goes with its button.
    endSpoit();
    if (mode_ == PaintMode::SamplePlacing)
        controls_.sbShowMihon->setChecked(false);
    commitPendingReform();
    const PaletteTool before = paletteToolOf(mode_);
    if (tool_)
        tool_->cancel();
    mode_ = mode;
    palette_.restoreCellForTool(paletteToolOf(mode), before);
    palette_.clearPaletteChosen();
    showPalette();
    updateModeLabels();
}

void TFormPictureEditor::cellPressed(int cell)
{
    endSpoit();
    palette_.clickCell(cell);
    showPalette();
}

void TFormPictureEditor::penStylePressed(int style)
{
    endSpoit();
    palette_.selectPenStyle(style);
    showPalette();
}

void TFormPictureEditor::sbPalletClick()
{
    if (const std::optional<QString> refusal = palette_.colourChangeRefusal()) {
        prompts_.beep(BeepKind::Information);
        prompts_.message(*refusal, MessageType::Warning, MessageButtons::Ok);
        return;
    }
    const std::optional<TColor> chosen = prompts_.chooseColor(palette_.cellColour(palette_.selectedCell()));
    if (!chosen)
        return;
    palette_.changeSelectedColour(*chosen);
    showPalette();
}

void TFormPictureEditor::sbSpoitClick()
{
    palette_.clearPaletteChosen();
    palette_.beginSpoit(paletteToolOf(mode_));
    controls_.sbSpoit->setChecked(true);
    showPalette();
}

void TFormPictureEditor::connectPalette()
{
    for (ColourCell* cell : controls_.cells)
        connect(cell, &ColourCell::pressed, this, [this](int n) { cellPressed(n); });
    for (ColourCell* cell : controls_.penStyles)
        connect(cell, &ColourCell::pressed, this, [this](int n) { penStylePressed(n); });
    connect(controls_.sbPallet, &QToolButton::clicked, this, [this] { sbPalletClick(); });
    connect(controls_.sbSpoit, &QToolButton::clicked, this, [this] { sbSpoitClick(); });
}

QCursor TFormPictureEditor::canvasCursor() const
{
    return molvane::cursorFor(cursorIndexOf(
        palette_.cursorFor(paletteToolOf(mode_),
                           controls_.rbFreeRange->isChecked() ? RangeKind::FreeForm : RangeKind::Rectangle)));
}

void TFormPictureEditor::showPalette()
{
    for (int i = 0; i < kPaletteCells; ++i) {
        ColourCell* cell = controls_.cells[std::size_t(i)];
        cell->setColour(qColour(palette_.cellColour(i)), qColour(palette_.captionColour(i)));
        cell->setSelected(i == palette_.selectedCell());
    }
    for (int i = 0; i < kPenStyles; ++i)
        controls_.penStyles[std::size_t(i)]->setSelected(i == palette_.penStyle());
    controls_.view->setCursor(canvasCursor());
    pointerOnBox_ = false;
    const auto& readout = palette_.readout();
    controls_.lbR->setText(readout[0]);
    controls_.lbG->setText(readout[1]);
    controls_.lbB->setText(readout[2]);
}

} // namespace molvane
