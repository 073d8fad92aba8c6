// The picture editor's grid lines: the 罫線 button, its dialog and the lines on the view.

#include "picture_editor/tform_picture_editor.h"

#include "picture_editor/tform_show_masu.h"

namespace molvane {

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

void TFormPictureEditor::paintGrid(Canvas& canvas) const
{
    const PaintViewScale s = scale();
    const QSize view = s.toScreen(picture_.size());
    canvas.setPen({gridColour_, 1, PenStyle::Dot});
    canvas.setPenMode(PenMode::Mask);
    // A spacing of 0 draws no lines in that direction.
    if (gridHeight_ > 0)
        for (int k = 0; k <= picture_.size().height() / gridHeight_; ++k) {
            const int y = s.toScreen(k * gridHeight_) - 1;
            canvas.line({0, y}, {view.width(), y});
        }
    if (gridWidth_ > 0)
        for (int k = 0; k <= picture_.size().width() / gridWidth_; ++k) {
            const int x = s.toScreen(k * gridWidth_) - 1;
            canvas.line({x, 0}, {x, view.height()});
        }
    canvas.setPenMode(PenMode::Copy);
}

} // namespace molvane
