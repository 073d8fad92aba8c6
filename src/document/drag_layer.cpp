#include "document/drag_layer.h"

#include "document/figure_renderer.h"
#include "document/geometry.h"

namespace molvane {

void DragLayer::build(const FigureList& figures, const RenderSettings& settings)
{
    clear();
    QRect reach;
    for (const TFigure& f : figures)
        if (f.selected && f.kind != fkNuri) {
            reach |= f.occupiedRect().adjusted(-1, -1, 1, 1);
            ++count_;
        }
    if (count_ == 0)
        return;
    QImage paper(reach.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    {
        Canvas canvas(paper);
        canvas.setOrigin(-reach.topLeft());
        for (const TFigure& f : figures) {
            if (!f.selected || f.kind == fkNuri)
                continue;
            TFigure shown = f;
            shown.selected = false;
            renderFigure(shown, {canvas, true, 100, settings});
        }
    }
    // White is the paper: the drawing under the moving figures shows through it. Every pixel is then
    // either opaque or 0, which is the same in premultiplied form, the one painters blend fastest.
    picture_ = whiteAsTransparent(paper);
    picture_.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    modelTopLeft_ = reach.topLeft();
}

void DragLayer::clear()
{
    picture_ = QImage();
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
