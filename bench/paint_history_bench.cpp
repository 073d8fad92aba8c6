// The picture editor's undo ring: a snapshot of ten 2000 x 1500 picture strokes against copying and
// comparing the bytes such a snapshot describes, and the resident memory thirty of them take.

#include "painting/paint_history.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace molvane::bench {

namespace {

const QSize kCanvas{2000, 1500};

// Ten picture strokes of the canvas's size, then a pen stroke a changed state moves.
FigureList tenPictures()
{
    FigureList strokes;
    for (int i = 0; i < 10; ++i) {
        QImage picture(kCanvas, QImage::Format_RGB32);
        picture.fill(qRgb(20 * i, 100, 200 - 10 * i));
        TFigure f;
        f.kind = fkPicture;
        f.picture = std::move(picture);
        strokes.push_back(std::move(f));
    }
    TFigure pen;
    pen.kind = fkFree;
    pen.points = {{1, 1}, {50, 60}};
    strokes.push_back(pen);
    return strokes;
}

double residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) : 0;
}

void takeSnapshot(benchmark::State& state)
{
    FigureList strokes = tenPictures();
    PaintHistory history;
    history.reset(kCanvas);
    int step = 1;
    for (auto _ : state) {
        shiftFigure(strokes.back(), step, 0);
        step = -step;
        benchmark::DoNotOptimize(history.take(kCanvas, strokes));
    }
}

void copyAndCompare(benchmark::State& state)
{
    const std::size_t n = std::size_t(PaintSnapshot::of(kCanvas, tenPictures()).layoutBytes().size());
    const std::vector<char> source(n, 'x'), previous(n, 'x');
    std::vector<char> copy(n);
    for (auto _ : state) {
        std::memcpy(copy.data(), source.data(), n);
        benchmark::DoNotOptimize(std::memcmp(copy.data(), previous.data(), n));
        benchmark::ClobberMemory();
    }
    state.counters["bytes"] = double(n);
}

// Thirty changed states in a row, each holding the ten unchanged pictures; resident memory before the
// pictures are made, after they are made, and after the thirty snapshots.
void thirtySnapshots(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const double start = residentBytes();
        FigureList strokes = tenPictures();
        const double pictures = residentBytes();
        state.ResumeTiming();
        PaintHistory history;
        history.reset(kCanvas);
        for (int i = 1; i <= 30; ++i) {
            shiftFigure(strokes.back(), i, 0);
            history.take(kCanvas, strokes);
        }
        state.PauseTiming();
        state.counters["pictures_MB"] = (pictures - start) / 1e6;
        state.counters["thirty_snapshots_MB"] = (residentBytes() - pictures) / 1e6;
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(takeSnapshot)->Name("paint_snapshot/ten_pictures")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(copyAndCompare)
    ->Name("paint_snapshot/ten_pictures/memcpy_memcmp")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(thirtySnapshots)
    ->Name("paint_snapshot/thirty_in_a_row")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace molvane::bench
