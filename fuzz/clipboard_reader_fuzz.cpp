// Decodes arbitrary bytes as the internal clipboard's figures, as pasting does. Besides memory errors
// it traps on broken invariants: the records read stay within what the bytes can hold, and a
// clipboard read back encodes to bytes that decode to the same region and the same encoding.
#include "fuzz_check.h"
#include "document/figure_file.h"
#include "document/figure_stream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace molvane;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DecodedClipboard clip = decodeClipboard(bytes);
    check(qsizetype(clip.figures.size()) * kSmallestFigureRecord <= bytes.size());
    if (!clip.ok)
        return 0;

    // The figures come back relative to the region; stored at region (0, 0) they stay where they are.
    FigureRegion origin = clip.region;
    origin.left = origin.top = 0;
    const QByteArray encoded = encodeClipboard(origin, clip.figures);
    const DecodedClipboard again = decodeClipboard(encoded);
    check(again.ok && again.region == origin && again.figures.size() == clip.figures.size());
    check(encodeClipboard(origin, again.figures) == encoded);
    return 0;
}
