// The picture editor's canvas: the pointer handed to the tools, the view's paint, the zoom, the canvas
// size and the auto-scroll.

#include "picture_editor/tform_picture_editor.h"

#include "dialogs/covering_view.h"
#include "dialogs/edge_scroll.h"
#include "painting/new_stroke.h"
#include "painting/paint_whites.h"
#include "painting/picture_frame.h"
#include "painting/stroke_renderer.h"
#include "painting/stroke_tool.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace molvane {

PaintTool* TFormPictureEditor::toolForMode()
{
    if (tool_ && toolMode_ == mode_)
        return tool_.get();
    tool_.reset();
    toolMode_ = mode_;
    if (isStrokeTool(mode_))
        tool_ = std::make_unique<StrokeTool>(environment(), int(mode_));
    else if (mode_ == PaintMode::Fill)
        tool_ = std::make_unique<FillTool>(environment());
    else if (mode_ == PaintMode::RangeDrawing)
        tool_ = std::make_unique<RangeTool>(environment(), static_cast<RangeHost&>(*this),
                                            controls_.rbFreeRange->isChecked());
    return tool_.get();
}

void TFormPictureEditor::Image1MouseDown(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    lastPointer_ = at;
    controls_.view->setFocus();
    if (palette_.spoitMode() && canvasView().contains(at)) {
        // The colour as the view shows it: zoomed, over the sample, with the grid lines.
        const QImage shown = controls_.view->grab(QRect(at, QSize(1, 1))).toImage();
        if (!shown.isNull())
            palette_.takeSpoitColour(fromQRgb(shown.pixel(0, 0)));
        showPalette();
        return;
    }
    if (e->button() == Qt::RightButton && !(tool_ && tool_->dragging())) {
        showPopup(e->globalPosition().toPoint());
        return;
    }
    if (e->button() != Qt::LeftButton || (tool_ && tool_->dragging()))
        return;
    // The click that closed the right-button menu paints nothing with ペン or 塗り.
    if (std::exchange(menuJustShown_, false) && (mode_ == PaintMode::Pen || mode_ == PaintMode::Fill))
        return;
    // The copied picture floats over the canvas: a press on it drags it.
    if (pressOnHandle(at) || pressOnShownPicture(at))
        return;
    // Beyond the canvas lies the scroll box, where the tools do not reach.
    if (!canvasView().contains(at))
        return;
    commitPendingReform();
    palette_.clearPaletteChosen();
    livePenZoom_ = 0; // a new drag works its pen out again
    if (PaintTool* tool = toolForMode()) {
        tool->press({at, e->modifiers()});
        if (tool->dragging())
            autoScrollTimer_->start();
    }
}

void TFormPictureEditor::Image1MouseMove(QMouseEvent* e)
{
    lastPointer_ = e->position().toPoint();
    if (handle_ >= 0) {
        moveHandle(lastPointer_);
        return;
    }
    if (FloatingPicture* shown = draggedPicture()) {
        const QRect before = shownRect(*shown);
        dragShownPicture(*shown, lastPointer_, e->modifiers());
        controls_.view->update(QRegion(before.adjusted(-4, -4, 4, 4)) +
                               shownRect(*shown).adjusted(-4, -4, 4, 4));
        return;
    }
    if (!(e->buttons() & Qt::LeftButton))
        showPointerCursor(lastPointer_);
    if ((e->buttons() & Qt::LeftButton) && tool_ && tool_->dragging())
        tool_->move({lastPointer_, e->modifiers()});
}

void TFormPictureEditor::Image1MouseUp(QMouseEvent* e)
{
    if (palette_.spoitMode()) {
        // The release after the spoit's press ends it.
        endSpoit();
        showPalette();
        return;
    }
    if (e->button() != Qt::LeftButton)
        return;
    if (handle_ >= 0) {
        releaseHandle();
        fitView();
        return;
    }
    if (FloatingPicture* shown = draggedPicture()) {
        shown->dragging = false;
        shown->canvasPos = scale().toCanvas(shown->viewAt);
        fitView();
        controls_.view->update();
        return;
    }
    autoScrollTimer_->stop();
    if (tool_ && tool_->dragging())
        tool_->release({e->position().toPoint(), e->modifiers()});
}

void TFormPictureEditor::invalidate(const QRegion& viewArea)
{
    controls_.view->update(viewArea);
}

void TFormPictureEditor::paintView(Canvas& canvas, const QRect& exposed)
{
    if (tool_ && tool_->dragging()) {
        // While the pen drags a wide line, its copy of the view holds the picture and the line.
        if (mode_ == PaintMode::Pen && PenTrail::covers(exposed, visibleView(), livePen())) {
            tool_->paintOverlay(canvas, exposed);
            paintShownPictures(canvas);
            return;
        }
    } else {
        trail_.clear();
    }
    // Clipped to what is exposed, so the pen's long line is drawn only where it shows.
    const Canvas::NarrowedClip clip(canvas, exposed);
    paintUnderPreview(canvas, exposed);
    if (tool_)
        tool_->paintOverlay(canvas, exposed);
    paintShownPictures(canvas);
}

void TFormPictureEditor::paintUnderPreview(Canvas& canvas, const QRect& exposed) const
{
    const PaintViewScale s = scale();
    const QRect shown(QPoint(0, 0), s.toScreen(picture_.size()));
    if (sampleOn_ && !sample_.isNull()) {
        // The washed-out sample shows through every transparent pixel of the picture.
        canvas.fillRect(exposed & shown, kTransparentWhite);
        const QPoint at = samplePosition_;
        const Canvas::NarrowedClip onCanvas(canvas, exposed & shown);
        canvas.drawImage(
            QRect(s.toScreen(at), s.toScreen(at + QPoint(sample_.width(), sample_.height())) - QPoint(1, 1)),
            sample_);
        canvas.drawImage(shown, workingOverSample());
    } else {
        canvas.drawImage(shown, picture_.working());
    }
    // Beyond the canvas the scroll box shows, under the pictures that float there.
    const TColor box = fromQRgb(controls_.scrollBox->palette().color(QPalette::Dark).rgb());
    for (const QRect& uncovered : QRegion(exposed) - shown)
        canvas.fillRect(uncovered, box);
    if (gridOn_)
        paintGrid(canvas);
}

QRect TFormPictureEditor::visibleView() const
{
    const QWidget* viewport = controls_.scrollBox->viewport();
    return QRect(controls_.view->mapFrom(viewport, QPoint(0, 0)), viewport->size()) & controls_.view->rect();
}

CanvasPen TFormPictureEditor::livePen() const
{
    // Worked out once a drag: the colour, width and style cannot change while the button is held.
    if (livePenZoom_ == zoom())
        return livePen_;
    TFigure f = makeStroke(kStrokePen, {}, {}, {});
    // The eraser's stroke shows light grey while it is dragged.
    if (palette_.selectedCell() == PaintPalette::kEraserCell)
        f.penColor = 0xE0E0E0;
    livePen_ = strokePenOnView(f, scale());
    livePenZoom_ = zoom();
    return livePen_;
}

void TFormPictureEditor::applyZoom()
{
    // A range is marked in view pixels: a new zoom ends it.
    if (RangeTool* tool = rangeTool(); tool && !tool->dragging() && tool->range().exists())
        tool->clearRange();
    QScrollBar* h = controls_.scrollBox->horizontalScrollBar();
    QScrollBar* v = controls_.scrollBox->verticalScrollBar();
    const QPoint scrolled(h->value(), v->value());
    const QSize before = PaintViewScale{shownZoom_}.toScreen(picture_.size());
    // 独立: the imported picture keeps its place on the view as well as its size.
    const bool kept = face_.visible && controls_.rbBairituKotei->isChecked();
    const QPoint faceAt = PaintViewScale{shownZoom_}.toScreen(face_.canvasPos);
    const QSize after = scale().toScreen(picture_.size());
    shownZoom_ = zoom();
    if (kept)
        face_.canvasPos = scale().toCanvas(faceAt);
    fitView();
    // The view stays centred on the axes that were scrolled.
    if (scrolled.x() > 0)
        h->setValue(scrolled.x() + (after.width() - before.width()) / 2);
    if (scrolled.y() > 0)
        v->setValue(scrolled.y() + (after.height() - before.height()) / 2);
    // Re-placed for the new zoom: the next turn starts from the picture as it is now.
    paste_.turned = face_.turned = false;
    controls_.view->update();
}

void TFormPictureEditor::applyCanvasSize()
{
    const QSize wanted(controls_.udWidth->value(), controls_.udHeight->value());
    if (wanted == picture_.size())
        return;
    QScrollBar* h = controls_.scrollBox->horizontalScrollBar();
    QScrollBar* v = controls_.scrollBox->verticalScrollBar();
    const QPoint scrolled(h->value(), v->value());
    picture_.resize(wanted);
    applyZoom();
    h->setValue(scrolled.x());
    v->setValue(scrolled.y());
}

QRect TFormPictureEditor::canvasView() const
{
    return QRect(QPoint(0, 0), scale().toScreen(picture_.size()));
}

void TFormPictureEditor::fitView()
{
    // Beyond the canvas a shown picture reaches as far as its frame and handles.
    QRect content = canvasView();
    constexpr int kReach = kPictureFrameWidth + 12;
    for (const FloatingPicture* shown : {&paste_, &face_})
        if (shown->visible)
            content |= shownRect(*shown).adjusted(0, 0, kReach, kReach);
    QScrollArea& box = *controls_.scrollBox;
    const QSize bars(box.verticalScrollBar()->sizeHint().width(),
                     box.horizontalScrollBar()->sizeHint().height());
    const QSize size =
        viewCoveringBox(QSize(content.right() + 1, content.bottom() + 1), box.maximumViewportSize(), bars);
    if (size != controls_.view->size())
        controls_.view->setFixedSize(size);
}

TFigure TFormPictureEditor::makeStroke(int kind, QPoint press, QPoint release,
                                       const TDynamicPtArray& points) const
{
    StrokeInputs in;
    in.kind = kind;
    in.colour = palette_.strokeColour();
    in.penStyle = palette_.penStyle();
    in.lineWidth = controls_.udPen->value();
    in.shape = controls_.udLine->value();
    in.press = press;
    in.release = release;
    in.points = points;
    return molvane::makeStroke(in);
}

void TFormPictureEditor::paintPreview(Canvas& canvas, const QRect& exposed, int kind, QPoint press,
                                      QPoint current, const TDynamicPtArray& live) const
{
    if (kind == kStrokePen) {
        const QRect visible = visibleView();
        const CanvasPen pen = livePen();
        if (PenTrail::covers(exposed, visible, pen)) {
            trail_.paint(canvas, exposed, visible, pen, live,
                         [this](Canvas& under, const QRect& area) { paintUnderPreview(under, area); });
            return;
        }
    }
    // The pen's points are drawn from the live list itself.
    TFigure f = makeStroke(kind, press, current, {});
    // The eraser's stroke shows light grey while it is dragged.
    if (palette_.selectedCell() == PaintPalette::kEraserCell)
        f.penColor = 0xE0E0E0;
    const bool pen = kind == kStrokePen;
    renderStroke(f, {canvas, picture_.whites(), pen ? PenMode::Copy : PenMode::NotXor, true, scale(),
                     pen ? &live : nullptr});
}

QRect TFormPictureEditor::previewBounds(int kind, QPoint press, QPoint current) const
{
    // A curve bulges beyond its two ends; the pen's box comes from its points alone.
    QRect box = QRect(press, current).normalized();
    if (kind != kStrokePen)
        box |= strokeOutline(makeStroke(kind, press, current, {})).boundingRect().toAlignedRect();
    const int reach = scale().toScreen(effectivePenWidth(kind, controls_.udPen->value())) / 2 + 3;
    return box.adjusted(-reach, -reach, reach, reach);
}

void TFormPictureEditor::autoScrollStep()
{
    if (!tool_ || !tool_->dragging()) {
        autoScrollTimer_->stop();
        autoScrolled_ = false;
        return;
    }
    const QPoint pointer = controls_.scrollBox->viewport()->mapFromGlobal(QCursor::pos());
    const int z = zoom();
    const int step = 1 + (z > 100 ? 1200 / z : 0);
    const bool scrolled = scrollTowardPointer(*controls_.scrollBox, pointer, step);
    // Once more after the scrolling stops, so the preview follows the pointer's last place.
    if (!scrolled && !std::exchange(autoScrolled_, false))
        return;
    autoScrolled_ = scrolled;
    lastPointer_ = controls_.view->mapFromGlobal(QCursor::pos());
    tool_->move({lastPointer_, QGuiApplication::keyboardModifiers()});
}

} // namespace molvane
