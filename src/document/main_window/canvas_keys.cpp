#include "document/main_window/canvas_keys.h"

#include "document/canvas_geometry.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace molvane {

namespace {

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

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

void CanvasKeys::createTimers(QObject* owner)
{
    timer_ = new QTimer(owner);
    timer_->setObjectName(QStringLiteral("tmKeyMove"));
    timer_->setInterval(100);
    QObject::connect(timer_, &QTimer::timeout, owner, [this] { tick(); });
    releaseWait_ = new QTimer(owner);
    releaseWait_->setSingleShot(true);
    releaseWait_->setInterval(kKeyReleaseWaitMs);
    QObject::connect(releaseWait_, &QTimer::timeout, owner, [this] { releaseHeld(); });
}

void CanvasKeys::stop()
{
    timer_->stop();
    mover_.reset();
}

int CanvasKeys::gridKeyStep() const
{
    return std::max(1,
                    int(snapStep(w_.drawing_.settings.masuHaba, w_.zoom(), 1)) / std::max(1, w_.precision()));
}

int CanvasKeys::pointerStep() const
{
    return w_.drawing_.settings.smallMoveOneDot ? 1 : gridKeyStep();
}

bool CanvasKeys::keyDown(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if (w_.ui_.sbStr->isChecked() && w_.ui_.edStr->hasFocus())
        return false; // the short text keeps its keys
    if (key == Qt::Key_Control) {
        if (!ctrl_ && w_.mode_ == EditMode::Moving && (w_.tools_.gestureActive() || timer_->isActive()))
            w_.tools_.selection().duplicatingChanged(true); // duplicating after all
        ctrl_ = true;
        return false;
    }
    if (key == Qt::Key_Space) {
        if (!timer_->isActive() || autoRepeat)
            return false;
        spaceHeld_ = true;
        if (w_.drawing_.settings.smallMoveOneDot) {
            mover_.keyDown(Qt::Key_Space);
            pointing_ = mover_.oneDot();
        }
        return true;
    }
    const bool letter = !isArrow(key) && keyDirection(key).has_value();
    if (!isArrow(key) && !letter)
        return false;
    if (modifiers & Qt::ShiftModifier)
        return false;
    if (w_.tools_.gestureActive()) {
        pointerKey(isArrow(key) ? key : arrowFor(key));
        return true;
    }
    if (stepsWithKeys(w_.mode_)) {
        if (autoRepeat)
            return true;
        if (!timer_->isActive()) {
            mover_.reset();
            mover_.setOneDot(w_.drawing_.settings.smallMoveOneDot);
            keyDuplicate_ = false;
            timer_->start();
        }
        mover_.setStep(gridKeyStep());
        mover_.keyDown(key);
        pointing_ = true;
        return true;
    }
    if (letter)
        return false;
    scrollByKey(key);
    w_.view_->eraseMarks();
    return true;
}

bool CanvasKeys::deliver(QKeyEvent* e)
{
    const int key = e->key();
    if (e->type() == QEvent::KeyPress) {
        const bool pairedWithRelease = hold_.pressRepeats(key);
        const bool repeat = e->isAutoRepeat() || pairedWithRelease;
        releaseHeld(); // a release of another key came first
        return keyDown(key, e->modifiers(), repeat);
    }
    // Only the keys whose release ends something wait; the others go through as they come.
    const bool ends = key == Qt::Key_Control || key == Qt::Key_Space || keyDirection(key).has_value();
    if (e->isAutoRepeat() || !ends)
        return keyUp(key, e->modifiers(), e->isAutoRepeat());
    if (const std::optional<KeyRelease> earlier = hold_.hold({key, e->modifiers()}))
        keyUp(earlier->key, earlier->modifiers);
    releaseWait_->start();
    return key != Qt::Key_Control && timer_->isActive();
}

void CanvasKeys::releaseHeld()
{
    releaseWait_->stop();
    if (const std::optional<KeyRelease> release = hold_.take())
        keyUp(release->key, release->modifiers);
}

bool CanvasKeys::keyUp(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if (autoRepeat)
        return false;
    bool used = false;
    if (key == Qt::Key_Control) {
        if (mover_.held().empty())
            keyDuplicate_ = true;
        const bool moving = w_.mode_ == EditMode::Moving && (w_.tools_.gestureActive() || timer_->isActive());
        ctrl_ = false;
        if (moving)
            w_.tools_.selection().duplicatingChanged(false); // moving after all
    } else if (key == Qt::Key_Space) {
        spaceHeld_ = false;
    } else if (timer_->isActive() && keyDirection(key)) {
        mover_.keyUp(key, modifiers);
        used = true;
    }
    if (timer_->isActive() && mover_.held().empty() && !ctrl_ && !spaceHeld_) {
        timer_->stop();
        tick(); // the final tick commits the move
    }
    return used;
}

void CanvasKeys::pointerKey(int arrow)
{
    // The pointer goes to the snapped point first; after that each key steps it.
    // On the paste frame the pointer goes to where the frame was grabbed.
    const QPoint start = w_.tools_.placingNow() ? w_.tools_.paste()->heldAt() : w_.tools_.pointer();
    const QPoint next = pointing_ ? start + arrowOffset(arrow, pointerStep()) : start;
    pointing_ = true;
    if (w_.view_->isVisible())
        QCursor::setPos(w_.view_->mapToGlobal(next));
    QMouseEvent move(QEvent::MouseMove, QPointF(next), w_.view_->mapToGlobal(QPointF(next)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    synthesizing_ = true;
    w_.Image1MouseMove(&move);
    synthesizing_ = false;
}

void CanvasKeys::scrollByKey(int key)
{
    QScrollBar* bar = (key == Qt::Key_Left || key == Qt::Key_Right) ? w_.scrollBox_->horizontalScrollBar()
                                                                    : w_.scrollBox_->verticalScrollBar();
    const int sign = (key == Qt::Key_Left || key == Qt::Key_Up) ? -1 : 1;
    bar->setValue(bar->value() + sign * bar->singleStep());
}

void CanvasKeys::tick()
{
    const bool running = timer_->isActive();
    if (w_.tools_.placingNow()) {
        pasteTick(running);
        return;
    }
    if (w_.mode_ != EditMode::RangeSelected && w_.mode_ != EditMode::Moving)
        return;
    if (w_.mode_ == EditMode::RangeSelected)
        w_.view_->eraseMarks();
    const bool fine = w_.drawing_.settings.smallMoveOneDot && pointing_;
    if (w_.tools_.selection().keyTick(mover_, running, w_.autoScroll_.scrolled(), keyDuplicate_, fine)) {
        mover_.reset();
        pointing_ = false;
    }
}

void CanvasKeys::pasteTick(bool running)
{
    if (running) {
        w_.tools_.paste()->keyStep(mover_.tick());
        return;
    }
    mover_.reset();
    w_.tools_.paste()->keysReleased();
    w_.setCanvasHint(texts::kCanvasHint);
}

} // namespace molvane
