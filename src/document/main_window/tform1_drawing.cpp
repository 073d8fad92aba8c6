// Drawing on the canvas: press, drag and release of every figure tool, the rubber band on the view,
// and committing the figure to the drawing.

#include "document/canvas_geometry.h"
#include "document/figure_commit.h"
#include "document/geometry.h"
#include "document/main_window/main_window_texts.h"
#include "document/text_figure.h"
#include "document/main_window/tform1.h"

#include <QMenu>
#include <QMouseEvent>
#include <utility>

namespace molvane {

namespace {

constexpr const char* kDraggingHint =
    "【描画中・移動中】通常のﾏｳｽﾄﾞﾗｯｸﾞか，または微動操作ができます。（ﾏｳｽﾎﾞﾀﾝを押したままマウスを動かさずに，<←・A>，<→・D>，<↑・W>，<↓・S,Z,X>ｷｰを押す）";

} // namespace

DrawingConditions TForm1::currentConditions() const
{
    DrawingConditions c;
    c.kind = int(mode_);
    c.width = widthUpDown_->value();
    c.shape = shapeUpDown_->value();
    c.sizeStep = std::max(0, rgSize->checkedId());
    c.penStyle = currentLineStyle_;
    c.penColor = penColor_;
    c.auxColor = styleFillColor_;
    c.fillColor = brushColor_;
    c.fontName = canvasFont_.name;
    // Lines of a short text are kept with CR LF between them.
    c.text = textSource_ == 1 ? buttonText_ : edStr->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    c.zoom = zoom();
    return c;
}

TFigure TForm1::workingFigure() const
{
    TFigure f = createFigure(currentConditions(), startPoint_, currentPoint_);
    if (f.kind == fkMoji)
        f.ends[kMainStart] = f.ends[kMainEnd] = currentPoint_;
    return f;
}

bool TForm1::textIsEmpty() const
{
    const QString text = textSource_ == 1 ? buttonText_ : edStr->toPlainText();
    return text.trimmed().isEmpty();
}

void TForm1::setCanvasHint(const char* hint)
{
    setHint(view_, QString::fromUtf8(hint));
    setHint(scrollBox_, QString::fromUtf8(hint));
}

QRect TForm1::workingRect() const
{
    const TFigure f = workingFigure();
    const RenderTarget target{view_->canvasForMeasuring(), true, zoom(), drawing_.renderSettings()};
    QRect box;
    if (f.kind == fkMoji) {
        const TextLayout layout = layoutText(f, target);
        box = QRect(layout.origin, QSize(std::max(layout.boxWidth, layout.width), layout.height));
    } else if (f.kind == fkFree) {
        for (QPoint p : pointBuffer_)
            box |= QRect(p, QSize(1, 1));
    } else {
        box = figureOutline(f, target).path.boundingRect().toAlignedRect();
    }
    // Pen widths reach up to 250 model pixels; the arrow head and round caps beyond the outline.
    const int reach = toScreen(mappedPenWidth(std::min(50, std::abs(widthUpDown_->value()))), zoom()) + 8;
    return box.adjusted(-reach, -reach, reach, reach);
}

void TForm1::showWorking(bool shown)
{
    QRegion dirty;
    if (workingShown_)
        dirty += workingRect_;
    workingShown_ = shown;
    if (shown) {
        workingRect_ = workingRect();
        dirty += workingRect_;
    }
    view_->update(dirty);
}

QRegion TForm1::overlayArea() const
{
    // Selection frames and tip marks may lie anywhere.
    if (selectionOverlaysShown())
        return QRegion(view_->rect());
    QRegion r;
    if (tool_)
        r += tool_->overlayArea();
    if (pasteShown_)
        r += pasteFrameRect();
    if (dragImagesShown_)
        r += dragLayer_.viewRect(zoom(), dragOffset_);
    if (workingShown_)
        r += workingRect_;
    return r;
}

void TForm1::paintOverlays(Canvas& canvas, const QRect& exposed)
{
    paintSelection(canvas, exposed);
    paintPasteFrame(canvas, exposed);
    if (tool_)
        tool_->paintOverlay(canvas, exposed);
    if (dragImagesShown_)
        dragLayer_.paint(canvas, zoom(), dragOffset_);
    if (!workingShown_ || !exposed.intersects(workingRect_))
        return;
    const TFigure f = workingFigure();
    RenderOptions options;
    // Rubber bands invert what is under them; the free curve is inked and the character shown as drawn.
    options.mode = isRubberBandTool(EditMode(f.kind)) ? PenMode::NotXor : PenMode::Copy;
    if (f.kind == fkFree)
        options.dragged = &pointBuffer_;
    renderFigure(f, {canvas, true, zoom(), drawing_.renderSettings()}, options);
}

void TForm1::Image1MouseDown(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::RightButton) {
        canvasRightPress(at);
        return;
    }
    if (e->button() != Qt::LeftButton)
        return;
    view_->setFocus();
    view_->eraseMarks();
    currentPoint_ = snap(at);
    settleReform(false);
    startPoint_ = currentPoint_;
    if (swallowsPopupClick(mode_) && std::exchange(popupJustShown_, false))
        return;
    popupJustShown_ = false;
    // While the paste frame waits, only the frame itself can be dragged.
    if (pasteFramePress(at, Qt::LeftButton))
        return;
    if (mode_ == EditMode::PicturePlacing) {
        mode_ = returnMode_;
        selectToolSettings(mode_);
    }
    if (selectionPress(at)) {
        if (dragging_) {
            setCanvasHint(kDraggingHint);
            startAutoScroll();
        }
        return;
    }
    switch (mode_) {
    case EditMode::Connect:
    case EditMode::Disconnect:
    case EditMode::Information:
        if (tool_)
            tool_->press({at, e->modifiers()});
        if (!isPicking(mode_))
            tool_.reset(); // its one press ended the mode
        return;
    case EditMode::Text: pressText(at); break;
    case EditMode::Free:
        pointBuffer_ = {startPoint_};
        dragging_ = true;
        showWorking(true);
        break;
    case EditMode::Fill: pressFill(at); break;
    default:
        if (isRubberBandTool(mode_)) {
            dragging_ = true;
            showWorking(true);
        }
        break;
    }
    if (dragging_) {
        setCanvasHint(kDraggingHint);
        startAutoScroll();
    }
}

void TForm1::pressText(QPoint point)
{
    if (textIsEmpty())
        return;
    // A character is placed with the plain snap: the free-curve and fill exceptions do not apply.
    currentPoint_ = startPoint_ = snapPoint(point, snapStep(drawing_.settings.masuHaba, zoom(), precision()));
    dragging_ = true;
    showWorking(true);
}

void TForm1::pressFill(QPoint point)
{
    QImage& bitmap = drawing_.bitmap();
    const QRgb corner = bitmap.pixel(0, 0);
    startPoint_ = currentPoint_ = point;
    const TFigure fill = workingFigure();
    {
        Canvas canvas(bitmap);
        renderFigure(fill, {canvas, false, 100, drawing_.renderSettings()});
    }
    if (bitmap.pixel(0, 0) != corner) {
        // The fill ran out to the corner of the canvas: it was not enclosed, and it is dropped.
        drawing_.rebuildBitmap();
        view_->update();
        return;
    }
    commitWorking();
}

void TForm1::Image1MouseMove(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    const QPoint point = snap(at);
    // A mouse move of more than two pixels ends keyboard pointing.
    const QPoint travelled = point - currentPoint_;
    if (!synthesizingMove_ && (std::abs(travelled.x()) > 2 || std::abs(travelled.y()) > 2))
        microMoveActive_ = false;
    if (dragging_ && (e->buttons() & Qt::LeftButton)) {
        if (mode_ == EditMode::PastePlacing)
            movePasteFrame(snapPlain(at - grip_));
        else
            dragTo(point, e->modifiers());
    }
    currentPoint_ = dragging_ ? currentPoint_ : point;
    view_->setMarkStyle(markStyleFor(mode_));
    view_->showMarks(point);
    updateStatusPosition(point);
}

void TForm1::dragTo(QPoint point, Qt::KeyboardModifiers modifiers)
{
    switch (mode_) {
    case EditMode::Free:
        if (pointBuffer_.empty() || pointBuffer_.back() != point)
            pointBuffer_.push_back(point);
        currentPoint_ = point;
        showWorking(true);
        break;
    case EditMode::RangeDrawing:
        if (!autoScrolled_)
            rangeMove(point);
        break;
    case EditMode::RangeSelected:
    case EditMode::Individual:
        currentPoint_ = point;
        if (point != startPoint_) {
            mode_ = EditMode::Moving;
            beginMove(duplicateKey_ || (modifiers & Qt::ControlModifier));
            placeDragImages(currentPoint_ - startPoint_);
        }
        break;
    case EditMode::Moving:
        if (!autoScrolled_ && selectedCount_ > 0) {
            currentPoint_ = point;
            placeDragImages(currentPoint_ - startPoint_);
        }
        break;
    default:
        if (point != currentPoint_ && !autoScrolled_) {
            currentPoint_ = point;
            showWorking(true);
        }
        break;
    }
}

void TForm1::Image1MouseUp(QMouseEvent* e)
{
    if (std::exchange(ignoreCanvasRelease_, false))
        return; // the release of the double-click that closed a file dialog
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint at = e->position().toPoint();
    if (dragging_ && mode_ == EditMode::PastePlacing) {
        placePasteFrame();
    } else if (dragging_ && selectionRelease(snap(at), e->modifiers())) {
        // handled by the selection modes
    } else if (dragging_) {
        if (mode_ != EditMode::Free && mode_ != EditMode::Text)
            currentPoint_ = snap(at);
        showWorking(false);
        bool commit = false;
        switch (mode_) {
        case EditMode::Text: commit = !textIsEmpty(); break;
        case EditMode::Free: commit = !pointBuffer_.empty(); break;
        case EditMode::Orbital:
        case EditMode::Circle: commit = true; break;
        default: commit = isRubberBandTool(mode_) && currentPoint_ != startPoint_; break;
        }
        if (commit)
            commitWorking();
    }
    if (!isRangeMode(mode_) && mode_ != EditMode::Individual)
        pointBuffer_.clear(); // the lasso of a range stays with it
    view_->eraseMarks();
    dragging_ = false;
    autoScrollTimer_->stop();
    microMoveActive_ = false;
    updateCanvasHintForTool();
}

void TForm1::commitWorking()
{
    const TFigure working = workingFigure();
    FinishInputs in;
    in.zoom = zoom();
    in.mouseDown = working.ends[kMainStart];
    in.mouseUp = working.ends[kMainEnd]; // a fill's are model pixels already, and stay as they are
    const BondLines lines = figureOutline(working, {view_->canvasForMeasuring(), true, zoom()}).bondLines;
    in.secondStart = lines.secondStart;
    in.secondEnd = lines.secondEnd;
    in.thirdStart = lines.thirdStart;
    in.thirdEnd = lines.thirdEnd;
    in.fineMoveActive = microMoveActive_ && drawing_.settings.smallMoveOneDot;
    in.draggedPoints = pointBuffer_;
    in.cursorPrecision = precision();
    commitFinishedFigure(drawing_.figures, drawing_.bitmap(), finishFigure(working, in), drawing_.lastRecorded,
                         drawing_.renderSettings());
    drawing_.pushHistory();
    mode_ = returnMode_;
    setLastReformPanel(true, true);
    view_->update();
}

void TForm1::canvasRightPress(QPoint at)
{
    if (pasteShown_) {
        if (pasteFramePress(at, Qt::RightButton))
            return;
    }
    const bool wasDragging = dragging_;
    const bool selecting = isSelecting(mode_);
    if (countSelected() == 0 || dragging_ || tmKeyMove->isActive()) {
        // A right press cancels: the figure being drawn, the move, the selection.
        showWorking(false);
        tmKeyMove->stop();
        keyMover_.reset();
        dragImagesShown_ = false;
        if (selecting) {
            resetSelection();
        } else {
            pointBuffer_.clear();
            drawing_.clearSelection();
        }
    }
    dragging_ = false;
    autoScrollTimer_->stop();
    updateCanvasHintForTool();
    if (wasDragging)
        return;
    selectToolSettings(mode_);
    popupStates();
    popupMenu_->popup(view_->mapToGlobal(at));
    popupJustShown_ = true;
}

} // namespace molvane
