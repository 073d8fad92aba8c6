#include "document/figure_commit.h"

#include "document/figure_creation.h"
#include "document/fill_surroundings.h"

namespace molvane {

int commitFinishedFigure(FigureList& list, QImage& bitmap, TFigure figure, RenderState& state,
                         const RenderSettings& settings)
{
    list.push_back(std::move(figure));
    TFigure& f = list.back();
    {
        Canvas canvas(bitmap);
        RenderOptions options;
        options.record = true;
        renderFigure(f, {canvas, false, 100, settings}, state, options);
    }
    f.extremes = state.extremes;
    f.margins = state.margins;
    if (f.kind == fkNuri)
        updateSurroundings(f, bitmap, list);
    return int(list.size()) - 1;
}

void placeFigures(FigureList& list, QImage& bitmap, const FigureList& waiting, QPoint screenOffset, int zoom,
                  bool fineMoveActive, RenderState& state, const RenderSettings& settings)
{
    for (const TFigure& w : waiting) {
        list.push_back(placedCopy(w, screenOffset, zoom, fineMoveActive));
        TFigure& f = list.back();
        {
            Canvas canvas(bitmap);
            renderFigure(f, {canvas, false, 100, settings}, state, {});
        }
        if (f.kind == fkNuri)
            updateSurroundings(f, bitmap, list);
    }
}

void recordExtentAgain(TFigure& f, QImage& bitmap, RenderState& state, const RenderSettings& settings,
                       bool shapeChanged)
{
    {
        Canvas canvas(bitmap);
        RenderOptions options;
        options.record = true;
        renderFigure(f, {canvas, false, 100, settings}, state, options);
    }
    f.extremes = state.extremes;
    f.margins = state.margins;
    if (!shapeChanged || (f.kind != fkDouble && f.kind != fkTriple))
        return;
    const BondLines lines = state.bondLines;
    f.ends[kSecondStart] = f.freeEnds[kSecondStart] = lines.secondStart;
    f.ends[kSecondEnd] = f.freeEnds[kSecondEnd] = lines.secondEnd;
    if (f.kind == fkTriple) {
        f.ends[kThirdStart] = f.freeEnds[kThirdStart] = lines.thirdStart;
        f.ends[kThirdEnd] = f.freeEnds[kThirdEnd] = lines.thirdEnd;
    }
}

} // namespace molvane
