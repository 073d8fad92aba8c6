// The picture editor's history: the snapshots, undo and redo, the reform of the last stroke and
// clearing everything.

#include "picture_editor/tform_picture_editor.h"

#include "picture_editor/picture_editor_texts.h"

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

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
    if (RangeTool* tool = rangeTool(); tool && !tool->dragging())
        tool->clearRange();
    const PaintMode was = std::exchange(mode_, PaintMode::Restoring);
    {
        // The picture is resized with the state below: the up-downs only show its size.
        const QSignalBlocker quietWidth(controls_.udWidth), quietHeight(controls_.udHeight);
        controls_.udWidth->setValue(state.canvas.width());
        controls_.udHeight->setValue(state.canvas.height());
    }
    picture_.restore(state.canvas, state.basePicture, state.strokes);
    mode_ = was;
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

} // namespace molvane
