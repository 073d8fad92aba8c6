#include "document/main_window/canvas_tool_host.h"

#include "document/main_window/tform1.h"
#include "editing/draw_tool.h"
#include "editing/pick_tool.h"

#include <QScrollBar>

namespace molvane {

CanvasToolHost::CanvasToolHost(TForm1& window)
    : w_(window), select_(std::make_unique<SelectTool>(*this, *this))
{
}

CanvasToolHost::~CanvasToolHost() = default;

CanvasTool* CanvasToolHost::toolForMode()
{
    const EditMode mode = w_.mode_;
    if (isSelecting(mode))
        return select_.get();
    if (tool_ && tool_->serves(mode))
        return tool_.get();
    // The tool being replaced may still be on the stack (a press that ended its mode): it is kept until
    // the next replacement.
    retired_ = std::move(tool_);
    if (isDrawingTool(mode))
        tool_ = std::make_unique<DrawTool>(*this);
    else if (isPicking(mode))
        tool_ = std::make_unique<PickTool>(*this, mode);
    return tool_.get();
}

CanvasTool* CanvasToolHost::activeTool() const
{
    if (isSelecting(w_.mode_))
        return select_.get();
    return tool_ && tool_->serves(w_.mode_) ? tool_.get() : nullptr;
}

void CanvasToolHost::showPaste(const FigureRegion& region)
{
    paste_ = std::make_unique<PasteTool>(*this, *this, region);
}

void CanvasToolHost::showPicture(WaitingPicture picture)
{
    paste_ = std::make_unique<PasteTool>(*this, *this, std::move(picture));
}

bool CanvasToolHost::placingNow() const
{
    return w_.mode_ == EditMode::PastePlacing ||
           ((w_.mode_ == EditMode::PicturePlacing || w_.mode_ == EditMode::SamplePlacing) && pasteShown());
}

bool CanvasToolHost::gestureActive() const
{
    const CanvasTool* tool = activeTool();
    return pasteHeld() || (tool && tool->dragging());
}

Drawing& CanvasToolHost::drawing()
{
    return w_.drawing_;
}
int CanvasToolHost::zoom() const
{
    return w_.zoom();
}
int CanvasToolHost::precision() const
{
    return w_.precision();
}
QPoint CanvasToolHost::snap(QPoint view) const
{
    return w_.snap(view);
}
bool CanvasToolHost::keyboardPointing() const
{
    return w_.keys_.pointing();
}
DrawingConditions CanvasToolHost::conditions() const
{
    return w_.conditions();
}
Canvas& CanvasToolHost::measuringCanvas() const
{
    return w_.view_->canvasForMeasuring();
}
Prompts& CanvasToolHost::prompts()
{
    return w_.prompts_;
}
QRect CanvasToolHost::viewRect() const
{
    return w_.view_->rect();
}
void CanvasToolHost::invalidate(const QRegion& area)
{
    w_.view_->update(area);
}
void CanvasToolHost::repaintNow()
{
    w_.view_->repaint();
}
QString CanvasToolHost::figureName(int kind) const
{
    return w_.toolNameOf(EditMode(kind));
}

void CanvasToolHost::figureDrawn()
{
    w_.mode_ = w_.returnMode_;
    w_.setLastReformPanel(true, true);
    w_.view_->update();
}

void CanvasToolHost::toolFinished()
{
    if (w_.mode_ == EditMode::Information) {
        w_.resetSelection();
        w_.keys_.forgetCtrl();
    } else if (isPicking(w_.mode_)) {
        w_.endPickMode();
    }
}

EditMode CanvasToolHost::editMode() const
{
    return w_.mode_;
}
void CanvasToolHost::setEditMode(EditMode mode)
{
    w_.mode_ = mode;
}
EditMode CanvasToolHost::returnMode() const
{
    return w_.returnMode_;
}
bool CanvasToolHost::freeRangeChosen() const
{
    return w_.ui_.toolButtons[kFreeRangeTag]->isChecked();
}
bool CanvasToolHost::duplicateHeld() const
{
    return w_.keys_.ctrlHeld();
}
void CanvasToolHost::endSelection()
{
    w_.resetSelection();
}
void CanvasToolHost::figureChosen(const TFigure& f)
{
    w_.loadFigureValues(f);
}

void CanvasToolHost::selectAgain(EditMode was)
{
    // The selection button pressed with the right button keeps its mode going.
    const int kept = w_.continueSelect_;
    const int individual = kIndividualTag, rect = kRectRangeTag, free = kFreeRangeTag;
    if (was == EditMode::Individual && kept == 1)
        w_.pressSelectionButton(individual);
    else if (was == EditMode::RangeSelected && (kept == 2 || kept == 3))
        w_.pressSelectionButton(kept == 2 ? rect : free);
    else if (was == EditMode::Moving && kept != 0)
        w_.pressSelectionButton(kept == 1 ? individual : kept == 2 ? rect : free);
}

QRect CanvasToolHost::visibleArea() const
{
    const QScrollArea* box = w_.scrollBox_;
    const QPoint scrolled(box->horizontalScrollBar()->value(), box->verticalScrollBar()->value());
    return QRect(scrolled, box->viewport()->size());
}

void CanvasToolHost::erasePointerMarks()
{
    w_.view_->eraseMarks();
}
void CanvasToolHost::showStatus(const QString& text)
{
    w_.ui_.statusPanel1->setText(text);
}
QString CanvasToolHost::returnToolName() const
{
    return w_.toolNameOf(w_.returnMode_);
}

void CanvasToolHost::placingEnded()
{
    if (w_.pictures_.sampleWaiting()) {
        // A sample let go of before it was placed goes, and 見本 comes up.
        if (w_.mode_ == EditMode::SamplePlacing)
            w_.mode_ = w_.returnMode_;
        w_.pictures_.sampleDropped();
        return;
    }
    const bool picture = w_.mode_ == EditMode::PicturePlacing;
    if (w_.mode_ == EditMode::PastePlacing || picture)
        w_.mode_ = w_.returnMode_;
    if (picture) // the picture's settings give way to the tool's
        w_.selectToolSettings(w_.mode_);
}

void CanvasToolHost::figuresPlaced()
{
    select_->clearRange();
    w_.mode_ = w_.returnMode_;
    w_.keys_.endPointing();
    w_.popupJustShown_ = false;
    w_.updateCanvasHintForTool();
    w_.view_->update();
}

void CanvasToolHost::picturePlaced()
{
    select_->clearRange();
    w_.selectToolSettings(w_.mode_);
    w_.setLastReformPanel(true, true);
    w_.keys_.endPointing();
    w_.popupJustShown_ = false;
    w_.updateCanvasHintForTool();
    w_.view_->update();
}

void CanvasToolHost::samplePlaced(const QRect& place)
{
    w_.pictures_.samplePlaced(place);
    w_.mode_ = w_.returnMode_;
    w_.keys_.endPointing();
    w_.popupJustShown_ = false;
    w_.updateCanvasHintForTool();
    w_.view_->update();
}

void CanvasToolHost::openCanvasMenu(QPoint at)
{
    w_.resetSelection();
    w_.popupStates();
    w_.ui_.popupMenu->popup(w_.view_->mapToGlobal(at));
    w_.popupJustShown_ = true;
}

} // namespace molvane
