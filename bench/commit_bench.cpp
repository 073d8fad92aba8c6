// Finishing one width-50 bond (its extent recorded, as every new figure's is), against rendering the
// same bond without recording.

#include "document/drawing.h"
#include "document/figure_commit.h"
#include "document/figure_creation.h"

#include <benchmark/benchmark.h>

namespace molvane::bench {

namespace {

struct WideBond {
    TFigure working;
    FinishInputs inputs;
};

WideBond wideBond()
{
    DrawingConditions c;
    c.kind = fkSingle;
    c.width = 50; // a 250-pixel pen
    const QPoint down(550, 420), up(950, 610);
    WideBond bond{createFigure(c, down, up), {}};
    bond.inputs.mouseDown = down;
    bond.inputs.mouseUp = up;
    return bond;
}

void finishWideBond(benchmark::State& state)
{
    Drawing drawing;
    const WideBond bond = wideBond();
    for (auto _ : state) {
        commitFinishedFigure(drawing.figures, drawing.bitmap(), finishFigure(bond.working, bond.inputs),
                             drawing.lastRecorded, drawing.renderSettings());
        drawing.figures.pop_back();
    }
    state.counters["margin"] = -drawing.lastRecorded.extent.value_or(FigureExtent{}).margins.left;
}

void renderWideBond(benchmark::State& state)
{
    Drawing drawing;
    const WideBond bond = wideBond();
    const TFigure finished = finishFigure(bond.working, bond.inputs);
    for (auto _ : state) {
        Canvas canvas(drawing.bitmap());
        renderFigure(finished, {canvas, false, 100, drawing.renderSettings()});
    }
}

} // namespace

BENCHMARK(finishWideBond)->Name("finish/bond_w50")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(renderWideBond)->Name("finish/bond_w50/render_only")->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace molvane::bench
