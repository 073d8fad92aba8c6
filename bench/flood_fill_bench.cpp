// A flood fill of an empty 1500 x 1000 canvas, against a textbook 4-connected scanline fill of the same
// canvas on QImage::scanLine.

#include "flood_fill_textbook.h"
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

void textbookScanlineFill(benchmark::State& state)
{
    QImage image(kCanvas, QImage::Format_RGB32);
    image.fill(toQRgb(clWhite));
    bool black = true;
    for (auto _ : state) {
        textbookFill(image, QPoint(kCanvas.width() / 2, kCanvas.height() / 2), toQRgb(black ? clBlack : clWhite));
        black = !black;
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(floodFillEmpty)->Name("flood_fill/1500x1000")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(textbookScanlineFill)->Name("flood_fill/1500x1000/textbook_scanline")->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace molvane::bench
