#include "painting/paint_history.h"

namespace molvane {

void PaintHistory::reset(QSize canvas, QImage basePicture)
{
    ring_.reset(PaintSnapshot::empty(canvas, std::move(basePicture)));
}

void PaintHistory::resetTo(QSize canvas, const FigureList& strokes, QImage basePicture)
{
    ring_.reset(PaintSnapshot::of(canvas, strokes, std::move(basePicture)));
}

bool PaintHistory::take(QSize canvas, const FigureList& strokes, const QImage& basePicture)
{
    return ring_.push(PaintSnapshot::of(canvas, strokes, basePicture));
}

bool PaintHistory::undo(PaintState& state)
{
    const PaintSnapshot* s = ring_.undo();
    if (s)
        state = s->restore();
    return s != nullptr;
}

bool PaintHistory::redo(PaintState& state)
{
    const PaintSnapshot* s = ring_.redo();
    if (s)
        state = s->restore();
    return s != nullptr;
}

void PaintHistory::recordSavedState(QSize canvas, const FigureList& strokes)
{
    saved_ = PaintSnapshot::of(canvas, strokes);
}

bool PaintHistory::isModified(QSize canvas, const FigureList& strokes) const
{
    return !PaintSnapshot::of(canvas, strokes).sameLayout(saved_);
}

} // namespace molvane
