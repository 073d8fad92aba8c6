// Exporting the big drawing for documents. As SVG, against the same paths and texts played back through
// one QPainter onto a QSvgGenerator, with each fill as a ready outline of the pixels it paints (the
// twin does not trace). As PNG at 4 times, against the recorded calls played back on a 6000 x 4000
// picture through a scaled QPainter and saved with QImage::save.

#include "document/drawing_bitmap.h"
#include "document/picture_export.h"
#include "document/vector_export.h"
#include "drawings.h"
#include "paint_recording.h"
#include "platform/flood_fill.h"
#include "platform/run_outline.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace molvane::bench {

namespace {

VectorDrawing bigVector()
{
    const Drawing& d = bigDrawing();
    return {d.canvasSize(), &d.figures, d.background, d.renderSettings(), {}, {}};
}

void svgExportBig(benchmark::State& state)
{
    const VectorDrawing drawing = bigVector();
    for (auto _ : state) {
        const QByteArray svg = drawingSvg(drawing);
        benchmark::DoNotOptimize(svg.constData());
        state.counters["bytes"] = double(svg.size());
    }
}

// The outline of each recorded fill, traced once from a play-back at 100 %.
std::vector<QPainterPath> fillOutlines(const PaintRecording& recording, QSize canvas)
{
    PaintRecording upTo;
    std::vector<QPainterPath> outlines;
    QImage image(canvas, QImage::Format_RGB32);
    for (const PaintOp& op : recording.ops) {
        if (op.kind == PaintOp::Kind::Fill) {
            playBack(upTo, image);
            PaintedArea area;
            floodFillSurface(image, op.seed, op.colour, &area);
            outlines.push_back(outlineOfRuns(area.runs, 1.0, 1.0));
        }
        upTo.ops.push_back(op);
    }
    return outlines;
}

void svgGeneratorBig(benchmark::State& state)
{
    const Drawing& drawing = bigDrawing();
    const PaintRecording recording = recordRebuild(drawing);
    const std::vector<QPainterPath> fills = fillOutlines(recording, drawing.canvasSize());
    for (auto _ : state) {
        QByteArray svg;
        QBuffer buffer(&svg);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(drawing.canvasSize());
        generator.setViewBox(QRect(QPoint(0, 0), drawing.canvasSize()));
        {
            QPainter painter(&generator);
            playBackVector(recording, painter, fills);
        }
        benchmark::DoNotOptimize(svg.constData());
        state.counters["bytes"] = double(svg.size());
    }
}

constexpr int kScale = 4;

void scaledPngBig(benchmark::State& state)
{
    const Drawing& d = bigDrawing();
    QTemporaryDir dir;
    for (auto _ : state) {
        const QImage picture =
            scaledDrawingBitmap(d.canvasSize(), d.figures, d.background, d.renderSettings(), kScale);
        const PictureWriteResult written = writeScaledPng(picture, kScale, dir.filePath("big.png"));
        if (!written.ok)
            state.SkipWithError("the PNG could not be written");
    }
}

void qpainterScaledPngBig(benchmark::State& state)
{
    const Drawing& d = bigDrawing();
    const PaintRecording recording = recordRebuild(d);
    QTemporaryDir dir;
    for (auto _ : state) {
        QImage picture(d.canvasSize() * kScale, QImage::Format_RGB32);
        playBack(recording, picture, nullptr, kScale);
        if (!picture.save(dir.filePath("twin.png"), "PNG"))
            state.SkipWithError("the PNG could not be written");
    }
}

} // namespace

BENCHMARK(svgExportBig)->Name("export/big/svg")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(svgGeneratorBig)
    ->Name("export/big/svg/qsvggenerator")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(scaledPngBig)->Name("export/big/png_x4")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(qpainterScaledPngBig)
    ->Name("export/big/png_x4/qpainter_qimage_save")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace molvane::bench
