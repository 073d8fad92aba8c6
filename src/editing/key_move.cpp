#include "editing/key_move.h"

#include <algorithm>

namespace molvane {

namespace {

int sign(KeyDirection d)
{
    return d == KeyDirection::Left || d == KeyDirection::Up ? -1 : 1;
}

bool horizontal(KeyDirection d)
{
    return d == KeyDirection::Left || d == KeyDirection::Right;
}

} // namespace

std::optional<KeyDirection> keyDirection(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_A: return KeyDirection::Left;
    case Qt::Key_Right:
    case Qt::Key_D: return KeyDirection::Right;
    case Qt::Key_Up:
    case Qt::Key_W: return KeyDirection::Up;
    case Qt::Key_Down:
    case Qt::Key_S:
    case Qt::Key_Z:
    case Qt::Key_X: return KeyDirection::Down;
    default: return std::nullopt;
    }
}

KeyMover::KeyMover(bool oneDot, int precisionStep)
    : oneDot_(oneDot), precisionStep_(std::max(1, precisionStep))
{
}

bool KeyMover::keyDown(int key)
{
    if (key == Qt::Key_Space) {
        oneDot_ = !oneDot_;
        return true;
    }
    const std::optional<KeyDirection> d = keyDirection(key);
    if (!d)
        return false;
    if (std::find(heldKeys_.begin(), heldKeys_.end(), key) != heldKeys_.end())
        return true; // still held: a repeat adds nothing
    if (!active())
        travelled_ = {};
    duplicate_ = false; // the release that counts is the one that ends the move
    heldKeys_.push_back(key);
    (horizontal(*d) ? lastX_ : lastY_) = sign(*d);
    (horizontal(*d) ? tapX_ : tapY_) = sign(*d);
    return true;
}

bool KeyMover::keyUp(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Space)
        return true;
    if (!keyDirection(key))
        return false;
    const auto it = std::find(heldKeys_.begin(), heldKeys_.end(), key);
    if (it == heldKeys_.end())
        return true;
    heldKeys_.erase(it);
    if (heldKeys_.empty())
        duplicate_ = modifiers.testFlag(Qt::ControlModifier);
    return true;
}

QPoint KeyMover::tick()
{
    // A pending press goes first, so a key pressed and released between two ticks is not lost.
    const int dx = tapX_ != 0 ? tapX_ : heldOnAxis(KeyDirection::Left, KeyDirection::Right, lastX_);
    const int dy = tapY_ != 0 ? tapY_ : heldOnAxis(KeyDirection::Up, KeyDirection::Down, lastY_);
    tapX_ = tapY_ = 0;
    const QPoint offset(dx * step(), dy * step());
    travelled_ += offset;
    return offset;
}

void KeyMover::setStep(int screenPixels)
{
    precisionStep_ = std::max(1, screenPixels);
}

bool KeyMover::active() const
{
    return !heldKeys_.empty() || tapX_ != 0 || tapY_ != 0;
}

KeyDirections KeyMover::held() const
{
    KeyDirections set;
    for (KeyDirection d : {KeyDirection::Left, KeyDirection::Right, KeyDirection::Up, KeyDirection::Down})
        if (isHeld(d))
            set.add(d);
    return set;
}

void KeyMover::reset()
{
    heldKeys_.clear();
    lastX_ = lastY_ = tapX_ = tapY_ = 0;
    duplicate_ = false;
    travelled_ = {};
}

int KeyMover::heldOnAxis(KeyDirection negative, KeyDirection positive, int lastPressed) const
{
    const bool minus = isHeld(negative), plus = isHeld(positive);
    if (minus && plus)
        return lastPressed;
    return minus ? -1 : (plus ? 1 : 0);
}

bool KeyMover::isHeld(KeyDirection d) const
{
    return std::any_of(heldKeys_.begin(), heldKeys_.end(), [d](int key) { return keyDirection(key) == d; });
}

} // namespace molvane
