#include "document/figure_commit.h"

#include "document/figure_creation.h"
#include "document/fill_surroundings.h"

namespace molvane {

namespace {

// Renders f on the bitmap and adds what it recorded to lastRecorded.
void renderOnBitmap(const TFigure& f, QImage& bitmap, RenderRecord& lastRecorded,
                    const RenderSettings& settings, bool record)
{
    Canvas canvas(bitmap);
    RenderOptions options;
    options.record = record;
    lastRecorded.update(renderFigure(f, {canvas, false, 100, settings}, options));
}

void storeLatestExtent(TFigure& f, const RenderRecord& lastRecorded)
{
    const FigureExtent extent = lastRecorded.extent.value_or(FigureExtent{});
    f.extremes = extent.extremes;
    f.margins = extent.margins;
}

} // namespace

int commitFinishedFigure(FigureList& list, QImage& bitmap, TFigure figure, RenderRecord& lastRecorded,
                         const RenderSettings& settings)
{
    list.push_back(std::move(figure));
    TFigure& f = list.back();
    renderOnBitmap(f, bitmap, lastRecorded, settings, true);
    storeLatestExtent(f, lastRecorded);
    if (f.kind == fkNuri)
        updateSurroundings(f, bitmap, list);
    return int(list.size()) - 1;
}

void placeFigures(FigureList& list, QImage& bitmap, const FigureList& waiting, QPoint screenOffset, int zoom,
                  bool fineMoveActive, RenderRecord& lastRecorded, const RenderSettings& settings)
{
    for (const TFigure& w : waiting) {
        list.push_back(placedCopy(w, screenOffset, zoom, fineMoveActive));
        TFigure& f = list.back();
        renderOnBitmap(f, bitmap, lastRecorded, settings, false);
        if (f.kind == fkNuri)
            updateSurroundings(f, bitmap, list);
    }
}

void recordExtentAgain(TFigure& f, QImage& bitmap, RenderRecord& lastRecorded, const RenderSettings& settings,
                       bool shapeChanged)
{
    renderOnBitmap(f, bitmap, lastRecorded, settings, true);
    storeLatestExtent(f, lastRecorded);
    if (!shapeChanged || (f.kind != fkDouble && f.kind != fkTriple))
        return;
    const BondLines lines = lastRecorded.bondLines();
    f.ends[kSecondStart] = f.freeEnds[kSecondStart] = lines.secondStart;
    f.ends[kSecondEnd] = f.freeEnds[kSecondEnd] = lines.secondEnd;
    if (f.kind == fkTriple) {
        f.ends[kThirdStart] = f.freeEnds[kThirdStart] = lines.thirdStart;
        f.ends[kThirdEnd] = f.freeEnds[kThirdEnd] = lines.thirdEnd;
    }
}

} // namespace molvane
