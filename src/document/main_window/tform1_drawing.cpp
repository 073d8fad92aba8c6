// Drawing on the canvas: press, drag and release of every figure tool, the rubber band on the view,
// and committing the figure to the drawing.

#include "document/canvas_geometry.h"
#include "document/figure_commit.h"
#include "document/geometry.h"
#include "document/main_window/layout_metrics.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "document/text_figure.h"
#include "editing/draw_tool.h"
#include "editing/pick_tool.h"

#include <QMenu>
#include <QMouseEvent>
#include <utility>

namespace molvane {

namespace {

constexpr const char* kDraggingHint =
    "【描画中・移動中】通常のﾏｳｽﾄﾞﾗｯｸﾞか，または微動操作ができます。（ﾏｳｽﾎﾞﾀﾝを押したままマウスを動かさずに，<←・A>，<→・D>，<↑・W>，<↓・S,Z,X>ｷｰを押す）";

} // namespace

DrawingConditions TForm1::conditions() const
{
    DrawingConditions c;
    c.kind = int(mode_);
    c.width = ui_.widthUpDown->value();
    c.shape = ui_.shapeUpDown->value();
    c.sizeStep = std::max(0, ui_.rgSize->checkedId());
    c.penStyle = style_.currentLineStyle;
    c.penColor = style_.penColor;
    c.auxColor = style_.fillColor;
    c.fillColor = style_.brushColor;
    c.fontName = style_.font.name;
    // Lines of a short text are kept with CR LF between them.
    c.text = text_.textOfNewFigure();
    c.zoom = zoom();
    return c;
}

void TForm1::setCanvasHint(const char* hint)
{
    setHint(view_, QString::fromUtf8(hint));
    setHint(scrollBox_, QString::fromUtf8(hint));
}

QRegion TForm1::overlayArea() const
{
    // Selection frames may lie anywhere.
    if (selectionOverlaysShown())
        return QRegion(view_->rect());
    QRegion r;
    if (const CanvasTool* tool = tools_.activeTool())
        r += tool->overlayArea();
    if (tools_.paste())
        r += tools_.paste()->overlayArea();
    return r;
}

void TForm1::paintOverlays(Canvas& canvas, const QRect& exposed)
{
    paintSelection(canvas, exposed);
    if (tools_.paste())
        tools_.paste()->paintOverlay(canvas, exposed);
    if (const CanvasTool* tool = tools_.activeTool())
        tool->paintOverlay(canvas, exposed);
}

void TForm1::Image1MouseDown(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    // A dialog's double-click whose release went elsewhere: this press starts a gesture of its own.
    tools_.ignoreNextRelease(false);
    if (e->button() == Qt::RightButton) {
        canvasRightPress(at);
        return;
    }
    if (e->button() != Qt::LeftButton)
        return;
    view_->setFocus();
    view_->eraseMarks();
    tools_.setPointer(snap(at));
    settleReform(false);
    if (swallowsPopupClick(mode_) && std::exchange(popupJustShown_, false))
        return;
    popupJustShown_ = false;
    // While the paste frame waits, only the frame itself can be dragged.
    if (pasteFrameShown()) {
        tools_.paste()->press({at, e->modifiers()});
        if (tools_.pasteHeld())
            autoScroll_.start();
        return;
    }
    if (mode_ == EditMode::PicturePlacing) {
        mode_ = returnMode_;
        selectToolSettings(mode_);
    }
    if (CanvasTool* tool = tools_.toolForMode()) {
        tool->press({at, e->modifiers()});
        if (const CanvasTool* still = tools_.activeTool(); still && still->dragging()) {
            setCanvasHint(kDraggingHint);
            autoScroll_.start();
        }
    }
}

void TForm1::Image1MouseMove(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    const QPoint point = snap(at);
    // A mouse move of more than two pixels ends keyboard pointing.
    const QPoint travelled = point - tools_.pointer();
    if (!keys_.synthesizing() && (std::abs(travelled.x()) > 2 || std::abs(travelled.y()) > 2))
        keys_.endPointing();
    if (e->buttons() & Qt::LeftButton) {
        if (tools_.pasteHeld() && tools_.paste()->serves(mode_))
            tools_.paste()->move({at, e->modifiers()});
        else if (CanvasTool* tool = tools_.toolForMode())
            tool->move({at, e->modifiers(), autoScroll_.scrolled()});
    }
    tools_.setPointer(point);
    view_->setMarkStyle(markStyleFor(mode_));
    view_->showMarks(point);
    updateStatusPosition(point);
}

void TForm1::Image1MouseUp(QMouseEvent* e)
{
    if (tools_.takeIgnoredRelease())
        return; // the release of the double-click that closed a file dialog
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint at = e->position().toPoint();
    if (tools_.pasteHeld() && tools_.paste()->serves(mode_))
        tools_.paste()->release({at, e->modifiers()});
    else if (CanvasTool* tool = tools_.toolForMode())
        tool->release({at, e->modifiers()});
    view_->eraseMarks();
    if (tools_.paste())
        tools_.paste()->cancel(); // a frame held in another mode is let go
    autoScroll_.stop();
    keys_.endPointing();
    updateCanvasHintForTool();
}

void TForm1::canvasRightPress(QPoint at)
{
    const bool wasDragging = tools_.gestureActive();
    if (pasteFrameShown() && tools_.paste()->rightPress(at))
        return;
    const bool selecting = isSelecting(mode_);
    if (selectedCount() == 0 || wasDragging || keys_.moving()) {
        // A right press cancels: the figure being drawn, the move, the selection.
        if (CanvasTool* tool = tools_.activeTool())
            tool->cancel();
        keys_.stop();
        tools_.selection().dropMove();
        if (selecting)
            resetSelection();
        else
            drawing_.clearSelection();
    }
    autoScroll_.stop();
    updateCanvasHintForTool();
    if (wasDragging)
        return;
    selectToolSettings(mode_);
    popupStates();
    ui_.popupMenu->popup(view_->mapToGlobal(at));
    popupJustShown_ = true;
}

} // namespace molvane
