#include "editing/figure_move.h"

#include "document/figure_commit.h"
#include "document/geometry.h"
#include "document/fill_surroundings.h"
#include "editing/move_logic.h"
#include "editing/selection.h"

namespace molvane {

namespace {

void renderWithoutSelected(Drawing& drawing)
{
    RebuildOptions options;
    options.includeSelected = false;
    options.movingSelection = true;
    drawing.rebuildBitmap(options);
}

} // namespace

void FigureMove::begin(Drawing& drawing, bool duplicating)
{
    captureFillsForMove(drawing.figures);
    cornerBefore_ = drawing.bitmap().pixel(0, 0);
    // Moved figures are shown only by their picture; duplicated ones stay where they were.
    if (!duplicating)
        renderWithoutSelected(drawing);
    figures_.clear();
    for (const TFigure& f : drawing.figures)
        if (f.selected)
            figures_.push_back(f);
    layer_.build(drawing.figures, drawing.renderSettings(), drawing.bitmap().rect());
    offset_ = {};
    shown_ = true;
}

QRegion FigureMove::follow(QPoint offset, int zoom)
{
    if (offset == offset_)
        return {};
    QRegion dirty(layer_.viewRect(zoom, offset_));
    offset_ = offset;
    layer_.follow(figures_, toModel(offset_, zoom));
    return dirty + layer_.viewRect(zoom, offset_);
}

void FigureMove::duplicatingChanged(Drawing& drawing, bool duplicating) const
{
    if (duplicating)
        drawing.rebuildBitmap(); // the originals come back where they were
    else
        renderWithoutSelected(drawing);
}

QRegion FigureMove::drop(int zoom)
{
    const QRegion dirty = shown_ ? QRegion(layer_.viewRect(zoom, offset_)) : QRegion();
    shown_ = false;
    figures_.clear();
    layer_.clear();
    offset_ = {};
    return dirty;
}

QRegion FigureMove::finish(Drawing& drawing, QPoint offset, int zoom, bool duplicate, bool fine)
{
    const QRegion dirty = shown_ ? QRegion(layer_.viewRect(zoom, offset_)) : QRegion();
    shown_ = false;
    if (duplicate) {
        drawing.clearSelection();
        if (!offset.isNull())
            placeFigures(drawing.figures, drawing.bitmap(), figures_, offset, zoom, fine, drawing.lastRecorded,
                         drawing.renderSettings());
    } else {
        if (fine)
            for (TFigure& f : drawing.figures)
                if (f.selected)
                    f.fineMoved = true;
        moveSelected(drawing.figures, toModel(offset, zoom));
        drawing.rebuildBitmap();
    }
    removeFillsThatLeak(drawing, cornerBefore_);
    figures_.clear();
    layer_.clear();
    offset_ = {};
    return dirty;
}

void removeFillsThatLeak(Drawing& drawing, QRgb cornerBefore)
{
    FigureList& list = drawing.figures;
    if (drawing.bitmap().pixel(0, 0) == cornerBefore)
        return;
    // Some fill now runs out to the corner: the fills around the moved figures lost their ring.
    std::vector<int> broken;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].kind != fkNuri)
            continue;
        for (QPoint p : std::as_const(list[i].points))
            if (p.x() >= 0 && p.x() < int(list.size()) && list[std::size_t(p.x())].selected)
                broken.push_back(int(i));
    }
    removeFigures(list, broken);
    drawing.rebuildBitmap();
    if (drawing.bitmap().pixel(0, 0) != cornerBefore) {
        removeFigures(list, leakingFills(list, drawing.bitmap(), drawing.background, drawing.renderSettings()));
        drawing.rebuildBitmap();
    }
    for (TFigure& f : list)
        if (f.kind == fkNuri)
            updateSurroundings(f, drawing.bitmap(), list);
}

QRegion FigureMove::area(int zoom) const { return shown_ ? QRegion(layer_.viewRect(zoom, offset_)) : QRegion(); }

void FigureMove::paint(Canvas& canvas, int zoom) const
{
    if (shown_)
        layer_.paint(canvas, zoom, offset_);
}

} // namespace molvane
