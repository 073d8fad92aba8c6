#pragma once
// The keyboard on the canvas. While a button is held the direction keys (and A, D, W, S, Z, X) step
// the pointer; otherwise they move the selection or the paste frame a step each tick of the key-move
// timer, or scroll the view. Ctrl turns a move into duplicating and back. A key release waits a moment,
// so that a held key's repeats are told from real releases.

#include "editing/key_move.h"
#include "editing/key_release_hold.h"

#include <QTimer>
#include <qnamespace.h>

class QKeyEvent;

namespace molvane {

class TForm1;

class CanvasKeys {
public:
    explicit CanvasKeys(TForm1& window) : w_(window) {}
    // The key-move timer (every 100 ms, objectName tmKeyMove) and the release wait, owned by the window.
    void createTimers(QObject* owner);

    // Each returns whether it used the key.
    bool keyDown(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false);
    bool keyUp(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false);
    // A key event as the window system delivers it.
    bool deliver(QKeyEvent* e);
    // Lets a waiting key release through now (its wait is over, or another event follows it).
    void releaseHeld();
    // One tick of the key-move timer; the last (after every key is up) puts the figures down.
    void tick();
    bool moving() const { return timer_->isActive(); }
    // Stops a key move without putting anything down.
    void stop();

    // The pointer is being stepped from the keyboard; a mouse move of more than two pixels ends it.
    bool pointing() const { return pointing_; }
    void endPointing() { pointing_ = false; }
    // The move event being handled is a keyboard step of the pointer.
    bool synthesizing() const { return synthesizing_; }
    // Ctrl is down: a move duplicates.
    bool ctrlHeld() const { return ctrl_; }
    void forgetCtrl() { ctrl_ = false; }

private:
    // One grid step at the cursor precision, whole pixels (at least 1); the pointer's step.
    int gridKeyStep() const;
    int pointerStep() const;
    void pointerKey(int arrow);
    void scrollByKey(int key);
    void pasteTick(bool running);

    TForm1& w_;
    QTimer* timer_ = nullptr;
    QTimer* releaseWait_ = nullptr;
    KeyMover mover_;
    KeyReleaseHold hold_;
    bool ctrl_ = false;
    bool keyDuplicate_ = false; // Ctrl was let go while no direction key was held: the key move duplicates
    bool spaceHeld_ = false;
    bool synthesizing_ = false;
    bool pointing_ = false;
};

} // namespace molvane
