// The picture editor's transforms of a shown picture: its handles for stretching (the corners keep the
// proportions, dragging past the opposite edge mirrors it), turning in steps of 5 degrees from the same
// source, and mirroring.

#include "picture_editor/tform_picture_editor.h"

#include "painting/picture_transform.h"
#include "platform/cursors.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <utility>

namespace molvane {

namespace {

constexpr int kFrame = 3;
constexpr double kTurnStep = 5.0; // degrees

// The direction from one point to another in degrees, counter-clockwise on screen.
double directionOf(QPoint from, QPoint to)
{
    return qRadiansToDegrees(std::atan2(double(from.y() - to.y()), double(to.x() - from.x())));
}

} // namespace

void TFormPictureEditor::showPicture(FloatingPicture& shown, const QImage& image)
{
    shown.picture = image;
    whiteAsTransparent(image, shown.shown);
}

void TFormPictureEditor::setTransform(Transform transform)
{
    // Nothing to act on: the tool comes back.
    transform_ = current_ && current_->visible ? transform : Transform::None;
    controls_.view->setCursor(canvasCursor());
    pointerOnBox_ = false;
    controls_.view->update();
}

std::vector<QRect> TFormPictureEditor::handleRects() const
{
    if (!current_ || !current_->visible || current_->dragging || transform_ == Transform::None)
        return {};
    if (current_->transforming) {
        // Only the dragged handle shows, and it follows the pointer.
        std::vector<QRect> handles(8);
        handles[std::size_t(handle_)] = handleShown_;
        return handles;
    }
    const QRect r = shownRect(*current_);
    const int s = std::clamp(scale().toScreen(12), 6, 12);
    const int l = r.left(), t = r.top(), w = r.width(), h = r.height();
    const QPoint at[8] = {{l - s - kFrame, t + (h - s) / 2},        {l + w + kFrame, t + (h - s) / 2},
                          {l + (w - s) / 2, t - s - kFrame},        {l + (w - s) / 2, t + h + kFrame},
                          {l - s - kFrame + 1, t - s - kFrame + 1}, {l + w + kFrame - 1, t - s - kFrame + 1},
                          {l - s - kFrame + 1, t + h + kFrame - 1}, {l + w + kFrame - 1, t + h + kFrame - 1}};
    const int first = transform_ == Transform::Rotate ? 4 : 0;
    const int last = transform_ == Transform::Reverse ? 4 : 8;
    std::vector<QRect> handles(8);
    for (int i = first; i < last; ++i)
        handles[std::size_t(i)] = QRect(at[i], QSize(s, s));
    return handles;
}

bool TFormPictureEditor::pressOnHandle(QPoint at)
{
    const std::vector<QRect> handles = handleRects();
    for (std::size_t i = 0; i < handles.size(); ++i) {
        if (handles[i].isNull() || !handles[i].contains(at))
            continue;
        FloatingPicture& shown = *current_;
        if (transform_ == Transform::Reverse) {
            const bool across = i < 2;
            showPicture(shown, shown.picture.mirrored(across, !across));
            shown.turned = false;
            controls_.view->update();
            return true;
        }
        handle_ = int(i);
        handlePress_ = handleGrabAt_ = at;
        handleGrabbed_ = handleShown_ = handles[i];
        handleStart_ = shownRect(shown);
        shown.viewRect = handleStart_;
        shown.transforming = true;
        if (transform_ == Transform::Rotate) {
            // Turns that follow each other start from the same picture. After another transform or
            // a zoom the picture as it is now is the new start, and it already holds the earlier
            // turns: counting them again would make it jump on the first move.
            if (!shown.turned) {
                shown.source = shown.picture;
                shown.angle = 0;
            }
            rotateCentre_ =
                handleStart_.topLeft() + QPoint(handleStart_.width() / 2, handleStart_.height() / 2);
        }
        return true;
    }
    return false;
}

void TFormPictureEditor::moveHandle(QPoint at)
{
    if (handle_ < 0 || !current_)
        return;
    FloatingPicture& shown = *current_;
    const QRect before = shown.viewRect.normalized();
    // The handle follows the pointer, whether or not the picture changes.
    const QRect handleBefore = std::exchange(handleShown_, handleGrabbed_.translated(at - handleGrabAt_));
    controls_.view->update(QRegion(handleBefore) + handleShown_);
    if (transform_ == Transform::Reform) {
        const bool tall = shown.canvasSize.width() < shown.canvasSize.height();
        const StretchRect r = stretchedRect(StretchHandle(handle_), handleStart_, at - handlePress_, tall);
        shown.viewRect = QRect(r.left, r.top, r.width, r.height);
    } else {
        double turn = directionOf(rotateCentre_, handlePress_) - directionOf(rotateCentre_, at);
        turn = std::remainder(turn, 360.0);
        if (std::abs(turn) < kTurnStep)
            return;
        handlePress_ = at;
        shown.angle += qDegreesToRadians(turn);
        showPicture(shown, rotatePicture(shown.source, shown.angle, toQRgb(kTransparentWhite)));
        // One view pixel per picture pixel, about the same centre.
        const QSize size = shown.picture.size();
        shown.viewRect = QRect(rotateCentre_ - QPoint(size.width() / 2, size.height() / 2), size);
        shown.turned = true;
    }
    controls_.view->update(QRegion(before.adjusted(-20, -20, 20, 20)) +
                           shown.viewRect.normalized().adjusted(-20, -20, 20, 20));
}

void TFormPictureEditor::releaseHandle()
{
    if (handle_ < 0 || !current_)
        return;
    FloatingPicture& shown = *current_;
    QRect r = shown.viewRect;
    if (transform_ == Transform::Reform) {
        // Dragged past the opposite edge: the picture is mirrored that way.
        if (r.width() < 0) {
            r = QRect(r.left() + r.width(), r.top(), -r.width(), r.height());
            showPicture(shown, shown.picture.mirrored(true, false));
        }
        if (r.height() < 0) {
            r = QRect(r.left(), r.top() + r.height(), r.width(), -r.height());
            showPicture(shown, shown.picture.mirrored(false, true));
        }
        shown.turned = false;
    } else if (shown.turned) {
        const CroppedPicture cropped = cropToOpaque(shown.picture, toQRgb(kTransparentWhite));
        showPicture(shown, cropped.picture);
        r = QRect(r.topLeft() + cropped.offset, cropped.picture.size());
    }
    const PaintViewScale s = scale();
    shown.canvasSize = QSize(std::max(1, s.toCanvas(r.width())), std::max(1, s.toCanvas(r.height())));
    shown.canvasPos = s.toCanvas(r.topLeft());
    shown.independent = r.size();
    shown.transforming = false;
    handle_ = -1;
    controls_.view->update();
}

void TFormPictureEditor::showPointerCursor(QPoint at)
{
    const std::vector<QRect> handles = transform_ != Transform::None ? handleRects() : std::vector<QRect>{};
    for (std::size_t i = 0; i < handles.size(); ++i) {
        if (handles[i].isNull() || !handles[i].contains(at))
            continue;
        // Sides west-east or north-south, corners along their diagonal; turning: ROTATE2 on the left.
        static const Qt::CursorShape shapes[8] = {
            Qt::SizeHorCursor,   Qt::SizeHorCursor,   Qt::SizeVerCursor,   Qt::SizeVerCursor,
            Qt::SizeFDiagCursor, Qt::SizeBDiagCursor, Qt::SizeBDiagCursor, Qt::SizeFDiagCursor};
        if (transform_ == Transform::Rotate)
            controls_.view->setCursor(cursorFor(i == 4 || i == 6 ? crRotate2 : crRotate));
        else
            controls_.view->setCursor(shapes[i]);
        return;
    }
    // Over the scroll box beyond the canvas the tools do not reach.
    const bool onBox = !canvasView().contains(at) && !(paste_.visible && shownRect(paste_).contains(at)) &&
                       !(face_.visible && shownRect(face_).contains(at));
    if (onBox != pointerOnBox_ || transform_ != Transform::None) {
        pointerOnBox_ = onBox;
        controls_.view->setCursor(onBox ? QCursor(Qt::ArrowCursor) : canvasCursor());
    }
}

void TFormPictureEditor::paintHandles(Canvas& canvas) const
{
    for (const QRect& handle : handleRects())
        if (!handle.isNull())
            canvas.fillRect(handle, clRed);
}

} // namespace molvane
