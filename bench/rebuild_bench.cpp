// Rebuilding the drawing bitmap of the big drawing, against the same strokes, texts and fills drawn
// with bare QPainter calls.

#include "drawings.h"
#include "paint_recording.h"

#include <benchmark/benchmark.h>

namespace molvane::bench {

namespace {

void rebuildBig(benchmark::State& state)
{
    Drawing drawing = bigDrawing();
    for (auto _ : state) {
        drawing.rebuildBitmap();
        benchmark::ClobberMemory();
    }
    state.counters["figures"] = double(drawing.figures.size());
}

void bareQPainterBig(benchmark::State& state)
{
    const Drawing& drawing = bigDrawing();
    const PaintRecording recording = recordRebuild(drawing);
    if (!recording.complete) {
        state.SkipWithError("the rebuild drew something the recording cannot play back");
        return;
    }
    QImage image(drawing.canvasSize(), QImage::Format_RGB32);
    playBack(recording, image);
    Drawing rebuilt = drawing;
    rebuilt.rebuildBitmap();
    if (image != rebuilt.bitmap()) {
        state.SkipWithError("the bare calls do not paint what the rebuild paints");
        return;
    }
    for (auto _ : state) {
        playBack(recording, image);
        benchmark::ClobberMemory();
    }
    state.counters["calls"] = double(recording.ops.size());
}

} // namespace

BENCHMARK(rebuildBig)->Name("rebuild/big")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(bareQPainterBig)->Name("rebuild/big/bare_qpainter")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace molvane::bench
