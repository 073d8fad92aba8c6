#pragma once
// What a move shows while the selected figures follow the pointer: the figures (fills left out) drawn
// once, in list order, at model scale on a transparent picture, and shown stretched by the zoom at an
// offset, as the view shows the drawing bitmap. However many figures move, a mouse move repaints one
// rectangle where the picture was and one where it goes.
// The picture holds only the part of the figures that can show on the canvas at the offset (with room
// to move around it), however far the figures reach beyond the canvas; it is drawn again when a move
// brings more of them in.

#include "document/environment_settings.h"
#include "document/figure.h"
#include "platform/canvas.h"

#include <QImage>
#include <QRect>

namespace molvane {

class DragLayer {
public:
    // Draws the selected figures of the list other than fills, as they show on the canvas (model
    // pixels) where they are.
    void build(const FigureList& figures, const RenderSettings& settings, const QRect& canvas);
    // The figures moved by modelOffset: when the picture lacks some of what then shows on the canvas,
    // it is drawn again from the same figures. Returns whether it was.
    bool follow(const FigureList& figures, QPoint modelOffset);
    void clear();

    // How many figures it shows.
    int figureCount() const { return count_; }
    // Where it shows on the view at the zoom, moved by offset (view pixels); empty when it shows none.
    QRect viewRect(int zoom, QPoint offset) const;
    void paint(Canvas& canvas, int zoom, QPoint offset) const;

private:
    // Draws the figures within the part of their reach that shows at modelOffset, with room around it.
    void drawAround(const FigureList& figures, QPoint modelOffset);

    QImage picture_; // ARGB, white made transparent
    QPoint modelTopLeft_;
    QRect reach_;  // of all the figures shown, model pixels
    QRect canvas_; // model pixels
    RenderSettings settings_;
    int count_ = 0;
};

} // namespace molvane
