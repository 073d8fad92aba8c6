#pragma once
// What a move shows while the selected figures follow the pointer: the figures (fills left out) drawn
// once, in list order, at model scale on a transparent picture, and shown stretched by the zoom at an
// offset, as the view shows the drawing bitmap. However many figures move, a mouse move repaints one
// rectangle where the picture was and one where it goes.

#include "document/environment_settings.h"
#include "document/figure.h"
#include "platform/canvas.h"

#include <QImage>
#include <QRect>

namespace molvane {

class DragLayer {
public:
    // Draws the selected figures of the list other than fills.
    void build(const FigureList& figures, const RenderSettings& settings);
    void clear();

    // How many figures it shows.
    int figureCount() const { return count_; }
    // Where it shows on the view at the zoom, moved by offset (view pixels); empty when it shows none.
    QRect viewRect(int zoom, QPoint offset) const;
    void paint(Canvas& canvas, int zoom, QPoint offset) const;

private:
    QImage picture_;   // ARGB, white made transparent
    QPoint modelTopLeft_;
    int count_ = 0;
};

} // namespace molvane
