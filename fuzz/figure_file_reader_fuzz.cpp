// Decodes arbitrary bytes as a figure file (.fga / .fgb), the way a file chosen by the user is read.
// Besides memory errors it traps on broken invariants: no more records than the bytes can hold, and
// whatever decodes cleanly encodes to bytes that decode cleanly again to the same encoding.
#include "fuzz_check.h"
#include "document/figure_file.h"
#include "document/figure_stream.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace molvane;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DecodedFigureFile file = decodeFigureFile(bytes);
    check(qsizetype(file.figures.size()) * kSmallestFigureRecord <= bytes.size());
    check(file.background.isNull() || file.backgroundBytes > 0);
    if (!file.ok())
        return 0;

    const QByteArray encoded = encodeFigureFile(file.region, file.background, file.figures, {});
    const DecodedFigureFile again = decodeFigureFile(encoded);
    check(again.ok() && again.region == file.region && again.figures.size() == file.figures.size());
    check(again.background.size() == file.background.size());
    check(encodeFigureFile(again.region, again.background, again.figures, {}) == encoded);
    return 0;
}
