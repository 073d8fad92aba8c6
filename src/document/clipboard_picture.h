#pragma once
// Reading a picture from the clipboard's data for pasting into the drawing. A pasted picture becomes a
// figure on the canvas and travels whole with every undo step, so it may be no larger than the largest
// canvas (kMaxCanvasSize, 2000 x 1500): a larger one could never be seen whole, and a screen-sized
// mistake would be stored twenty times over.
//
// Pictures other programs offer come encoded (image/png, image/bmp, image/jpeg, ...): each is read
// through QImageReader as the type it is offered as, and only that type; the header gives the size
// before anything is decoded, so a picture that claims 30000 x 30000 pixels is refused without
// allocating it, and the decoder's own allocations are capped as well. When several encodings are
// offered, PNG comes first, then BMP and JPEG, then the others Qt reads; an encoding that cannot be read
// (no bytes at all, too) gives way to the next. A picture put there by this program itself
// (QMimeData::setImageData, when no encoding is offered) is already decoded: only its size is checked.

#include <QImage>
#include <QString>

class QMimeData;

namespace molvane {

struct ClipboardPicture {
    enum class Outcome {
        Nothing, // no picture on the clipboard (text only, or no data at all): nothing to paste
        Picture, // image holds it
        Refused, // a picture is there but cannot be pasted: message says why
    };
    Outcome outcome = Outcome::Nothing;
    QImage image;    // Format_RGB32, at least 1 x 1 and at most kMaxCanvasSize; null otherwise
    QString message; // for the user (Japanese), when refused
};

// The messages: for a picture of no pixels or no bytes
//   "クリップボードの画像は空です。"
// for one beyond the largest canvas (sizes in pixels)
//   "クリップボードの画像は大きすぎます（%1 × %2 ピクセル）。"
//   "貼り付けられる画像は 2000 × 1500 ピクセルまでです。" (one line)
// for bytes no reader can decode, with the reader's reason on a second line
//   "クリップボードの画像を読み込めません。"
ClipboardPicture readClipboardPicture(const QMimeData* data);

} // namespace molvane
