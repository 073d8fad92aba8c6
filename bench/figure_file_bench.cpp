// Writing and reading the huge drawing as a figure file (.fga) in memory, against the plainest code
// that writes and reads the same fields: a loop over plain structs through a little-endian QDataStream.

#include "document/figure_file.h"
#include "drawings.h"

#include <QDataStream>
#include <QIODevice>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <vector>

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

// A figure record as plain fields, in the order the file holds them.
struct PlainRecord {
    qint32 kind = 0, precision = 0;
    quint8 freeForm = 0, fineMoved = 0;
    quint32 penColor = 0, auxColor = 0, fillColor = 0;
    qint32 penStyle = 0, lineWidth = 0, shape = 0, sizeStep = 0, reserved = 0;
    std::array<qint32, 12> ends{}, freeEnds{}; // six points each
    std::array<qint32, 10> handleAndExtremes{};
    std::array<qint32, 4> margins{};
    QByteArray fontName, text;
    std::vector<qint32> points; // x, y, x, y, ...
    bool hasPoints = false;
};

struct PlainFile {
    qint32 format = 1, total = 0, width = 0, height = 0, left = 0, top = 0;
    std::vector<PlainRecord> records;
};

template <typename Array> void writeAll(QDataStream& out, const Array& values)
{
    for (qint32 v : values)
        out << v;
}

template <typename Array> void readAll(QDataStream& in, Array& values)
{
    for (qint32& v : values)
        in >> v;
}

void writeBytes(QDataStream& out, const QByteArray& bytes)
{
    out << qint32(bytes.size());
    out.writeRawData(bytes.constData(), int(bytes.size()));
}

QByteArray readBytes(QDataStream& in)
{
    qint32 n = 0;
    in >> n;
    QByteArray bytes(std::max(0, n), Qt::Uninitialized);
    in.readRawData(bytes.data(), int(bytes.size()));
    return bytes;
}

// capacity: the size the file will have, reserved up front (a QByteArray growing by small writes
// behind a QDataStream would be copied over and over).
QByteArray writePlain(const PlainFile& file, qsizetype capacity)
{
    QByteArray bytes;
    bytes.reserve(capacity);
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << file.format << file.total << file.width << file.height << file.left << file.top << qint32(0);
    out << qint32(file.records.size());
    for (const PlainRecord& r : file.records) {
        out << r.kind << r.precision << r.freeForm << r.fineMoved << r.penColor << r.auxColor << r.fillColor
            << r.penStyle << r.lineWidth << r.shape << r.sizeStep << r.reserved;
        writeAll(out, r.ends);
        writeAll(out, r.freeEnds);
        writeAll(out, r.handleAndExtremes);
        writeAll(out, r.margins);
        writeBytes(out, r.fontName);
        writeBytes(out, r.text);
        if (r.hasPoints) {
            out << qint32(r.points.size() / 2);
            writeAll(out, r.points);
        }
    }
    out.device()->seek(4);
    out << qint32(bytes.size());
    return bytes;
}

PlainFile readPlain(const QByteArray& bytes)
{
    PlainFile file;
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 background = 0, count = 0;
    in >> file.format >> file.total >> file.width >> file.height >> file.left >> file.top >> background >> count;
    file.records.resize(std::size_t(std::max(0, count)));
    for (PlainRecord& r : file.records) {
        in >> r.kind >> r.precision >> r.freeForm >> r.fineMoved >> r.penColor >> r.auxColor >> r.fillColor >>
            r.penStyle >> r.lineWidth >> r.shape >> r.sizeStep >> r.reserved;
        readAll(in, r.ends);
        readAll(in, r.freeEnds);
        readAll(in, r.handleAndExtremes);
        readAll(in, r.margins);
        r.fontName = readBytes(in);
        r.text = readBytes(in);
        r.hasPoints = r.kind == fkFree || r.kind == fkNuri || r.freeForm != 0;
        if (r.hasPoints) {
            qint32 m = 0;
            in >> m;
            r.points.resize(std::size_t(std::max(0, m)) * 2);
            readAll(in, r.points);
        }
    }
    return file;
}

void writeHugePlain(benchmark::State& state)
{
    const QByteArray original = hugeFile();
    const PlainFile file = readPlain(original);
    if (writePlain(file, original.size()) != original) {
        state.SkipWithError("the twin does not write the file's bytes back");
        return;
    }
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = writePlain(file, original.size());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * size);
}

// The structs are freed outside the timing, as the figures read are.
void readHugePlain(benchmark::State& state)
{
    const QByteArray bytes = hugeFile();
    for (auto _ : state) {
        PlainFile file = readPlain(bytes);
        benchmark::DoNotOptimize(file.records.data());
        state.PauseTiming();
        file = {};
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * bytes.size());
}

} // namespace

BENCHMARK(writeHuge)->Name("fga/huge/write")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(writeHugePlain)->Name("fga/huge/write/qdatastream")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(readHuge)->Name("fga/huge/read")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(readHugePlain)->Name("fga/huge/read/qdatastream")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace molvane::bench
