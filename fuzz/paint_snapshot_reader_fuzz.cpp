// Decodes arbitrary bytes as a picture editor snapshot. Besides memory errors it traps on broken
// invariants: the strokes read stay within what the bytes can hold, and a state read back is taken,
// laid out, compared and restored consistently.
#include "document/figure_stream.h"
#include "fuzz_check.h"
#include "painting/paint_snapshot.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace molvane;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const PaintState read = readPaintSnapshot(bytes);
    check(qsizetype(read.strokes.size()) * kSmallestFigureRecord <= bytes.size());

    const PaintSnapshot taken = PaintSnapshot::of(read.canvas, read.strokes);
    const QByteArray laid = taken.layoutBytes();
    const PaintState again = readPaintSnapshot(laid);
    check(!again.damaged && again.strokes.size() == read.strokes.size());
    const PaintSnapshot retaken = PaintSnapshot::of(again.canvas, again.strokes);
    check(retaken.sameLayout(taken) && retaken.layoutBytes() == laid);
    const PaintState restored = taken.restore();
    check(!restored.damaged && PaintSnapshot::of(restored.canvas, restored.strokes).sameLayout(taken));
    return 0;
}
