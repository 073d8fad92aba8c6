#include "dialogs/edge_scroll.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace molvane {

bool scrollTowardPointer(QAbstractScrollArea& box, QPoint pointer, int step)
{
    QScrollBar* h = box.horizontalScrollBar();
    QScrollBar* v = box.verticalScrollBar();
    const QPoint before(h->value(), v->value());
    const QSize client = box.viewport()->size();
    if (pointer.x() < 0)
        h->setValue(h->value() - step);
    else if (pointer.x() > client.width())
        h->setValue(h->value() + step);
    if (pointer.y() < 0)
        v->setValue(v->value() - step);
    else if (pointer.y() > client.height())
        v->setValue(v->value() + step);
    return QPoint(h->value(), v->value()) != before;
}

} // namespace molvane
