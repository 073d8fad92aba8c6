// The picture editor's arrow keys and mouse wheel: a micro-move while dragging, else a scroll; the
// wheel's three-by-three regions zoom or scroll.

#include "picture_editor/tform_picture_editor.h"

#include <QCursor>
#include <QScrollBar>

namespace molvane {

bool TFormPictureEditor::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if ((modifiers & Qt::ControlModifier) && (modifiers & Qt::ShiftModifier)) {
        switch (key) {
        case Qt::Key_Q: sbFaceSelectClick(); return true;
        case Qt::Key_F: sbFaceShowClick(); return true;
        case Qt::Key_V: face_.visible ? sbFaceByougaClick() : sbFaceShowClick(); return true;
        case Qt::Key_Delete:
            if (face_.visible)
                sbFaceShowClick();
            return true;
        default: break;
        }
    }
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::ShiftModifier)) {
        switch (key) {
        case Qt::Key_F: sbPasteShowClick(); return true;
        // Ctrl+V shows the copied picture when it is hidden and draws it when it is shown.
        case Qt::Key_V: paste_.visible ? sbPasteByougaClick() : sbPasteShowClick(); return true;
        case Qt::Key_W: sbGentenClick(); return true;
        case Qt::Key_M: sbMojiClick(); return true;
        case Qt::Key_Delete: hideCopiedPicture(); return true;
        case Qt::Key_X: cutClick(); return true;
        case Qt::Key_A: setTransform(Transform::Reform); return true;
        case Qt::Key_S: setTransform(Transform::Rotate); return true;
        case Qt::Key_D: setTransform(Transform::Reverse); return true;
        case Qt::Key_C: copyClick(); return true;
        default: break;
        }
    }
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (key == Qt::Key_Shift) {
        if (tool_ && tool_->dragging())
            tool_->shiftPressed(lastPointer_);
        if (FloatingPicture* shown = draggedPicture())
            shown->lock.restartAt(lastPointer_);
        return false;
    }
    if (key == Qt::Key_Delete && !(modifiers & Qt::ControlModifier) && range().exists()) {
        deleteClick();
        return true;
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
    if (stepShownPicture(step))
        return true;
    if (modifiers & Qt::ShiftModifier)
        return false;
    QScrollBar* bar =
        step.x() != 0 ? controls_.scrollBox->horizontalScrollBar() : controls_.scrollBox->verticalScrollBar();
    bar->setValue(bar->value() + (step.x() + step.y()) * bar->singleStep());
    return true;
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
