#pragma once
// Nudging the selection from the keyboard: while a direction key is held, every timer tick (the caller
// runs one every 100 ms) moves the selection by one step. The caller feeds key presses and releases
// (auto-repeated ones left out), calls tick() from its timer and applies the offsets; there is no timer
// in here, so tests drive the ticks themselves.
//
// Keys: Left / A, Right / D, Up / W, Down / S / Z / X. Space switches between one-pixel steps and the
// precision step. When opposite directions are both held, the one pressed last wins. Every press moves
// at least one step, so a tap that ends before the next tick still moves exactly once.

#include <QPoint>
#include <cstdint>
#include <optional>
#include <qnamespace.h>
#include <vector>

namespace molvane {

enum class KeyDirection : std::uint8_t { Left = 1, Right = 2, Up = 4, Down = 8 };

// A set of directions, one bit per KeyDirection.
class KeyDirections {
public:
    bool has(KeyDirection d) const { return (bits_ & std::uint8_t(d)) != 0; }
    void add(KeyDirection d) { bits_ |= std::uint8_t(d); }
    bool empty() const { return bits_ == 0; }
    bool operator==(const KeyDirections&) const = default;

private:
    std::uint8_t bits_ = 0;
};

// The direction a key (a Qt::Key) moves in; none for keys that do not move.
std::optional<KeyDirection> keyDirection(int key);

class KeyMover {
public:
    // oneDot: start with one-pixel steps (the SmallMoveOneDot setting); precisionStep in screen pixels.
    explicit KeyMover(bool oneDot = true, int precisionStep = 1);

    // Each returns whether the key belongs to the mover (a direction key or Space).
    bool keyDown(int key);
    bool keyUp(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // The offset in screen pixels to apply on this tick; (0, 0) when nothing is to move.
    QPoint tick();

    // The precision step in screen pixels; below 1 counts as 1.
    void setStep(int screenPixels);
    bool oneDot() const { return oneDot_; }
    void setOneDot(bool on) { oneDot_ = on; }
    // The step a tick moves by now.
    int step() const { return oneDot_ ? 1 : precisionStep_; }

    // Keys are held or a tap is still to move: the caller keeps its timer running.
    bool active() const;
    // Ctrl was held when the last key of the move came up: the caller duplicates instead of moving.
    bool duplicateOnRelease() const { return duplicate_; }
    KeyDirections held() const;
    // The sum of the offsets since the first key of this move went down.
    QPoint travelled() const { return travelled_; }
    // Forgets keys, taps and the move so far (the window lost the focus, the tool changed).
    void reset();

private:
    int heldOnAxis(KeyDirection negative, KeyDirection positive, int lastPressed) const;
    bool isHeld(KeyDirection d) const;

    std::vector<int> heldKeys_;
    int lastX_ = 0; // the direction last pressed on each axis: -1, 0 or +1
    int lastY_ = 0;
    int tapX_ = 0; // presses not yet moved by a tick
    int tapY_ = 0;
    bool oneDot_;
    int precisionStep_;
    bool duplicate_ = false;
    QPoint travelled_;
};

} // namespace molvane
