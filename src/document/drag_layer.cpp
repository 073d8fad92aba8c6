#include "document/drag_layer.h"

#include "document/figure_renderer.h"
#include "document/geometry.h"

namespace molvane {

namespace {

bool isShown(const TFigure& f)
{
    return f.selected && f.kind != fkNuri;
}

} // namespace

void DragLayer::build(const FigureList& figures, const RenderSettings& settings, const QRect& canvas)
{
    clear();
    for (const TFigure& f : figures)
        if (isShown(f)) {
            reach_ |= f.occupiedRect().adjusted(-1, -1, 1, 1);
            ++count_;
        }
    settings_ = settings;
    canvas_ = canvas;
    if (count_ > 0)
        drawAround(figures, {});
}

bool DragLayer::follow(const FigureList& figures, QPoint modelOffset)
{
    // A pixel more on each side than shows: the view rounds the offset to model pixels.
    const QRect shows = canvas_.translated(-modelOffset).adjusted(-1, -1, 1, 1) & reach_;
    if (count_ == 0 || shows.isEmpty() || QRect(modelTopLeft_, picture_.size()).contains(shows))
        return false;
    drawAround(figures, modelOffset);
    return true;
}

void DragLayer::drawAround(const FigureList& figures, QPoint modelOffset)
{
    // Room for a quarter of the canvas's size to each side, so that a drag rarely draws again.
    const int dx = canvas_.width() / 4 + 1, dy = canvas_.height() / 4 + 1;
    const QRect area = canvas_.translated(-modelOffset).adjusted(-dx, -dy, dx, dy) & reach_;
    if (area.isEmpty()) {
        picture_ = QImage();
        modelTopLeft_ = reach_.topLeft();
        return;
    }
    QImage paper(area.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    {
        Canvas canvas(paper);
        canvas.setOrigin(-area.topLeft());
        for (const TFigure& f : figures) {
            if (!isShown(f))
                continue;
            TFigure shown = f;
            shown.selected = false;
            renderFigure(shown, {canvas, true, 100, settings_});
        }
    }
    // White is the paper: the drawing under the moving figures shows through it. Every pixel is then
    // either opaque or 0, which is the same in premultiplied form, the one painters blend fastest.
    whiteAsTransparent(paper, picture_);
    picture_.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    modelTopLeft_ = area.topLeft();
}

void DragLayer::clear()
{
    picture_ = QImage();
    reach_ = QRect();
    count_ = 0;
}

QRect DragLayer::viewRect(int zoom, QPoint offset) const
{
    if (picture_.isNull())
        return {};
    const QPoint topLeft = toScreen(modelTopLeft_, zoom);
    const QPoint beyond = toScreen(modelTopLeft_ + QPoint(picture_.width(), picture_.height()), zoom);
    return QRect(topLeft, beyond - QPoint(1, 1)).translated(offset);
}

void DragLayer::paint(Canvas& canvas, int zoom, QPoint offset) const
{
    if (!picture_.isNull())
        canvas.drawImage(viewRect(zoom, offset), picture_);
}

} // namespace molvane
