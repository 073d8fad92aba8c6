// Moving and duplicating the selection with the mouse or the keyboard, stepping the pointer from the
// keyboard while dragging, scrolling by itself at the view's edges, and the mouse wheel.

#include "document/canvas_geometry.h"
#include "document/figure_commit.h"
#include "document/fill_surroundings.h"
#include "document/geometry.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/move_logic.h"
#include "editing/selection.h"
#include "editing/wheel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace molvane {

namespace {

bool isArrow(int key) { return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down; }

// The arrow key a micro-move letter stands for.
int arrowFor(int key)
{
    switch (keyDirection(key).value_or(KeyDirection::Left)) {
    case KeyDirection::Left: return Qt::Key_Left;
    case KeyDirection::Right: return Qt::Key_Right;
    case KeyDirection::Up: return Qt::Key_Up;
    case KeyDirection::Down: return Qt::Key_Down;
    }
    return Qt::Key_Left;
}

QPoint arrowOffset(int arrow, int step)
{
    switch (arrow) {
    case Qt::Key_Left: return {-step, 0};
    case Qt::Key_Right: return {step, 0};
    case Qt::Key_Up: return {0, -step};
    default: return {0, step};
    }
}

} // namespace

int TForm1::pointerStep() const
{
    if (drawing_.settings.smallMoveOneDot)
        return 1;
    return std::max(1, int(snapStep(drawing_.settings.masuHaba, zoom(), 1)) / std::max(1, precision()));
}

bool TForm1::keyMoveMode() const { return stepsWithKeys(mode_); }

bool TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if (ui_.sbStr->isChecked() && ui_.edStr->hasFocus())
        return false; // the short text keeps its keys
    if (key == Qt::Key_Control) {
        if (!duplicateKey_ && mode_ == EditMode::Moving && (tools_.gestureActive() || tmKeyMove->isActive()))
            tools_.selection().duplicatingChanged(true); // duplicating after all
        duplicateKey_ = true;
        return false;
    }
    if (key == Qt::Key_Space) {
        if (!tmKeyMove->isActive() || autoRepeat)
            return false;
        spaceHeld_ = true;
        if (drawing_.settings.smallMoveOneDot) {
            keyMover_.keyDown(Qt::Key_Space);
            microMoveActive_ = keyMover_.oneDot();
        }
        return true;
    }
    const bool letter = !isArrow(key) && keyDirection(key).has_value();
    if (!isArrow(key) && !letter)
        return false;
    if (modifiers & Qt::ShiftModifier)
        return false;
    if (tools_.gestureActive()) {
        pointerKey(isArrow(key) ? key : arrowFor(key));
        return true;
    }
    if (keyMoveMode()) {
        if (autoRepeat)
            return true;
        if (!tmKeyMove->isActive()) {
            keyMover_.reset();
            keyMover_.setOneDot(drawing_.settings.smallMoveOneDot);
            keyDuplicate_ = false;
            tmKeyMove->start();
        }
        keyMover_.setStep(std::max(1, int(snapStep(drawing_.settings.masuHaba, zoom(), 1)) / std::max(1, precision())));
        keyMover_.keyDown(key);
        microMoveActive_ = true;
        return true;
    }
    if (letter)
        return false;
    scrollByKey(key);
    view_->eraseMarks();
    return true;
}

bool TForm1::deliverKey(QKeyEvent* e)
{
    const int key = e->key();
    if (e->type() == QEvent::KeyPress) {
        const bool pairedWithRelease = keyReleaseHold_.pressRepeats(key);
        const bool repeat = e->isAutoRepeat() || pairedWithRelease;
        releaseHeldKey(); // a release of another key came first
        return FormKeyDown(key, e->modifiers(), repeat);
    }
    // Only the keys whose release ends something wait; the others go through as they come.
    const bool ends = key == Qt::Key_Control || key == Qt::Key_Space || keyDirection(key).has_value();
    if (e->isAutoRepeat() || !ends)
        return FormKeyUp(key, e->modifiers(), e->isAutoRepeat());
    if (const std::optional<KeyRelease> earlier = keyReleaseHold_.hold({key, e->modifiers()}))
        FormKeyUp(earlier->key, earlier->modifiers);
    keyReleaseWait_->start();
    return key != Qt::Key_Control && tmKeyMove->isActive();
}

void TForm1::releaseHeldKey()
{
    keyReleaseWait_->stop();
    if (const std::optional<KeyRelease> release = keyReleaseHold_.take())
        FormKeyUp(release->key, release->modifiers);
}

bool TForm1::FormKeyUp(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if (autoRepeat)
        return false;
    bool used = false;
    if (key == Qt::Key_Control) {
        if (keyMover_.held().empty())
            keyDuplicate_ = true;
        const bool moving = mode_ == EditMode::Moving && (tools_.gestureActive() || tmKeyMove->isActive());
        duplicateKey_ = false;
        if (moving)
            tools_.selection().duplicatingChanged(false); // moving after all
    } else if (key == Qt::Key_Space) {
        spaceHeld_ = false;
    } else if (tmKeyMove->isActive() && keyDirection(key)) {
        keyMover_.keyUp(key, modifiers);
        used = true;
    }
    if (tmKeyMove->isActive() && keyMover_.held().empty() && !duplicateKey_ && !spaceHeld_) {
        tmKeyMove->stop();
        tmKeyMoveTimer(); // the final tick commits the move
    }
    return used;
}

void TForm1::pointerKey(int arrow)
{
    // The pointer goes to the snapped point first; after that each key steps it.
    // On the paste frame the pointer goes to where the frame was grabbed.
    const QPoint start = mode_ == EditMode::PastePlacing ? tools_.paste()->heldAt() : pointer_;
    const QPoint next = microMoveActive_ ? start + arrowOffset(arrow, pointerStep()) : start;
    microMoveActive_ = true;
    if (view_->isVisible())
        QCursor::setPos(view_->mapToGlobal(next));
    QMouseEvent move(QEvent::MouseMove, QPointF(next), view_->mapToGlobal(QPointF(next)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    synthesizingMove_ = true;
    Image1MouseMove(&move);
    synthesizingMove_ = false;
}

void TForm1::scrollByKey(int key)
{
    QScrollBar* bar = (key == Qt::Key_Left || key == Qt::Key_Right) ? scrollBox_->horizontalScrollBar()
                                                                     : scrollBox_->verticalScrollBar();
    const int sign = (key == Qt::Key_Left || key == Qt::Key_Up) ? -1 : 1;
    bar->setValue(bar->value() + sign * bar->singleStep());
}

void TForm1::tmKeyMoveTimer()
{
    const bool running = tmKeyMove->isActive();
    if (mode_ == EditMode::PastePlacing) {
        pasteKeyTick(running);
        return;
    }
    if (mode_ != EditMode::RangeSelected && mode_ != EditMode::Moving)
        return;
    if (mode_ == EditMode::RangeSelected)
        view_->eraseMarks();
    const bool fine = drawing_.settings.smallMoveOneDot && microMoveActive_;
    if (tools_.selection().keyTick(keyMover_, running, autoScrolled_, keyDuplicate_, fine)) {
        keyMover_.reset();
        microMoveActive_ = false;
    }
}

void TForm1::startAutoScroll()
{
    if (!autoScrollTimer_->isActive())
        autoScrollTimer_->start();
}

bool TForm1::autoScrollStep(QPoint pointer)
{
    if (!tools_.gestureActive()) {
        autoScrollTimer_->stop();
        return false;
    }
    const int step = drawing_.settings.autoScrollSpeed + (zoom() > 100 ? drawing_.settings.masuHaba : 0);
    QScrollBar* h = scrollBox_->horizontalScrollBar();
    QScrollBar* v = scrollBox_->verticalScrollBar();
    const QPoint before(h->value(), v->value());
    const QSize client = scrollBox_->viewport()->size();
    if (pointer.x() < 0)
        h->setValue(h->value() - step);
    else if (pointer.x() > client.width())
        h->setValue(h->value() + step);
    if (pointer.y() < 0)
        v->setValue(v->value() - step);
    else if (pointer.y() > client.height())
        v->setValue(v->value() + step);
    const bool wasScrolled = autoScrolled_;
    autoScrolled_ = QPoint(h->value(), v->value()) != before;
    if (!autoScrolled_ && !wasScrolled)
        return false;
    // Follow the pointer with the figure being drawn or moved.
    if (CanvasTool* tool = tools_.activeTool())
        tool->autoScrolled(snap(view_->mapFrom(scrollBox_->viewport(), pointer)));
    return autoScrolled_;
}

bool TForm1::FormMouseWheel(QPoint pointer, int delta)
{
    const QSize view = scrollBox_->viewport()->size();
    if (!QRect(QPoint(0, 0), view).contains(pointer))
        return false;
    const WheelEffect effect = wheelEffect(view, pointer, delta);
    if (effect.zoomStep != 0) {
        ui_.zoomUpDown->step(effect.zoomStep > 0);
        return true;
    }
    const QScrollBar* v = scrollBox_->verticalScrollBar();
    const QScrollBar* h = scrollBox_->horizontalScrollBar();
    // A corner moves both ways, but not past an edge the view already stands at.
    if (effect.dx != 0 && effect.dy != 0) {
        const bool atTop = v->value() <= v->minimum(), atBottom = v->value() >= v->maximum();
        const bool atLeft = h->value() <= h->minimum(), atRight = h->value() >= h->maximum();
        if ((effect.dy < 0 && atTop) || (effect.dy > 0 && atBottom) || (effect.dx > 0 && atRight) ||
            (effect.dx < 0 && effect.dy > 0 && atLeft))
            return true;
    }
    const auto tap = [this](int key) {
        FormKeyDown(key, Qt::NoModifier);
        FormKeyUp(key, Qt::NoModifier);
    };
    if (effect.dy != 0)
        tap(effect.dy < 0 ? Qt::Key_Up : Qt::Key_Down);
    if (effect.dx != 0)
        tap(effect.dx < 0 ? Qt::Key_Left : Qt::Key_Right);
    return true;
}

} // namespace molvane
