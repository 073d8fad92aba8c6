#pragma once
// Scrolling by itself while a button drags something past the view's edges: every 15 ms the view
// scrolls towards the pointer by the set speed (plus a grid step when zoomed in), and the figure being
// drawn or moved follows the pointer.

#include <QPoint>

class QObject;
class QTimer;

namespace molvane {

class TForm1;

class AutoScroll {
public:
    explicit AutoScroll(TForm1& window) : w_(window) {}
    // The timer (owned by the window).
    void createTimer(QObject* owner);
    void start();
    void stop();
    // One pass; pointer in the scroll box's viewport coordinates. True when the view scrolled.
    bool step(QPoint pointer);
    // The last pass scrolled the view: a move of the figure then comes from the scrolling.
    bool scrolled() const { return scrolled_; }

private:
    TForm1& w_;
    QTimer* timer_ = nullptr;
    bool scrolled_ = false;
};

} // namespace molvane
