// Writing and reading the huge drawing as a figure file (.fga) in memory, against writing and reading
// the same number of bytes to and from a memory buffer.

#include "document/figure_file.h"
#include "drawings.h"

#include <benchmark/benchmark.h>
#include <cstring>

namespace molvane::bench {

namespace {

QByteArray hugeFile()
{
    const Drawing& d = hugeDrawing();
    const FigureRegion region{d.canvasSize().width(), d.canvasSize().height(), 0, 0};
    return encodeFigureFile(region, d.background, d.figures, {});
}

void writeHuge(benchmark::State& state)
{
    const Drawing& d = hugeDrawing();
    const FigureRegion region{d.canvasSize().width(), d.canvasSize().height(), 0, 0};
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = encodeFigureFile(region, d.background, d.figures, {});
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * size);
}

// What decodeFigureFile costs: the figures are freed (later, by whoever read them) outside the timing.
void readHuge(benchmark::State& state)
{
    const QByteArray bytes = hugeFile();
    for (auto _ : state) {
        DecodedFigureFile file = decodeFigureFile(bytes);
        if (!file.ok()) {
            state.SkipWithError("the huge drawing's file does not read back");
            break;
        }
        benchmark::DoNotOptimize(file.figures.data());
        state.PauseTiming();
        file = {};
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * bytes.size());
}

// A new buffer of the file's size, filled from another: what any producer or reader of those bytes
// has to do at the least.
QByteArray copied(const QByteArray& source)
{
    QByteArray copy(source.size(), Qt::Uninitialized);
    std::memcpy(copy.data(), source.constData(), std::size_t(source.size()));
    return copy;
}

void writeBytes(benchmark::State& state)
{
    const QByteArray source = hugeFile();
    for (auto _ : state) {
        const QByteArray copy = copied(source);
        benchmark::DoNotOptimize(copy.constData());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * source.size());
}

// The copy is freed outside the timing, as the figures read are.
void readBytes(benchmark::State& state)
{
    const QByteArray source = hugeFile();
    for (auto _ : state) {
        QByteArray copy = copied(source);
        benchmark::DoNotOptimize(copy.constData());
        state.PauseTiming();
        copy = QByteArray();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * source.size());
}

} // namespace

BENCHMARK(writeHuge)->Name("fga/huge/write")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(writeBytes)->Name("fga/huge/write/memory_buffer")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(readHuge)->Name("fga/huge/read")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(readBytes)->Name("fga/huge/read/memory_buffer")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace molvane::bench
