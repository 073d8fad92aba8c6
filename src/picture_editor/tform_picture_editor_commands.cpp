// The picture editor's commands: the tool buttons, the palette, the reform of the last stroke, the
// history, clear all, the grid lines and the wheel.

#include "picture_editor/tform_picture_editor.h"

#include "picture_editor/picture_editor_texts.h"
#include "picture_editor/tform_show_masu.h"
#include "platform/cursors.h"
#include "platform/tcolor.h"

#include <QScrollBar>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

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
    default: return PaletteTool::Other;
    }
}

void TFormPictureEditor::toolClicked(PaintMode mode)
{
    commitPendingReform();
    const PaletteTool before = paletteToolOf(mode_);
    if (tool_)
        tool_->cancel();
    mode_ = mode;
    palette_.restoreCellForTool(paletteToolOf(mode), before);
    palette_.clearPaletteChosen();
    showPalette();
}

void TFormPictureEditor::cellPressed(int cell)
{
    palette_.clickCell(cell);
    showPalette();
}

void TFormPictureEditor::penStylePressed(int style)
{
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

void TFormPictureEditor::showPalette()
{
    for (int i = 0; i < kPaletteCells; ++i) {
        ColourCell* cell = controls_.cells[std::size_t(i)];
        cell->setColour(qColour(palette_.cellColour(i)), qColour(palette_.captionColour(i)));
        cell->setSelected(i == palette_.selectedCell());
    }
    for (int i = 0; i < kPenStyles; ++i)
        controls_.penStyles[std::size_t(i)]->setSelected(i == palette_.penStyle());
    controls_.view->setCursor(
        molvane::cursorFor(cursorIndexOf(palette_.cursorFor(paletteToolOf(mode_), RangeKind::Rectangle))));
    const auto& readout = palette_.readout();
    controls_.lbR->setText(readout[0]);
    controls_.lbG->setText(readout[1]);
    controls_.lbB->setText(readout[2]);
}

void TFormPictureEditor::setReformState(bool reformable, bool on)
{
    reformable_ = reformable;
    reformOn_ = on;
    // Light green while the last stroke can be reformed, light red otherwise.
    const QString onColour = QStringLiteral("background: rgb(191, 255, 127);");
    const QString offColour = QStringLiteral("background: rgb(255, 207, 207);");
    controls_.pnLastReform->setStyleSheet(on ? onColour : offColour);
    controls_.edPen->setStyleSheet(on ? onColour : offColour);
    controls_.edLine->setStyleSheet(on && mode_ == PaintMode::Line ? onColour : offColour);
}

void TFormPictureEditor::reformLastStroke()
{
    if (!reformOn_ || picture_.strokes().empty())
        return;
    if (!picture_.reformLastStroke(controls_.udPen->value(), controls_.udLine->value()))
        return;
    reformPending_ = true;
    controls_.view->update();
}

void TFormPictureEditor::commitPendingReform()
{
    if (!std::exchange(reformPending_, false))
        return;
    takeSnapshot();
}

void TFormPictureEditor::strokeFinished(TFigure stroke)
{
    const int kind = stroke.kind;
    picture_.addStroke(std::move(stroke));
    palette_.strokeDrawn(paletteToolOf(mode_));
    takeSnapshot();
    if (kind != kStrokeFill)
        setReformState(true, true);
    showPalette();
    controls_.view->update();
}

void TFormPictureEditor::takeSnapshot()
{
    const QImage base = picture_.basePicture().value_or(QImage());
    history_.take(picture_.size(), picture_.strokes(), base);
    setReformState(false, false);
    updateHistoryButtons();
}

void TFormPictureEditor::updateHistoryButtons()
{
    controls_.sbUndo->setEnabled(history_.canUndo());
    controls_.sbRedo->setEnabled(history_.canRedo());
    controls_.mmUndo->setEnabled(history_.canUndo());
    controls_.mmRedo->setEnabled(history_.canRedo());
}

void TFormPictureEditor::showState(const PaintState& state)
{
    mode_ = PaintMode::Restoring;
    {
        // The picture is resized with the state below: the up-downs only show its size.
        const QSignalBlocker quietWidth(controls_.udWidth), quietHeight(controls_.udHeight);
        controls_.udWidth->setValue(state.canvas.width());
        controls_.udHeight->setValue(state.canvas.height());
    }
    picture_.restore(state.canvas, state.basePicture, state.strokes);
    mode_ = toolMode_;
    applyZoom();
    setReformState(false, false);
    updateHistoryButtons();
    if (state.damaged) {
        prompts_.beep(BeepKind::Information);
        prompts_.message(u(kInternalDataErrorMessage), MessageType::Error, MessageButtons::Ok);
    }
}

void TFormPictureEditor::undoClick()
{
    commitPendingReform();
    PaintState state;
    if (history_.undo(state))
        showState(state);
    updateHistoryButtons();
}

void TFormPictureEditor::redoClick()
{
    PaintState state;
    if (history_.redo(state))
        showState(state);
    updateHistoryButtons();
}

void TFormPictureEditor::sbClearAllClick()
{
    if (picture_.strokes().empty() && !picture_.basePicture())
        return;
    prompts_.beep(BeepKind::Exclamation);
    if (prompts_.message(u(paint_texts::kClearAllQuestion), MessageType::Information,
                         MessageButtons::YesCancel) == Answer::Cancel)
        return;
    picture_.clearAll();
    controls_.view->update();
    takeSnapshot();
}

void TFormPictureEditor::setGridDialog(TFormShowMasu* dialog, int spacing)
{
    gridDialog_ = dialog;
    gridWidth_ = gridHeight_ = std::max(1, spacing);
}

void TFormPictureEditor::gridButtonToggled(bool down)
{
    gridOn_ = false;
    if (down && gridDialog_) {
        gridDialog_->load(gridWidth_, gridHeight_, gridColour_);
        if (gridDialog_->exec() == QDialog::Accepted) {
            gridWidth_ = gridDialog_->gridWidth();
            gridHeight_ = gridDialog_->gridHeight();
            gridColour_ = gridDialog_->colour();
            gridOn_ = true;
        } else {
            const QSignalBlocker quiet(controls_.sbShowMasu);
            controls_.sbShowMasu->setChecked(false);
        }
    }
    controls_.view->update();
}

bool TFormPictureEditor::FormMouseWheel(QPoint pointer, int delta)
{
    const QSize box = controls_.scrollBox->viewport()->size();
    if (!QRect(QPoint(0, 0), box).contains(pointer))
        return false;
    const int w = box.width(), h = box.height();
    const bool left = pointer.x()<w / 3, right = pointer.x()> w - w / 3;
    const bool top = pointer.y()<h / 3, bottom = pointer.y()> h - h / 3;
    const bool down = delta <= 0;
    const auto key = [this](int k) { FormKeyDown(k, Qt::NoModifier); };
    if (!left && !right && !top && !bottom) {
        TUpDown* zoomUpDown = controls_.zoomUpDown;
        zoomUpDown->setValue(zoomUpDown->value() + (down ? -1 : 1) * zoomUpDown->increment());
        return true;
    }
    if ((top || bottom) && !left && !right) {
        key(down ? Qt::Key_Down : Qt::Key_Up);
        return true;
    }
    if ((left || right) && !top && !bottom) {
        key(down ? Qt::Key_Right : Qt::Key_Left);
        return true;
    }
    const QScrollBar* v = controls_.scrollBox->verticalScrollBar();
    const QScrollBar* hb = controls_.scrollBox->horizontalScrollBar();
    const bool atTop = v->value() <= v->minimum(), canDown = v->value() < v->maximum();
    const bool atRight = hb->value() >= hb->maximum();
    const bool up = delta > 0, wheelDown = delta < 0;
    if ((top && left) || (bottom && right)) {
        if (up && !atTop)
            key(Qt::Key_Up), key(Qt::Key_Left);
        else if (wheelDown && canDown && !atRight)
            key(Qt::Key_Down), key(Qt::Key_Right);
    } else if (up && !atTop && !atRight) {
        key(Qt::Key_Up), key(Qt::Key_Right);
    } else if (wheelDown && canDown && !atTop) {
        key(Qt::Key_Down), key(Qt::Key_Left);
    }
    return true;
}

} // namespace molvane
