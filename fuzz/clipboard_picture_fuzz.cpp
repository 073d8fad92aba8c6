// Offers arbitrary bytes on the clipboard as a PNG and as a BMP picture, as pasting reads them. Besides
// memory errors it traps on broken promises: a pasted picture is opaque RGB of at least one pixel and
// at most the largest canvas, a refusal says why, and bytes offered as a picture are never "nothing".
#include "document/clipboard_picture.h"
#include "document/drawing.h"
#include "fuzz_check.h"

#include <QMimeData>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace molvane;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const char* type : {"image/png", "image/bmp"}) {
        QMimeData offered;
        offered.setData(QString::fromLatin1(type), bytes);
        const ClipboardPicture got = readClipboardPicture(&offered);
        switch (got.outcome) {
        case ClipboardPicture::Outcome::Picture:
            check(got.image.format() == QImage::Format_RGB32 && !got.image.size().isEmpty() &&
                  got.image.width() <= kMaxCanvasSize.width() &&
                  got.image.height() <= kMaxCanvasSize.height() && got.message.isEmpty());
            break;
        case ClipboardPicture::Outcome::Refused: check(got.image.isNull() && !got.message.isEmpty()); break;
        case ClipboardPicture::Outcome::Nothing: check(false); break;
        }
    }
    return 0;
}
