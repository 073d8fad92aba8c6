// Decodes arbitrary bytes as an undo snapshot, the state undo and redo load back. Besides memory
// errors it traps on broken invariants: the records read stay within what the bytes can hold, a
// failed read keeps the records before the bad one, and a snapshot read back encodes to itself.
#include "fuzz_check.h"
#include "document/figure_file.h"
#include "document/figure_stream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace molvane;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The reader appends: what was there before stays first.
    FigureList figures(1);
    figures[0].kind = fkMoji;
    figures[0].text = QStringLiteral("前");
    const bool ok = decodeUndoSnapshot(bytes, figures);
    check(!figures.empty() && figures[0].text == QStringLiteral("前"));
    check(qsizetype(figures.size() - 1) * kSmallestFigureRecord <= bytes.size());
    if (!ok)
        return 0;

    figures.erase(figures.begin());
    const QByteArray encoded = encodeUndoSnapshot(figures);
    FigureList again;
    check(decodeUndoSnapshot(encoded, again) && again.size() == figures.size());
    check(encodeUndoSnapshot(again) == encoded);
    return 0;
}
