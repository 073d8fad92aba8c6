#pragma once
// Moving or duplicating the selected figures: while the pointer or the keys carry them, the drawing
// shows without them (unless they are being duplicated) and one picture of them follows the offset;
// at the end they move, or copies are placed, and fills that lost their ring go.

#include "document/drag_layer.h"
#include "document/drawing.h"

#include <QRegion>

namespace molvane {

// After the selected figures moved or changed: when some fill now runs out to the canvas's corner
// (its pixel differs from cornerBefore), the fills around the selected figures lost their ring and go,
// then any fill that still leaks; the rest learn their surroundings again.
void removeFillsThatLeak(Drawing& drawing, QRgb cornerBefore);

class FigureMove {
public:
    // Starts carrying the selected figures of the drawing.
    void begin(Drawing& drawing, bool duplicating);
    bool active() const { return shown_; }
    // The picture follows this offset (view pixels); returns the view area to paint again.
    QRegion follow(QPoint offset, int zoom);
    // Ctrl went down or up while carrying: duplicated figures stay in place, moved ones leave it.
    void duplicatingChanged(Drawing& drawing, bool duplicating) const;
    // Puts the figures down at offset (view pixels): moved, or copied when duplicating. fine: keyboard
    // pointing with one-pixel steps. Returns the view area to paint again.
    QRegion finish(Drawing& drawing, QPoint offset, int zoom, bool duplicate, bool fine);
    // Drops the picture without moving anything.
    QRegion drop(int zoom);

    const FigureList& figures() const { return figures_; }
    int imageCount() const { return layer_.figureCount(); }
    QRegion area(int zoom) const;
    void paint(Canvas& canvas, int zoom) const;

private:
    FigureList figures_; // the carried figures as they were when the move began
    DragLayer layer_;
    QPoint offset_;
    bool shown_ = false;
    QRgb cornerBefore_ = 0;
};

} // namespace molvane
