// A flood fill of an empty 1500 x 1000 canvas, against a textbook 4-connected scanline fill of the same
// canvas on QImage::scanLine.

#include "platform/canvas.h"

#include <benchmark/benchmark.h>

#include <vector>

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

// The scanline fill of the textbooks: a stack of seeds; each seed's run is filled left and right, and
// the rows above and below are searched for the runs it touches.
void textbookFill(QImage& image, QPoint seed, QRgb fill)
{
    const QRgb target = image.pixel(seed);
    if (target == fill)
        return;
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(p.y()));
        if (row[p.x()] != target)
            continue;
        int left = p.x(), right = p.x();
        while (left > 0 && row[left - 1] == target)
            --left;
        while (right + 1 < image.width() && row[right + 1] == target)
            ++right;
        for (int x = left; x <= right; ++x)
            row[x] = fill;
        for (int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= image.height())
                continue;
            const auto* next = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = left; x <= right; ++x)
                if (next[x] == target && (x == left || next[x - 1] != target))
                    stack.push_back({x, y});
        }
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
