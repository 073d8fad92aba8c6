// The picture editor's canvas: the pointer handed to the tools, the view's paint, the zoom, the canvas
// size, the keys and the wheel.

#include "picture_editor/tform_picture_editor.h"

#include "dialogs/edge_scroll.h"
#include "painting/new_stroke.h"
#include "painting/paint_whites.h"
#include "painting/stroke_renderer.h"
#include "painting/stroke_tool.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
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
    return tool_.get();
}

void TFormPictureEditor::Image1MouseDown(QMouseEvent* e)
{
    const QPoint at = e->position().toPoint();
    lastPointer_ = at;
    controls_.view->setFocus();
    if (palette_.spoitMode()) {
        // The colour as the view shows it: zoomed, over the sample, with the grid lines.
        const QImage shown = controls_.view->grab(QRect(at, QSize(1, 1))).toImage();
        if (!shown.isNull())
            palette_.takeSpoitColour(fromQRgb(shown.pixel(0, 0)));
        showPalette();
        return;
    }
    if (e->button() != Qt::LeftButton || (tool_ && tool_->dragging()))
        return;
    commitPendingReform();
    palette_.clearPaletteChosen();
    if (PaintTool* tool = toolForMode()) {
        tool->press({at, e->modifiers()});
        if (tool->dragging())
            autoScrollTimer_->start();
    }
}

void TFormPictureEditor::Image1MouseMove(QMouseEvent* e)
{
    lastPointer_ = e->position().toPoint();
    if ((e->buttons() & Qt::LeftButton) && tool_ && tool_->dragging())
        tool_->move({lastPointer_, e->modifiers()});
}

void TFormPictureEditor::Image1MouseUp(QMouseEvent* e)
{
    if (palette_.spoitMode()) {
        // The release after the spoit's press ends it; the tool's mode never left.
        palette_.endSpoit();
        controls_.sbSpoit->setChecked(false);
        showPalette();
        return;
    }
    if (e->button() != Qt::LeftButton)
        return;
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
    canvas.fillRect(exposed, kTransparentWhite);
    canvas.drawImage(QRect(QPoint(0, 0), scale().toScreen(picture_.size())), picture_.working());
    if (gridOn_)
        paintGrid(canvas);
    if (tool_)
        tool_->paintOverlay(canvas, exposed);
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

void TFormPictureEditor::applyZoom()
{
    QScrollBar* h = controls_.scrollBox->horizontalScrollBar();
    QScrollBar* v = controls_.scrollBox->verticalScrollBar();
    const QPoint scrolled(h->value(), v->value());
    const QSize before = controls_.view->size();
    const QSize after = scale().toScreen(picture_.size());
    controls_.view->setFixedSize(after);
    // The view stays centred on the axes that were scrolled.
    if (scrolled.x() > 0)
        h->setValue(scrolled.x() + (after.width() - before.width()) / 2);
    if (scrolled.y() > 0)
        v->setValue(scrolled.y() + (after.height() - before.height()) / 2);
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

void TFormPictureEditor::paintPreview(Canvas& canvas, int kind, QPoint press, QPoint current,
                                      const TDynamicPtArray& live) const
{
    TFigure f = makeStroke(kind, press, current, live);
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

bool TFormPictureEditor::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (key == Qt::Key_Shift) {
        if (tool_ && tool_->dragging())
            tool_->shiftPressed(lastPointer_);
        return false;
    }
    if (!arrow)
        return false;
    const QPoint step(key == Qt::Key_Left    ? -1
                      : key == Qt::Key_Right ? 1
                                             : 0,
                      key == Qt::Key_Up     ? -1
                      : key == Qt::Key_Down ? 1
                                            : 0);
    if (tool_ && tool_->dragging()) {
        // 微移動: the pointer moves a screen pixel, which drives the drag.
        QCursor::setPos(QCursor::pos() + step);
        lastPointer_ += step;
        tool_->move({lastPointer_, modifiers});
        return true;
    }
    if (modifiers & Qt::ShiftModifier)
        return false;
    QScrollBar* bar =
        step.x() != 0 ? controls_.scrollBox->horizontalScrollBar() : controls_.scrollBox->verticalScrollBar();
    bar->setValue(bar->value() + (step.x() + step.y()) * bar->singleStep());
    return true;
}

void TFormPictureEditor::autoScrollStep()
{
    if (!tool_ || !tool_->dragging()) {
        autoScrollTimer_->stop();
        return;
    }
    const QPoint pointer = controls_.scrollBox->viewport()->mapFromGlobal(QCursor::pos());
    const int z = zoom();
    const int step = 1 + (z > 100 ? 1200 / z : 0);
    if (!scrollTowardPointer(*controls_.scrollBox, pointer, step))
        return;
    lastPointer_ = controls_.view->mapFromGlobal(QCursor::pos());
    tool_->move({lastPointer_, QGuiApplication::keyboardModifiers()});
}

} // namespace molvane
