#include "document/main_window/auto_scroll.h"

#include "dialogs/edge_scroll.h"
#include "document/main_window/tform1.h"

#include <QCursor>
#include <QScrollBar>
#include <QTimer>

namespace molvane {

void AutoScroll::createTimer(QObject* owner)
{
    timer_ = new QTimer(owner);
    timer_->setInterval(15);
    QObject::connect(timer_, &QTimer::timeout, owner,
                     [this] { step(w_.scrollBox_->viewport()->mapFromGlobal(QCursor::pos())); });
}

void AutoScroll::start()
{
    if (!timer_->isActive())
        timer_->start();
}

void AutoScroll::stop()
{
    timer_->stop();
}

bool AutoScroll::step(QPoint pointer)
{
    if (!w_.tools_.gestureActive()) {
        timer_->stop();
        return false;
    }
    const int step =
        w_.drawing_.settings.autoScrollSpeed + (w_.zoom() > 100 ? w_.drawing_.settings.masuHaba : 0);
    const bool wasScrolled = scrolled_;
    scrolled_ = scrollTowardPointer(*w_.scrollBox_, pointer, step);
    if (!scrolled_ && !wasScrolled)
        return false;
    // Follow the pointer with the figure being drawn or moved.
    if (CanvasTool* tool = w_.tools_.activeTool())
        tool->autoScrolled(w_.snap(w_.view_->mapFrom(w_.scrollBox_->viewport(), pointer)));
    return scrolled_;
}

} // namespace molvane
