#include "dialogs/paint_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace molvane {

PaintView::PaintView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void PaintView::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    Canvas canvas(painter, size());
    if (painter_)
        painter_(canvas, e->rect());
}

} // namespace molvane
