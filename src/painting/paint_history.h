#pragma once
// The picture editor's undo ring: the 31 newest states of its canvas and strokes, and the state of the
// last reset or save that tells whether the picture was modified.

#include "document/snapshot_ring.h"
#include "painting/paint_snapshot.h"

namespace molvane {

class PaintHistory {
public:
    static constexpr int kSlots = 31;

    // Forgets every state; the ring then holds the empty snapshot of the canvas (size field 0).
    // basePicture is what undoing back to it shows: Open resets with the picture it loaded (and the
    // canvas size from before the load).
    void reset(QSize canvas, QImage basePicture = {});
    // Forgets every state; the ring then holds this one (a saved picture, where undo starts again).
    void resetTo(QSize canvas, const FigureList& strokes, QImage basePicture = {});

    // Takes a snapshot of the state; false, and no step, when it is identical to the state shown.
    bool take(QSize canvas, const FigureList& strokes, const QImage& basePicture = {});
    bool canUndo() const { return ring_.canUndo(); }
    bool canRedo() const { return ring_.canRedo(); }
    // Fills state with the state moved to, to be shown; false, and state untouched, when there is no
    // step. A damaged state asks the window to show kInternalDataErrorMessage.
    bool undo(PaintState& state);
    bool redo(PaintState& state);

    // Remembers the state as saved (after a reset, new, open or save).
    void recordSavedState(QSize canvas, const FigureList& strokes);
    // Whether the state's bytes differ from the saved state's.
    bool isModified(QSize canvas, const FigureList& strokes) const;

    const SnapshotRing<PaintSnapshot>& ring() const { return ring_; }

private:
    SnapshotRing<PaintSnapshot> ring_{kSlots};
    PaintSnapshot saved_;
};

} // namespace molvane
