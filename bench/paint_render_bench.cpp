// The picture editor's full re-render of a 2000 x 1500 picture of 500 strokes (pen strokes, straight
// and curved lines, rectangles and ellipses, some dashed or dotted, and 20 fills), against the same
// shapes, pens and fills drawn with bare QPainter calls and the surface flood fill.

#include "paint_strokes.h"
#include "painting/new_stroke.h"
#include "painting/paint_mode.h"
#include "painting/paint_picture.h"
#include "painting/stroke_renderer.h"
#include "platform/flood_fill.h"

#include <benchmark/benchmark.h>

#include <random>

namespace molvane::bench {

namespace {

constexpr QSize kPicture(2000, 1500);
constexpr int kStrokes = 500;
constexpr int kFills = 20;

PaintPicture& bigPicture()
{
    static PaintPicture picture = [] {
        PaintPicture p;
        p.resize(kPicture);
        std::mt19937 rng(20261210);
        for (int i = 0; i < kStrokes; ++i)
            p.addStroke(randomPaintStroke(rng, i, kStrokes, kFills, kPicture));
        return p;
    }();
    return picture;
}

// One bare call: a path stroked with a pen, or a fill.
struct BareCall {
    QPainterPath path;
    QPen pen;
    bool fill = false;
    QPoint seed;
    QRgb fillColour = 0;
};

QPen barePen(TColor colour, int width, Qt::PenStyle style)
{
    return QPen(QBrush(toQColor(colour)), width, style, Qt::RoundCap, Qt::RoundJoin);
}

std::vector<BareCall> bareCalls(const PaintPicture& picture)
{
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    std::vector<BareCall> calls;
    for (const TFigure& f : picture.strokes()) {
        if (f.kind == kStrokeFill) {
            calls.push_back({{}, {}, true, f.ends[kMainStart], toQRgb(f.fillColor)});
            continue;
        }
        std::vector<QPainterPath> paths;
        if (f.kind == kStrokePen) {
            QPainterPath dot(f.points.front());
            dot.lineTo(f.points.front());
            paths.push_back(dot);
        }
        paths.push_back(strokeOutline(f));
        const QPen pen = barePen(f.penColor, effectivePenWidth(f.kind, f.lineWidth), kStyles[f.penStyle]);
        if (f.penStyle > 0)
            for (const QPainterPath& p : paths)
                calls.push_back({p, barePen(picture.whites().barrier, 1, Qt::SolidLine), false, {}, 0});
        for (const QPainterPath& p : paths)
            calls.push_back({p, pen, false, {}, 0});
    }
    return calls;
}

void playBare(const std::vector<BareCall>& calls, QImage& image)
{
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const BareCall& c : calls) {
        if (c.fill) {
            painter.end();
            floodFillSurface(image, c.seed, c.fillColour);
            painter.begin(&image);
            continue;
        }
        painter.setPen(c.pen);
        painter.drawPath(c.path);
    }
}

void paintRerender(benchmark::State& state)
{
    PaintPicture& picture = bigPicture();
    for (auto _ : state) {
        picture.render();
        benchmark::ClobberMemory();
    }
    state.counters["strokes"] = double(picture.strokes().size());
}

void paintRerenderBare(benchmark::State& state)
{
    PaintPicture& picture = bigPicture();
    const std::vector<BareCall> calls = bareCalls(picture);
    QImage image(kPicture, QImage::Format_RGB32);
    playBare(calls, image);
    picture.render();
    if (image != picture.working()) {
        state.SkipWithError("the bare calls do not paint what the re-render paints");
        return;
    }
    for (auto _ : state) {
        playBare(calls, image);
        benchmark::ClobberMemory();
    }
    state.counters["calls"] = double(calls.size());
}

} // namespace

BENCHMARK(paintRerender)->Name("paint_rerender/500")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(paintRerenderBare)
    ->Name("paint_rerender/500/bare_qpainter")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace molvane::bench
