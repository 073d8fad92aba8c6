// Saving pictures of the big drawing: the whole canvas as BMP bytes against QImage::save into a buffer,
// the whole canvas as JPEG (its twin, libjpeg alone on the same rows, is in jpeg_bench.cpp), and a lasso
// of 1,000 points over the whole canvas against one QPainter clipping the same outline.

#include "document/geometry.h"
#include "document/picture_export.h"
#include "drawings.h"
#include "platform/bmp_codec.h"
#include "platform/jpeg_codec.h"
#include "platform/tcolor.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <benchmark/benchmark.h>

#include <cmath>

namespace molvane::bench {

namespace {

void exportBmp(benchmark::State& state)
{
    const QImage& bitmap = bigDrawing().bitmap();
    for (auto _ : state) {
        const QByteArray bytes = writeBmp(renderExport(bitmap, ExportSource::wholeCanvas()));
        benchmark::DoNotOptimize(bytes.constData());
    }
}

void qtSaveBmp(benchmark::State& state)
{
    const QImage& bitmap = bigDrawing().bitmap();
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        bitmap.save(&buffer, "BMP");
        benchmark::DoNotOptimize(bytes.constData());
    }
}

void exportJpeg(benchmark::State& state)
{
    const QImage& bitmap = bigDrawing().bitmap();
    for (auto _ : state) {
        const EncodedJpeg jpeg = writeJpeg(renderExport(bitmap, ExportSource::wholeCanvas()), 100);
        benchmark::DoNotOptimize(jpeg.bytes.constData());
    }
}

// A wavy loop of 1,000 points around the middle of the 1500 x 1000 canvas, drawn at 100 %.
QPolygon wavyLasso()
{
    QPolygon outline;
    for (int i = 0; i < 1000; ++i) {
        const double a = 2 * kPi * i / 1000;
        const double wave = 1 + 0.08 * std::sin(17 * a);
        outline << QPoint(750 + int(std::lround(700 * wave * std::cos(a))),
                          500 + int(std::lround(480 * wave * std::sin(a))));
    }
    return outline;
}

void exportLasso(benchmark::State& state)
{
    const QImage& bitmap = bigDrawing().bitmap();
    const QPolygon outline = wavyLasso();
    const ExportSource source = ExportSource::freeRange(outline.boundingRect(), outline, 100);
    for (auto _ : state) {
        const QImage picture = renderExport(bitmap, source);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

// The same picture the plainest way: white, the outline as a clip path, the bitmap's range drawn in.
void qpainterClipLasso(benchmark::State& state)
{
    const QImage& bitmap = bigDrawing().bitmap();
    const QPolygon outline = wavyLasso();
    const QRect range(outline.boundingRect().topLeft(), outline.boundingRect().size() - QSize(1, 1));
    for (auto _ : state) {
        QImage picture(range.size(), QImage::Format_RGB32);
        picture.fill(toQRgb(clWhite));
        QPainterPath path;
        path.addPolygon(QPolygonF(outline.translated(-range.topLeft())));
        path.closeSubpath();
        path.setFillRule(Qt::OddEvenFill);
        QPainter painter(&picture);
        painter.setClipPath(path);
        painter.drawImage(QPoint(0, 0), bitmap, range);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}

} // namespace

BENCHMARK(exportBmp)->Name("export/big/bmp")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(qtSaveBmp)->Name("export/big/bmp/qimage_save")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(exportJpeg)->Name("export/big/jpeg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(exportLasso)->Name("export/lasso_1000")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(qpainterClipLasso)
    ->Name("export/lasso_1000/qpainter_clip")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace molvane::bench
