// A flood fill of an empty 1500 x 1000 canvas, against filling the whole image.

#include "platform/canvas.h"

#include <benchmark/benchmark.h>

namespace molvane::bench {

namespace {

constexpr QSize kCanvas(1500, 1000);

void floodFillEmpty(benchmark::State& state)
{
    QImage image(kCanvas, QImage::Format_RGB32);
    image.fill(toQRgb(clWhite));
    Canvas canvas(image);
    bool black = true;
    for (auto _ : state) {
        canvas.floodFill(QPoint(kCanvas.width() / 2, kCanvas.height() / 2), black ? clBlack : clWhite);
        black = !black;
        benchmark::ClobberMemory();
    }
}

void imageFill(benchmark::State& state)
{
    QImage image(kCanvas, QImage::Format_RGB32);
    bool black = true;
    for (auto _ : state) {
        image.fill(toQRgb(black ? clBlack : clWhite));
        black = !black;
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(floodFillEmpty)->Name("flood_fill/1500x1000")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(imageFill)->Name("flood_fill/1500x1000/qimage_fill")->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace molvane::bench
