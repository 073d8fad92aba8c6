#pragma once
// The rest of a start that the first frame does not need: run once the window's first frame is on
// the screen, so the window shows sooner, or at once when input arrives before that, so nothing the
// user does ever finds the program half started.

#include <QObject>
#include <functional>

class QWidget;

namespace molvane {

class AfterFirstFrame : public QObject {
public:
    // Watches from now on; the window is to be shown after this.
    AfterFirstFrame(QWidget& window, std::function<void()> rest);
    ~AfterFirstFrame() override;

    // Runs the rest now unless it has run.
    void runNow();
    bool done() const { return done_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void stopWatching();

    QWidget& window_;
    std::function<void()> rest_;
    bool done_ = false;
    bool watching_ = false;
};

} // namespace molvane
