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

// A 1500 x 1000 photograph-like background under the figures.
QImage backgroundPicture()
{
    QImage picture(1500, 1000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] = qRgb(200 + (x & 31), 200 + (y & 31), 230);
    }
    return picture;
}

void rebuildBigWithBackground(benchmark::State& state)
{
    Drawing drawing = bigDrawing();
    drawing.background = backgroundPicture();
    for (auto _ : state) {
        drawing.rebuildBitmap();
        benchmark::ClobberMemory();
    }
}

// The figures' bare calls over one drawImage of the background (the fills then find other borders,
// so the pixels differ where a fill meets the picture; the work is the same).
void bareQPainterBigWithBackground(benchmark::State& state)
{
    const Drawing& drawing = bigDrawing();
    const PaintRecording recording = recordRebuild(drawing);
    const QImage background = backgroundPicture();
    QImage image(drawing.canvasSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        playBack(recording, image, &background);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(rebuildBigWithBackground)
    ->Name("rebuild/big_background")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(bareQPainterBigWithBackground)
    ->Name("rebuild/big_background/bare_qpainter_draw_image")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(rebuildBig)->Name("rebuild/big")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(bareQPainterBig)->Name("rebuild/big/bare_qpainter")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace molvane::bench
