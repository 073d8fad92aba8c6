// Selecting figures on the canvas: the individual mode with every frame shown, the rectangle and free
// ranges, select all, the frames and the range outline on the view, and the selection commands.

#include "document/canvas_geometry.h"
#include "document/geometry.h"
#include "document/main_window/main_window_texts.h"
#include "document/selection_frames.h"
#include "document/main_window/tform1.h"
#include "editing/selection.h"

#include <QAction>
#include <QMenu>

namespace molvane {

namespace {

constexpr int kIndividualButton = kIndividualTag;
constexpr int kRectButton = kRectRangeTag;
constexpr int kFreeButton = kFreeRangeTag; // its mode is the range's, like the rectangle button's

} // namespace

int TForm1::selectedCount() const { return molvane::countSelected(drawing_.figures); }

void TForm1::loadFigureValues(const TFigure& f)
{
    selectToolSettings(EditMode(f.kind));
    ui_.widthUpDown->setValue(f.lineWidth);
    ui_.shapeUpDown->setValue(f.shape);
    style_.currentLineStyle = f.penStyle;
}

void TForm1::updateCanvasHintForTool()
{
    setCanvasHint(isRangeMode(mode_) ? texts::kSelectingHint : texts::kCanvasHint);
}

void TForm1::resetSelection()
{
    clipboard_.hidePasteFrame();
    drawing_.clearSelection();
    tools_.selection().dropMove();
    drawing_.rebuildBitmap();
    popupJustShown_ = false;
    if (continueSelect_ != 0) {
        if (mode_ == EditMode::RangeSelected || mode_ == EditMode::Moving)
            mode_ = returnMode_;
        if (mode_ == EditMode::Individual)
            showAllFrames(drawing_.figures, true);
        view_->update();
        return;
    }
    tools_.selection().clearRange();
    mode_ = returnMode_;
    if (lastToolButton_) {
        lastToolButton_->setChecked(true);
        lastToolButton_->click();
    }
    view_->update();
}

void TForm1::pressSelectionButton(int button)
{
    QToolButton* b = ui_.toolButtons.value(button);
    if (!b)
        return;
    b->setChecked(true);
    toolButtonClicked(button);
}

void TForm1::pmKobetuClick() { pressSelectionButton(kIndividualButton); }
void TForm1::pmHaniRectClick() { pressSelectionButton(kRectButton); }
void TForm1::pmHaniFreeClick() { pressSelectionButton(kFreeButton); }

void TForm1::SelectAll1Click()
{
    pmKobetuClick();
    if (mode_ != EditMode::Individual)
        return; // refused: the drawing is empty
    selectAll(drawing_.figures);
    if (drawing_.figures.size() == 1)
        loadFigureValues(drawing_.figures.front());
    view_->update();
}

void TForm1::selectionPopupStates()
{
    const bool any = !drawing_.figures.empty();
    for (const char* name : {"pmKobetu", "SelectAll1", "pmHaniRect", "pmHaniFree", "ConnectMain", "ConnectCancel", "Information1"})
        if (QAction* a = ui_.popupMenu->findChild<QAction*>(QString::fromLatin1(name)))
            a->setEnabled(any);
    const bool rangeMode = isRangeMode(mode_);
    if (QAction* a = ui_.popupMenu->findChild<QAction*>(QStringLiteral("pmKobetu")))
        a->setChecked(mode_ == EditMode::Individual);
    if (QAction* a = ui_.popupMenu->findChild<QAction*>(QStringLiteral("pmHaniRect")))
        a->setChecked(rangeMode && ui_.toolButtons[kRectButton]->isChecked());
    if (QAction* a = ui_.popupMenu->findChild<QAction*>(QStringLiteral("pmHaniFree")))
        a->setChecked(rangeMode && ui_.toolButtons[kFreeButton]->isChecked());
}

bool TForm1::selectionOverlaysShown() const { return showsFrames(mode_); }

void TForm1::paintSelection(Canvas& canvas, const QRect& exposed)
{
    if (!showsFrames(mode_))
        return;
    const QRect reach = exposed.adjusted(-10, -10, 10, 10);
    for (const TFigure& f : drawing_.figures) {
        if (!f.frameShown)
            continue;
        if (f.kind != fkPicture && !reach.contains(toScreen(f.handle, zoom())))
            continue;
        drawSelectionFrame(canvas, f, zoom());
    }
}

} // namespace molvane
