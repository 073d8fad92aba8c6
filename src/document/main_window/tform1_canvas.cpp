// The canvas of the main window: zoom, canvas size, snapping, cursor marks and the status position.

#include "document/canvas_geometry.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

namespace molvane {

namespace {

// The name a tool shows in the status bar: the part of its button's hint before " … ".
QString toolName(EditMode mode, const QMap<int, QToolButton*>& buttons)
{
    if (mode == EditMode::PicturePlacing)
        return QStringLiteral("画像");
    if (isRangeMode(mode))
        return QStringLiteral("選択モード（範囲）");
    if (mode == EditMode::Individual)
        return QStringLiteral("選択モード");
    const auto it = buttons.constFind(int(mode));
    if (it == buttons.constEnd())
        return {};
    static const QString separator = QString::fromUtf8(texts::kHintSeparator);
    const QString hint = (*it)->toolTip();
    return hint.left(hint.indexOf(separator)); // all of it without a separator
}

} // namespace

double TForm1::snapStepNow() const
{
    // Keyboard pointing, free curves, fills and tip picking go pixel by pixel.
    const EditMode m = mode_;
    if (keys_.pointing() || m == EditMode::Free || m == EditMode::Fill || m == EditMode::Connect ||
        m == EditMode::Disconnect || tools_.selection().drawingLasso())
        return 1.0;
    return snapStep(drawing_.settings.masuHaba, zoom(), precision());
}

QPoint TForm1::snap(QPoint screen) const { return snapPoint(screen, snapStepNow()); }

void TForm1::setZoomValue(int zoom)
{
    QScrollBar* bars[2] = {scrollBox_->horizontalScrollBar(), scrollBox_->verticalScrollBar()};
    const QSize oldSize = view_->size();
    const int oldPositions[2] = {bars[0]->value(), bars[1]->value()};
    view_->setZoom(zoom);
    previousZoom_ = zoom;
    const QSize newSize = view_->size();
    // The scroll bars learn the new range from the layout; let it run before moving them.
    QApplication::sendPostedEvents(scrollBox_, QEvent::LayoutRequest);
    scrollBox_->widget()->updateGeometry();
    bars[0]->setRange(0, std::max(0, newSize.width() - scrollBox_->viewport()->width()));
    bars[1]->setRange(0, std::max(0, newSize.height() - scrollBox_->viewport()->height()));
    bars[0]->setValue(rescrolled(oldPositions[0], oldSize.width(), newSize.width()));
    bars[1]->setValue(rescrolled(oldPositions[1], oldSize.height(), newSize.height()));
}

void TForm1::UpDown2Click(bool)
{
    view_->eraseMarks();
    setZoomValue(ui_.zoomUpDown->value());
}

void TForm1::applyCanvasSize()
{
    QScrollBar* h = scrollBox_->horizontalScrollBar();
    QScrollBar* v = scrollBox_->verticalScrollBar();
    const int keptH = h->value(), keptV = v->value();
    drawing_.setCanvasSize({ui_.udWidth->value(), ui_.udHeight->value()});
    view_->updateSize();
    view_->setZoom(zoom());
    QApplication::sendPostedEvents(scrollBox_, QEvent::LayoutRequest);
    h->setRange(0, std::max(0, view_->width() - scrollBox_->viewport()->width()));
    v->setRange(0, std::max(0, view_->height() - scrollBox_->viewport()->height()));
    h->setValue(keptH);
    v->setValue(keptV);
}

void TForm1::applyCanvasSizeIfChanged()
{
    if (QSize(ui_.udWidth->value(), ui_.udHeight->value()) != drawing_.bitmap().size())
        applyCanvasSize();
}

CursorMarkStyle TForm1::markStyleFor(EditMode m) const
{
    const EnvironmentSettings& s = drawing_.settings;
    CursorMarkStyle style;
    const bool precisionTool = (m >= EditMode::Text && m <= EditMode::Stereo) || m == EditMode::Orbital ||
                               m == EditMode::Circle;
    style.precisionMark = precisionTool && s.showSeidoCursor;
    const bool rangeDown = ui_.toolButtons.value(kRectRangeTag) && ui_.toolButtons.value(kRectRangeTag)->isChecked();
    style.crossHair = s.crossCursorMode == 1 || (s.crossCursorMode == 2 && rangeDown);
    style.selectionPen = m == EditMode::RangeSelected || m == EditMode::Individual || m == EditMode::Moving ||
                         isPlacing(m);
    return style;
}

QString TForm1::toolNameOf(EditMode mode) const
{
    return toolName(mode, ui_.toolButtons);
}

void TForm1::updateStatusPosition(QPoint screen)
{
    QPoint at = screen;
    QSize size(0, 0);
    tools_.selection().statusBox(at, size);
    // A label repaints only when its text changes.
    ui_.statusPanel1->setText(QStringLiteral("X=%1, Y=%2, W=%3, H=%4, %5")
                               .arg(at.x())
                               .arg(at.y())
                               .arg(size.width())
                               .arg(size.height())
                               .arg(toolName(returnMode_, ui_.toolButtons)));
}

} // namespace molvane
