// The canvas view painting a 1600 x 900 exposed rectangle at 25, 100 and 500 %, against one drawImage
// of a picture of that size already scaled. The view shows the huge drawing (the largest canvas,
// 2000 x 1500), with the grid on as at start; at 25 % the whole view is smaller than the rectangle and
// the exposed part is all of it.

#include "document/main_window/canvas_view.h"
#include "drawings.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace molvane::bench {

namespace {

constexpr QSize kExposed(1600, 900);

// The exposed rectangle: centred on the view, clipped to it.
QRect exposedRect(const CanvasView& view)
{
    const QRect wanted(QPoint((view.width() - kExposed.width()) / 2, (view.height() - kExposed.height()) / 2), kExposed);
    return wanted.intersected(view.rect());
}

void paintView(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    CanvasView view(hugeDrawing());
    view.setZoom(zoom);
    const QRect exposed = exposedRect(view);
    QImage screen(exposed.size(), QImage::Format_RGB32);
    // The first paint at a zoom scales the tiles it shows, as the twin's picture is scaled beforehand:
    // the case is the paint of a view already shown at that zoom.
    view.render(&screen, QPoint(), QRegion(exposed));
    for (auto _ : state) {
        view.render(&screen, QPoint(), QRegion(exposed));
        benchmark::ClobberMemory();
    }
    state.counters["width"] = exposed.width();
    state.counters["height"] = exposed.height();
}

void drawPrescaled(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    CanvasView view(hugeDrawing());
    view.setZoom(zoom);
    const QRect exposed = exposedRect(view);
    QImage prescaled(exposed.size(), QImage::Format_RGB32);
    view.render(&prescaled, QPoint(), QRegion(exposed));
    QImage screen(exposed.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&screen);
        p.drawImage(QPoint(0, 0), prescaled);
        p.end();
        benchmark::ClobberMemory();
    }
}

// The same view with a 1500 x 1000 sample under the drawing, against two drawImage calls: the sample
// and the view, each already scaled.
QImage sampleAt(QSize size)
{
    QImage sample(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sample.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = ((x / 40 + y / 40) & 1) ? qRgb(230, 230, 230) : qRgb(255, 255, 255);
    }
    return sample;
}

void paintViewWithSample(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    CanvasView view(hugeDrawing());
    view.setZoom(zoom);
    view.setSample(sampleAt({1500, 1000}), QRect(0, 0, 1500, 1000), true);
    const QRect exposed = exposedRect(view);
    QImage screen(exposed.size(), QImage::Format_RGB32);
    view.render(&screen, QPoint(), QRegion(exposed));
    for (auto _ : state) {
        view.render(&screen, QPoint(), QRegion(exposed));
        benchmark::ClobberMemory();
    }
}

void drawTwoPrescaled(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    CanvasView view(hugeDrawing());
    view.setZoom(zoom);
    const QRect exposed = exposedRect(view);
    QImage sample = sampleAt(exposed.size());
    QImage prescaled(exposed.size(), QImage::Format_ARGB32_Premultiplied);
    view.render(&prescaled, QPoint(), QRegion(exposed));
    QImage screen(exposed.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&screen);
        p.drawImage(QPoint(0, 0), sample);
        p.drawImage(QPoint(0, 0), prescaled);
        p.end();
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(paintViewWithSample)
    ->Name("view_paint_sample")
    ->Arg(25)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(drawTwoPrescaled)
    ->Name("view_paint_sample/two_prescaled_draw_image")
    ->Arg(25)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(paintView)->Name("view_paint")->Arg(25)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(drawPrescaled)->Name("view_paint/prescaled_draw_image")->Arg(25)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace molvane::bench
