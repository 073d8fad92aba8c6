#include "app/after_first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace molvane {

namespace {

// A window that is never exposed (started minimised, say) still finishes its start soon.
constexpr int kLatestMs = 1000;

// Input that can start a command. A pointer merely passing over the window as it appears is not: the
// rest would then run before the first frame, which is what it waits for.
bool startsACommand(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::TabletPress:
    case QEvent::TouchBegin:
    case QEvent::Close: return true;
    default: return false;
    }
}

} // namespace

AfterFirstFrame::AfterFirstFrame(QWidget& window, std::function<void()> rest)
    : window_(window), rest_(std::move(rest))
{
    QCoreApplication::instance()->installEventFilter(this);
    watching_ = true;
    QTimer::singleShot(kLatestMs, this, &AfterFirstFrame::runNow);
}

AfterFirstFrame::~AfterFirstFrame()
{
    stopWatching();
}

void AfterFirstFrame::stopWatching()
{
    if (watching_)
        QCoreApplication::instance()->removeEventFilter(this);
    watching_ = false;
}

void AfterFirstFrame::runNow()
{
    if (done_)
        return;
    done_ = true;
    stopWatching();
    rest_();
}

bool AfterFirstFrame::eventFilter(QObject* watched, QEvent* e)
{
    if (done_)
        return false;
    if (startsACommand(e->type())) {
        runNow(); // before the input reaches anything
    } else if (e->type() == QEvent::Expose && watched == window_.windowHandle() &&
               window_.windowHandle()->isExposed()) {
        // The expose paints and flushes the frame before the event loop comes to the timer.
        QTimer::singleShot(0, this, &AfterFirstFrame::runNow);
    }
    return false;
}

} // namespace molvane
