#pragma once
// 見本 while it is being placed: the sample floats over the view at the view's scale, inside a red
// frame. A press on it drags it, a press elsewhere on the canvas is refused (the window says how to
// place it), and the release fixes its place.

#include "painting/paint_tool.h"

#include <QImage>
#include <functional>

namespace molvane {

class SampleTool : public PaintTool {
public:
    struct Host {
        std::function<void()> refused;
        // The sample's top-left corner on the view when it was let go (view pixels).
        std::function<void(QPoint)> placed;
    };

    // shown: the picture as it floats (pure white already transparent); at: its first place (view pixels).
    SampleTool(PaintEnvironment& env, Host host, QImage shown, QPoint at);

    void press(const PointerEvent& e) override;
    void move(const PointerEvent& e) override;
    void release(const PointerEvent& e) override;
    bool dragging() const override { return dragging_; }
    void cancel() override;
    QRegion overlayArea() const override;
    void paintOverlay(Canvas& canvas, const QRect& exposed) const override;

    QRect shownRect() const;

private:
    PaintEnvironment& env_;
    Host host_;
    QImage shown_;
    QPoint at_;
    QPoint grab_; // the pressed point relative to at_
    bool dragging_ = false;
    bool visible_ = true;
};

} // namespace molvane
