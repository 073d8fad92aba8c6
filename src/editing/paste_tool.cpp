#include "editing/paste_tool.h"

#include "document/canvas_geometry.h"
#include "document/figure_commit.h"
#include "document/geometry.h"
#include "document/picture_figure.h"

#include <algorithm>
#include <cmath>

namespace molvane {

namespace {

constexpr const char* kDragTheFrame = "枠をドラッグして，描画位置を決めて下さい。";

} // namespace

PasteTool::PasteTool(CanvasEnvironment& env, PlacingEnvironment& window, const FigureRegion& region)
    : env_(env), window_(window)
{
    // The offset keeps the placed figures where the copied ones stood against the precision grid.
    const double step = snapStep(env_.drawing().settings.masuHaba, 100, env_.precision());
    const double s = env_.keyboardPointing() ? 1.0 : step;
    offset_ = QPoint(int(std::lround(s * std::nearbyint(region.left / s))) - region.left,
                     int(std::lround(s * std::nearbyint(region.top / s))) - region.top);
    centreFrame();
}

PasteTool::PasteTool(CanvasEnvironment& env, PlacingEnvironment& window, WaitingPicture picture)
    : env_(env), window_(window), picture_(std::move(picture))
{
    const QImage& p = picture_->picture;
    const Drawing& d = env_.drawing();
    if (!picture_->sample)
        sizeOffset_ = pictureSizeOffset(p.size(), 0, env_.conditions().sizeStep, d.renderSettings());
    preview_ = p.convertToFormat(QImage::Format_RGB32);
    Canvas canvas(preview_);
    canvas.setPen({clRed, 1, PenStyle::Dot});
    canvas.setBrush({clRed, BrushStyle::Clear});
    canvas.rectangle({0, 0}, {p.width() - 1, p.height() - 1});
    canvas.flush();
    centreFrame();
}

void PasteTool::centreFrame()
{
    const QRect visible = window_.visibleArea();
    const QSize frame = frameSize();
    const QPoint centre((visible.width() - frame.width()) / 2 + visible.left(),
                        (visible.height() - frame.height()) / 2 + visible.top());
    corner_ = env_.snapPlain(centre);
}

QSize PasteTool::frameSize() const
{
    const QSize model = picture_ ? picture_->picture.size() + 2 * QSize(sizeOffset_.x(), sizeOffset_.y())
                                 : env_.drawing().pasteImage.size();
    return {std::max(1, toScreen(model.width(), env_.zoom())),
            std::max(1, toScreen(model.height(), env_.zoom()))};
}

QRect PasteTool::frameRect() const
{
    if (!shown_)
        return {};
    return QRect(corner_ - toScreen(offset_, env_.zoom()), frameSize());
}

void PasteTool::press(const PointerEvent& e)
{
    if (!shown_)
        return;
    if (!frameRect().contains(e.at)) {
        env_.prompts().beep(BeepKind::Asterisk);
        env_.prompts().message(QString::fromUtf8(kDragTheFrame), MessageType::Warning, MessageButtons::Ok);
        return;
    }
    grip_ = e.at - corner_;
    dragging_ = true;
}

void PasteTool::move(const PointerEvent& e)
{
    if (dragging_)
        moveTo(env_.snapPlain(e.at - grip_));
}

void PasteTool::release(const PointerEvent&)
{
    if (dragging_)
        place();
    dragging_ = false;
}

bool PasteTool::rightPress(QPoint at)
{
    const QRect frame = frameRect();
    hide();
    if (!frame.contains(at))
        return false;
    window_.openCanvasMenu(frame.topLeft());
    return true;
}

void PasteTool::keyStep(QPoint offset)
{
    if (!keyStepped_) {
        // The keys move the frame from its corner on.
        window_.erasePointerMarks();
        grip_ = {};
        keyStepped_ = true;
    }
    moveTo(env_.snapPlain(corner_ + offset));
}

void PasteTool::keysReleased()
{
    corner_ = env_.snapPlain(corner_);
    place();
}

void PasteTool::moveTo(QPoint corner)
{
    const QRect before = frameRect();
    corner_ = corner;
    const QRect r = frameRect();
    env_.invalidate(QRegion(before) + r);
    window_.showStatus(QStringLiteral("%1, X=%2, Y=%3, W=%4, H=%5, 図形総数=%6")
                        .arg(window_.returnToolName())
                        .arg(r.left())
                        .arg(r.top())
                        .arg(r.width())
                        .arg(r.height())
                        .arg(env_.drawing().figures.size()));
}

void PasteTool::hide()
{
    if (!shown_)
        return;
    takeDown();
    window_.placingEnded();
}

void PasteTool::takeDown()
{
    env_.invalidate(frameRect());
    shown_ = false;
    dragging_ = false;
    Drawing& d = env_.drawing();
    d.pasteList.clear();
    d.pasteImage = QImage();
}

void PasteTool::place()
{
    Drawing& d = env_.drawing();
    const QPoint at = frameRect().topLeft();
    if (picture_ && picture_->sample) {
        takeDown();
        window_.samplePlaced(QRect(toModel(at, env_.zoom()), picture_->picture.size()));
        return;
    }
    if (picture_) {
        placePicture(at);
        return;
    }
    const FigureList waiting = d.pasteList;
    d.clearSelection();
    hide();
    placeFigures(d.figures, d.bitmap(), waiting, at, env_.zoom(),
                 d.settings.smallMoveOneDot && env_.keyboardPointing(), d.lastRecorded, d.renderSettings());
    d.pushHistory();
    d.rebuildBitmap();
    window_.figuresPlaced();
}

void PasteTool::placePicture(QPoint at)
{
    Drawing& d = env_.drawing();
    d.clearSelection();
    takeDown();
    DrawingConditions c = env_.conditions();
    c.kind = fkPicture;
    c.text = picture_->name;
    FinishInputs in;
    in.zoom = env_.zoom();
    in.mouseDown = in.mouseUp = at;
    in.fineMoveActive = d.settings.smallMoveOneDot && env_.keyboardPointing();
    in.picturePendingOffset = sizeOffset_;
    in.picture = picture_->picture;
    in.pictureFileName = picture_->name;
    in.cursorPrecision = env_.precision();
    commitFinishedFigure(d.figures, d.bitmap(), finishFigure(createFigure(c, at, at), in), d.lastRecorded,
                         d.renderSettings());
    d.pushHistory();
    window_.picturePlaced();
}

QRegion PasteTool::overlayArea() const
{
    return frameRect();
}

void PasteTool::paintOverlay(Canvas& canvas, const QRect& exposed) const
{
    const QRect r = frameRect();
    if (r.isNull() || !r.intersects(exposed))
        return;
    const QImage& picture = picture_ ? preview_ : env_.drawing().pasteImage;
    if (scaledZoom_ != env_.zoom() || scaled_.isNull() || scaledKey_ != picture.cacheKey()) {
        scaled_ = picture.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        scaledZoom_ = env_.zoom();
        scaledKey_ = picture.cacheKey();
    }
    canvas.drawImage(r, scaled_, {}, false, picture_.has_value());
}

} // namespace molvane
