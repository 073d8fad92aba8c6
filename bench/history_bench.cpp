// An undo push of the big drawing, unchanged (nothing stored) and changed (stored), against copying and
// comparing a buffer of the snapshot's size.

#include "drawings.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace molvane::bench {

namespace {

void pushUnchanged(benchmark::State& state)
{
    Drawing drawing = bigDrawing();
    drawing.pushHistory();
    for (auto _ : state)
        benchmark::DoNotOptimize(drawing.pushHistory());
    state.counters["bytes"] = double(drawing.snapshot().size());
}

void pushChanged(benchmark::State& state)
{
    Drawing drawing = bigDrawing();
    TFigure& moved = drawing.figures[drawing.figures.size() / 2];
    int step = 1;
    for (auto _ : state) {
        shiftFigure(moved, step, 0);
        step = -step;
        benchmark::DoNotOptimize(drawing.pushHistory());
    }
}

void copyAndCompare(benchmark::State& state)
{
    const std::size_t n = std::size_t(bigDrawing().snapshot().size());
    const std::vector<char> source(n, 'x'), previous(n, 'x');
    std::vector<char> copy(n);
    for (auto _ : state) {
        std::memcpy(copy.data(), source.data(), n);
        benchmark::DoNotOptimize(std::memcmp(copy.data(), previous.data(), n));
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(pushUnchanged)->Name("undo_push/big/unchanged")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(pushChanged)->Name("undo_push/big/changed")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(copyAndCompare)->Name("undo_push/big/memcpy_memcmp")->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace molvane::bench
