// Feeds arbitrary bytes to the BMP reader; whatever it accepts must also be writable.
#include "platform/bmp_codec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView file(reinterpret_cast<const char*>(data), qsizetype(size));
    const molvane::DecodedImage decoded = molvane::readBmp(file);
    if (decoded.ok()) {
        const QByteArray written = molvane::writeBmp(decoded.image);
        if (written.isEmpty())
            __builtin_trap(); // a decoded image always fits a BMP file
    }
    return 0;
}
