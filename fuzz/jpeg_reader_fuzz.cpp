// Feeds arbitrary bytes to the JPEG reader; whatever it accepts must also be writable.
#include "platform/jpeg_codec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView file(reinterpret_cast<const char*>(data), qsizetype(size));
    const molvane::DecodedImage decoded = molvane::readJpeg(file);
    if (decoded.ok()) {
        const molvane::EncodedJpeg written = molvane::writeJpeg(decoded.image);
        if (!written.ok())
            __builtin_trap(); // a decoded image is always within what the writer takes
    }
    return 0;
}
