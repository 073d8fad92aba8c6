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

int TForm1::countSelected()
{
    selectedCount_ = molvane::countSelected(drawing_.figures);
    return selectedCount_;
}

void TForm1::clearRange()
{
    selRange_ = {};
    rangeShift_ = {};
    pointBuffer_.clear();
    freeRange_ = false;
}

bool TForm1::insideRange(QPoint screen) const
{
    if (selRange_.isNull())
        return false;
    if (freeRange_)
        return QPolygon(pointBuffer_).containsPoint(screen, Qt::OddEvenFill);
    return selRange_.contains(screen);
}

void TForm1::loadFigureValues(const TFigure& f)
{
    selectToolSettings(EditMode(f.kind));
    widthUpDown_->setValue(f.lineWidth);
    shapeUpDown_->setValue(f.shape);
    currentLineStyle_ = f.penStyle;
}

void TForm1::updateCanvasHintForTool()
{
    setCanvasHint(isRangeMode(mode_) ? texts::kSelectingHint : texts::kCanvasHint);
}

bool TForm1::selectionPress(QPoint at)
{
    switch (mode_) {
    case EditMode::RangeDrawing: rangePress(currentPoint_); return true;
    case EditMode::RangeSelected:
    case EditMode::Individual: break;
    default: return false;
    }
    countSelected();
    pressedFrame_ = frameHit(drawing_.figures, at, zoom());
    pressedInRange_ = false;
    if (pressedFrame_ >= 0) {
        loadFigureValues(drawing_.figures[std::size_t(pressedFrame_)]);
        dragging_ = true;
    } else if (mode_ == EditMode::RangeSelected && insideRange(at)) {
        pressedInRange_ = true;
        dragging_ = true;
    } else if (!(mode_ == EditMode::RangeSelected && duplicateKey_)) {
        const EditMode mode = mode_;
        resetSelection();
        if (mode == EditMode::Individual && continueSelect_ == 1)
            pressSelectionButton(kIndividualButton);
        else if (mode == EditMode::RangeSelected && (continueSelect_ == 2 || continueSelect_ == 3))
            pressSelectionButton(continueSelect_ == 2 ? kRectButton : kFreeButton);
    }
    return true;
}

bool TForm1::selectionRelease(QPoint point, Qt::KeyboardModifiers modifiers)
{
    switch (mode_) {
    case EditMode::RangeDrawing:
        currentPoint_ = freeRange_ ? currentPoint_ : point;
        rangeRelease();
        return true;
    case EditMode::RangeSelected:
    case EditMode::Individual:
        // A release without a move: a click on a frame flips that figure.
        if (pressedFrame_ >= 0 && pressedFrame_ < int(drawing_.figures.size())) {
            toggleSelected(drawing_.figures, pressedFrame_);
            countSelected();
            view_->update();
        }
        break;
    case EditMode::Moving:
        currentPoint_ = point;
        if (selectedCount_ == 0) {
            dragImagesShown_ = false;
            resetSelection();
            if (continueSelect_ != 0)
                pressSelectionButton(continueSelect_ == 1 ? kIndividualButton
                                                          : continueSelect_ == 2 ? kRectButton : kFreeButton);
        } else {
            endMove(currentPoint_ - startPoint_, duplicateKey_ || (modifiers & Qt::ControlModifier));
        }
        break;
    default: return false;
    }
    pressedFrame_ = -1;
    pressedInRange_ = false;
    return true;
}

void TForm1::rangePress(QPoint point)
{
    freeRange_ = toolButtons_[kFreeButton]->isChecked();
    pointBuffer_.clear();
    selRange_ = {};
    dragging_ = true;
    if (freeRange_) {
        pointBuffer_.push_back(point);
        selRange_ = QRect(point, QSize(1, 1));
        return;
    }
    showRangeBand(true);
}

void TForm1::rangeMove(QPoint point)
{
    if (!freeRange_) {
        currentPoint_ = point;
        showRangeBand(true);
        return;
    }
    if (!pointBuffer_.empty() && pointBuffer_.back() == point)
        return;
    const QPoint previous = pointBuffer_.empty() ? point : pointBuffer_.back();
    pointBuffer_.push_back(point);
    selRange_ |= QRect(point, QSize(1, 1));
    currentPoint_ = point;
    view_->update(rangeRect(previous, point).adjusted(-2, -2, 2, 2));
}

void TForm1::rangeRelease()
{
    showRangeBand(false);
    int taken = 0;
    if (freeRange_) {
        // The lasso's bounds take the plain snap; its points stay as drawn.
        const double step = microMoveActive_ ? 1.0 : snapStep(drawing_.settings.masuHaba, zoom(), precision());
        selRange_ = QRect(snapPoint(selRange_.topLeft(), step), snapPoint(selRange_.bottomRight(), step));
        taken = selectByRange(drawing_.figures, QPolygon(pointBuffer_), zoom());
    } else {
        if (currentPoint_ != startPoint_)
            selRange_ = rangeRect(startPoint_, currentPoint_);
        taken = selRange_.isNull() ? 0 : selectByRange(drawing_.figures, selRange_, zoom());
    }
    selectedCount_ = taken;
    if (taken == 0) {
        clearRange();
        mode_ = returnMode_;
    } else {
        mode_ = EditMode::RangeSelected;
        if (taken == 1)
            for (const TFigure& f : drawing_.figures)
                if (f.selected)
                    loadFigureValues(f);
    }
    view_->update();
}

void TForm1::resetSelection()
{
    hidePasteFrame();
    drawing_.clearSelection();
    selectedCount_ = 0;
    moveList_.clear();
    dragLayer_.clear();
    dragImagesShown_ = false;
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
    clearRange();
    mode_ = returnMode_;
    if (lastToolButton_) {
        lastToolButton_->setChecked(true);
        lastToolButton_->click();
    }
    view_->update();
}

void TForm1::pressSelectionButton(int button)
{
    QToolButton* b = toolButtons_.value(button);
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
    countSelected();
    if (drawing_.figures.size() == 1)
        loadFigureValues(drawing_.figures.front());
    view_->update();
}

void TForm1::selectionPopupStates()
{
    const bool any = !drawing_.figures.empty();
    for (const char* name : {"pmKobetu", "SelectAll1", "pmHaniRect", "pmHaniFree", "ConnectMain", "ConnectCancel", "Information1"})
        if (QAction* a = popupMenu_->findChild<QAction*>(QString::fromLatin1(name)))
            a->setEnabled(any);
    const bool rangeMode = isRangeMode(mode_);
    if (QAction* a = popupMenu_->findChild<QAction*>(QStringLiteral("pmKobetu")))
        a->setChecked(mode_ == EditMode::Individual);
    if (QAction* a = popupMenu_->findChild<QAction*>(QStringLiteral("pmHaniRect")))
        a->setChecked(rangeMode && toolButtons_[kRectButton]->isChecked());
    if (QAction* a = popupMenu_->findChild<QAction*>(QStringLiteral("pmHaniFree")))
        a->setChecked(rangeMode && toolButtons_[kFreeButton]->isChecked());
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
    const bool lassoDrawn = mode_ == EditMode::RangeDrawing && freeRange_ && dragging_;
    if ((mode_ != EditMode::RangeSelected && !lassoDrawn) || selRange_.isNull())
        return;
    canvas.setPenMode(PenMode::NotXor);
    canvas.setBrush({clRed, BrushStyle::Clear});
    if (!freeRange_) {
        canvas.setPen({clRed, 1, PenStyle::Dot});
        canvas.rectangle(selRange_.topLeft(), selRange_.bottomRight());
        return;
    }
    // Every second segment of the lasso: it looks dashed.
    canvas.setPen({clRed, 1, PenStyle::Solid});
    const TDynamicPtArray& lasso = pointBuffer_;
    for (qsizetype i = 2; i < lasso.size(); i += 2)
        if (exposed.intersects(rangeRect(lasso[i - 1], lasso[i]).adjusted(-1, -1, 1, 1)))
            canvas.line(lasso[i - 1], lasso[i]);
}

} // namespace molvane
