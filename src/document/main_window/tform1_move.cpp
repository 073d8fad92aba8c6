// The mouse wheel over the view: it scrolls, or zooms with Ctrl.

#include "document/canvas_geometry.h"
#include "document/figure_commit.h"
#include "document/fill_surroundings.h"
#include "document/geometry.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/move_logic.h"
#include "editing/selection.h"
#include "editing/wheel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace molvane {

bool TForm1::FormMouseWheel(QPoint pointer, int delta)
{
    const QSize view = scrollBox_->viewport()->size();
    if (!QRect(QPoint(0, 0), view).contains(pointer))
        return false;
    const WheelEffect effect = wheelEffect(view, pointer, delta);
    if (effect.zoomStep != 0) {
        ui_.zoomUpDown->step(effect.zoomStep > 0);
        return true;
    }
    const QScrollBar* v = scrollBox_->verticalScrollBar();
    const QScrollBar* h = scrollBox_->horizontalScrollBar();
    // A corner moves both ways, but not past an edge the view already stands at.
    if (effect.dx != 0 && effect.dy != 0) {
        const bool atTop = v->value() <= v->minimum(), atBottom = v->value() >= v->maximum();
        const bool atLeft = h->value() <= h->minimum(), atRight = h->value() >= h->maximum();
        if ((effect.dy < 0 && atTop) || (effect.dy > 0 && atBottom) || (effect.dx > 0 && atRight) ||
            (effect.dx < 0 && effect.dy > 0 && atLeft))
            return true;
    }
    const auto tap = [this](int key) {
        FormKeyDown(key, Qt::NoModifier);
        FormKeyUp(key, Qt::NoModifier);
    };
    if (effect.dy != 0)
        tap(effect.dy < 0 ? Qt::Key_Up : Qt::Key_Down);
    if (effect.dx != 0)
        tap(effect.dx < 0 ? Qt::Key_Left : Qt::Key_Right);
    return true;
}

} // namespace molvane
