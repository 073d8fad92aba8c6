// The picture import window's work on a 2000 x 1500 picture:
// - the adjustment's recompute on a scroll-bar move, against a plain per-pixel loop over
//   QImage::scanLine doing the same arithmetic;
// - a cut-out along a free line of 2000 points, against the same mask drawn and combined with QPainter
//   composition modes;
// - and, for the picture editor's floating pictures, the turn of a 1000 x 1000 picture by 37 degrees,
//   against QImage::transformed with Qt::FastTransformation.

#include "painting/cut_out.h"
#include "painting/picture_adjust.h"
#include "painting/picture_transform.h"

#include <QPainter>
#include <QTransform>
#include <benchmark/benchmark.h>

#include <cmath>

namespace molvane::bench {

namespace {

constexpr QSize kPicture(2000, 1500);

const QImage& photo()
{
    static const QImage picture = [] {
        QImage image(kPicture, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb((x * 7 + y) & 255, (x + y * 3) & 255, (x ^ y) & 255);
        }
        return image;
    }();
    return picture;
}

// A wavy closed line of 2000 points around most of the picture.
CutLine freeLine()
{
    CutLine line;
    line.shape = CutShape::Free;
    for (int i = 0; i < 2000; ++i) {
        const double a = 2 * M_PI * i / 2000;
        const double r = 600 + 80 * std::sin(12 * a);
        line.points << QPoint(1000 + int(r * std::cos(a) * 1.4), 750 + int(r * std::sin(a)));
    }
    line.box = line.points.boundingRect();
    return line;
}

void adjust(benchmark::State& state)
{
    int brightness = 10;
    for (auto _ : state) {
        brightness = -brightness;
        const QImage result = adjustPicture(photo(), brightness, 20, -30, 5);
        benchmark::DoNotOptimize(result.constBits());
    }
}

int plainChannel(int c, int brightness, int level)
{
    const float v = float(double(c) + double(brightness + level) / 100.0 * 255.0);
    return v < 0.0f ? 0 : v > 255.0f ? 255 : int(std::nearbyint(v));
}

void adjustPlainLoop(benchmark::State& state)
{
    int brightness = 10;
    for (auto _ : state) {
        brightness = -brightness;
        QImage result(kPicture, QImage::Format_RGB32);
        for (int y = 0; y < kPicture.height(); ++y) {
            const auto* from = reinterpret_cast<const QRgb*>(photo().constScanLine(y));
            auto* to = reinterpret_cast<QRgb*>(result.scanLine(y));
            for (int x = 0; x < kPicture.width(); ++x)
                to[x] = qRgb(plainChannel(qRed(from[x]), brightness, 20),
                             plainChannel(qGreen(from[x]), brightness, -30),
                             plainChannel(qBlue(from[x]), brightness, 5));
        }
        benchmark::DoNotOptimize(result.constBits());
    }
}

void cutOutFree(benchmark::State& state)
{
    const CutLine line = freeLine();
    for (auto _ : state) {
        const QImage cut = cutOut(photo(), line, 3);
        benchmark::DoNotOptimize(cut.constBits());
    }
}

// The mask drawn with QPainter (the outline filled, its stroke white), then combined by composition: the
// picture drawn into the mask's black through SourceIn on a transparent layer, white under the rest.
void cutOutComposition(benchmark::State& state)
{
    const CutLine line = freeLine();
    const QPainterPath outline = line.outline();
    const QRect box = line.box;
    for (auto _ : state) {
        QImage layer(box.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        QPainter p(&layer);
        p.translate(-box.topLeft());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(outline);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.drawImage(QPoint(0, 0), photo());
        p.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        p.fillRect(QRect(QPoint(0, 0), kPicture), Qt::white);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
        p.end();
        benchmark::DoNotOptimize(layer.constBits());
    }
}

void rotate37(benchmark::State& state)
{
    const QImage square = photo().copy(0, 0, 1000, 1000);
    for (auto _ : state) {
        const QImage turned = rotatePicture(square, 37 * M_PI / 180, qRgb(255, 255, 255));
        benchmark::DoNotOptimize(turned.constBits());
    }
}

void rotate37Transformed(benchmark::State& state)
{
    const QImage square = photo().copy(0, 0, 1000, 1000);
    for (auto _ : state) {
        const QImage turned = square.transformed(QTransform().rotate(37), Qt::FastTransformation);
        benchmark::DoNotOptimize(turned.constBits());
    }
}

} // namespace

BENCHMARK(rotate37)->Name("rotate/1000x1000_37")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(rotate37Transformed)
    ->Name("rotate/1000x1000_37/qimage_transformed")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(adjust)->Name("picture_adjust/2000x1500")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(adjustPlainLoop)
    ->Name("picture_adjust/2000x1500/plain_loop")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(cutOutFree)->Name("cut_out/free_2000")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(cutOutComposition)
    ->Name("cut_out/free_2000/qpainter_composition")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace molvane::bench
