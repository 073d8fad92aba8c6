// The picture import window's view: the picture at the zoom over the background colour, the cut-out
// line drawn inverted while it is dragged, the dot that follows the pointer, the keys, the wheel and the
// scroll while dragging outside the view.

#include "pictures/tform_picture_select.h"

#include "dialogs/edge_scroll.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

namespace molvane {

int TFormPictureSelect::toView(int p) const
{
    const int z = zoom();
    if (z >= 100)
        return int((qint64(p) * z + 99) / 100);
    return int(std::nearbyint(double(p) * z / 100.0));
}

int TFormPictureSelect::toPicture(int v) const
{
    return int(qint64(v) * 100 / zoom());
}

void TFormPictureSelect::layOut()
{
    const int z = zoom();
    const auto scaled = [z](int n) { return int(std::nearbyint(double(n) * z / 100.0)); };
    view_->setFixedSize(scaled(edit_.width()), scaled(edit_.height()));
    view_->update();
}

void TFormPictureSelect::applyZoom()
{
    if (edit_.isNull())
        return;
    QScrollBar* h = scrollBox_->horizontalScrollBar();
    QScrollBar* v = scrollBox_->verticalScrollBar();
    const QPoint scrolled(h->value(), v->value());
    const QSize before = view_->size();
    layOut();
    const QSize after = view_->size();
    // A scrolled view stays centred: half the growth is added.
    if (scrolled.x() > 0)
        h->setValue(scrolled.x() + (after.width() - before.width()) / 2);
    if (scrolled.y() > 0)
        v->setValue(scrolled.y() + (after.height() - before.height()) / 2);
}

void TFormPictureSelect::paintView(Canvas& canvas, const QRect& exposed)
{
    canvas.fillRect(exposed, backColour_);
    if (!edit_.isNull()) {
        if (shown_.isNull() || shownKey_ != edit_.cacheKey()) {
            shown_ = whiteAsTransparent(edit_);
            shownKey_ = edit_.cacheKey();
        }
        canvas.drawImage(QRect(QPoint(0, 0), view_->size()), shown_);
    }
    paintLine(canvas);
}

void TFormPictureSelect::paintLine(Canvas& canvas) const
{
    const CanvasPen pen = canvas.pen();
    const CanvasBrush brush = canvas.brush();
    const PenMode mode = canvas.penMode();
    canvas.setPen({lineColour_, std::max(1, lineWidth_ * zoom() / 100), PenStyle::Solid});
    canvas.setBrush({lineColour_, BrushStyle::Clear});
    canvas.setPenMode(PenMode::NotXor);
    if (line_.exists()) {
        QPolygon shown;
        for (const QPoint& p : line_.points)
            shown << QPoint(toView(p.x()), toView(p.y()));
        CutLine onView = line_;
        onView.points = shown;
        canvas.drawPath(onView.stroke(), false);
    }
    // The dot of the line's width that follows the pointer while nothing is dragged.
    if (!dragging_ && pointer_.x() >= 0)
        canvas.line(pointer_, pointer_);
    canvas.setPen(pen);
    canvas.setBrush(brush);
    canvas.setPenMode(mode);
}

void TFormPictureSelect::Image1MouseDown(QMouseEvent* e)
{
    view_->setFocus();
    if (e->button() != Qt::LeftButton || edit_.isNull())
        return;
    const QPoint at = pictureAt(e->position().toPoint());
    line_.points.clear();
    line_.points << at;
    if (line_.shape != CutShape::Free)
        line_.points << at;
    line_.box = QRect(at, at);
    lastLineArea_ = QRect();
    dragging_ = true;
    autoScrollTimer_->start();
    view_->update();
}

void TFormPictureSelect::Image1MouseMove(QMouseEvent* e)
{
    const QPoint viewAt = e->position().toPoint();
    if (!dragging_) {
        // Only the dot that follows the pointer changes: its old and new places are painted again.
        const int reach = std::max(1, lineWidth_ * zoom() / 100) / 2 + 2;
        const auto dot = [reach](QPoint p) { return QRect(p, p).adjusted(-reach, -reach, reach, reach); };
        QRegion changed = dot(viewAt);
        if (pointer_.x() >= 0)
            changed += dot(pointer_);
        pointer_ = viewAt;
        view_->update(changed);
        return;
    }
    const QPoint at = pictureAt(viewAt);
    line_.box = line_.box.united(QRect(at, at));
    if (line_.shape == CutShape::Free) {
        line_.points << at;
    } else if (e->modifiers() & Qt::ShiftModifier) {
        // A square or a circle: the larger of the two distances on both axes, each with its own sign.
        const QPoint first = line_.points.front();
        const int dx = at.x() - first.x(), dy = at.y() - first.y();
        const int d = std::max(std::abs(dx), std::abs(dy));
        line_.points.back() = first + QPoint(dx >= 0 ? d : -d, dy >= 0 ? d : -d);
    } else {
        line_.points.back() = at;
    }
    // Only where the line was and is now: it lies within the box of its points (a square's corner may
    // pass the pointer's box).
    const QRect area = line_.points.boundingRect() | line_.box;
    const int reach = std::max(1, lineWidth_ * zoom() / 100) + 2;
    const QRect now = QRect(QPoint(toView(area.left()), toView(area.top())),
                            QPoint(toView(area.right() + 1), toView(area.bottom() + 1)))
                          .adjusted(-reach, -reach, reach, reach);
    view_->update(now | lastLineArea_);
    lastLineArea_ = now;
}

void TFormPictureSelect::Image1MouseUp(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    autoScrollTimer_->stop();
    view_->update();
}

bool TFormPictureSelect::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ShiftModifier)
        return false;
    QScrollBar* h = scrollBox_->horizontalScrollBar();
    QScrollBar* v = scrollBox_->verticalScrollBar();
    switch (key) {
    case Qt::Key_Left: h->setValue(h->value() - h->singleStep()); return true;
    case Qt::Key_Right: h->setValue(h->value() + h->singleStep()); return true;
    case Qt::Key_Up: v->setValue(v->value() - v->singleStep()); return true;
    case Qt::Key_Down: v->setValue(v->value() + v->singleStep()); return true;
    default: return false;
    }
}

bool TFormPictureSelect::FormMouseWheel(QPoint pointer, int delta)
{
    const QSize box = scrollBox_->viewport()->size();
    if (!QRect(QPoint(0, 0), box).contains(pointer))
        return false;
    const int w = box.width(), hgt = box.height();
    const int column = pointer.x() < w / 3 ? 0 : pointer.x() > w - w / 3 ? 2 : 1;
    const int row = pointer.y() < hgt / 3 ? 0 : pointer.y() > hgt - hgt / 3 ? 2 : 1;
    const bool forward = delta > 0;
    if (column == 1 && row == 1) {
        zoomUpDown_->setValue(zoomUpDown_->value() + (forward ? 1 : -1) * zoomUpDown_->increment());
        return true;
    }
    // Forward scrolls up or left, backward down or right; the top-right and bottom-left corners go up and
    // right, or down and left.
    const int sign = forward ? -1 : 1;
    const int dy = row == 1 ? 0 : sign;
    const bool rising = (column == 2 && row == 0) || (column == 0 && row == 2);
    const int dx = column == 1 ? 0 : rising ? -sign : sign;
    QScrollBar* h = scrollBox_->horizontalScrollBar();
    QScrollBar* v = scrollBox_->verticalScrollBar();
    h->setValue(h->value() + dx * h->singleStep());
    v->setValue(v->value() + dy * v->singleStep());
    return true;
}

void TFormPictureSelect::autoScrollStep()
{
    if (!dragging_) {
        autoScrollTimer_->stop();
        return;
    }
    const QPoint pointer = scrollBox_->viewport()->mapFromGlobal(QCursor::pos());
    scrollTowardPointer(*scrollBox_, pointer, zoom() > 100 ? 2 : 1);
}

bool TFormPictureSelect::event(QEvent* e)
{
    // The controls' hints show in the window's own status bar while it is shown.
    if (e->type() == QEvent::StatusTip) {
        status_->showMessage(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QDialog::event(e);
}

void TFormPictureSelect::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    qApp->installEventFilter(this);
}

void TFormPictureSelect::hideEvent(QHideEvent* e)
{
    qApp->removeEventFilter(this);
    pointer_ = {-1, -1};
    QDialog::hideEvent(e);
}

bool TFormPictureSelect::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Wheel && (watched == view_ || watched == scrollBox_->viewport())) {
        auto* wheel = static_cast<QWheelEvent*>(e);
        return FormMouseWheel(scrollBox_->viewport()->mapFromGlobal(wheel->globalPosition().toPoint()),
                              wheel->angleDelta().y());
    }
    if (e->type() == QEvent::Leave && watched == view_) {
        pointer_ = {-1, -1};
        view_->update();
    }
    if (e->type() == QEvent::KeyPress && isVisible()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && widget == QApplication::focusWidget() &&
            !qobject_cast<QLineEdit*>(widget)) {
            auto* key = static_cast<QKeyEvent*>(e);
            return FormKeyDown(key->key(), key->modifiers());
        }
    }
    return QDialog::eventFilter(watched, e);
}

} // namespace molvane
