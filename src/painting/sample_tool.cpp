#include "painting/sample_tool.h"

#include "painting/picture_frame.h"

namespace molvane {

SampleTool::SampleTool(PaintEnvironment& env, Host host, QImage shown, QPoint at)
    : env_(env), host_(std::move(host)), shown_(std::move(shown)), at_(at)
{
    env_.invalidate(overlayArea());
}

QRect SampleTool::shownRect() const
{
    return QRect(at_, env_.scale().toScreen(shown_.size()));
}

void SampleTool::press(const PointerEvent& e)
{
    if (!visible_)
        return;
    if (!shownRect().contains(e.at)) {
        if (host_.refused)
            host_.refused();
        return;
    }
    grab_ = e.at - at_;
    dragging_ = true;
}

void SampleTool::move(const PointerEvent& e)
{
    if (!dragging_)
        return;
    const QRegion before = overlayArea();
    at_ = e.at - grab_;
    env_.invalidate(before + overlayArea());
}

void SampleTool::release(const PointerEvent& e)
{
    if (!dragging_)
        return;
    move(e);
    dragging_ = false;
    cancel();
    if (host_.placed)
        host_.placed(at_);
}

void SampleTool::cancel()
{
    env_.invalidate(overlayArea());
    dragging_ = false;
    visible_ = false;
}

QRegion SampleTool::overlayArea() const
{
    if (!visible_)
        return {};
    const int reach = kPictureFrameWidth + 1;
    return shownRect().adjusted(-reach, -reach, reach, reach);
}

void SampleTool::paintOverlay(Canvas& canvas, const QRect& exposed) const
{
    if (!visible_ || !exposed.intersects(overlayArea().boundingRect()))
        return;
    const QRect r = shownRect();
    canvas.drawImage(r, shown_);
    paintPictureFrame(canvas, r, PenStyle::Solid);
}

} // namespace molvane
