#pragma once
// Saving the drawing, or a selected range of it, as a picture file. The picture is always taken from
// the drawing bitmap (the figures at 100 % on white), never from the view: no grid, marks or frames.
//
// Ranges arrive as the selection keeps them, in view pixels with both edges inclusive (a rubber band's
// corners). Each of the four edges is converted to canvas pixels on its own (toModel: round(v * 100 /
// zoom), ties to even); the picture then covers the canvas pixels left <= x < right and top <= y <
// bottom of the converted edges, so its width is right - left, as a partial figure file's region is.
// At zoom 200 the view range (100, 100)-(300, 300) is the canvas range (50, 50)-(150, 150): a picture
// of 100 x 100 pixels, the canvas pixels 50 to 149 of each direction.

#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QString>

namespace molvane {

// The canvas pixels a view range covers: x, y the converted left and top edges, width and height the
// converted right minus left and bottom minus top. Empty for an empty view range (QRect::isEmpty), a
// zoom that is not positive, or a range narrower than one canvas pixel.
QRect viewRangeToCanvas(const QRect& viewRange, int zoom);

// What a picture is made of: the whole canvas, a rectangular range, or a lasso (free range).
struct ExportSource {
    enum class Kind { WholeCanvas, Rectangle, Lasso };
    Kind kind = Kind::WholeCanvas;
    QRect viewRange; // view pixels, both edges inclusive; the lasso's bounds for a lasso
    QPolygon lasso;  // the lasso's outline in view pixels, closed from its last point to its first
    int zoom = 100;  // percent

    static ExportSource wholeCanvas() { return {}; }
    static ExportSource rectangle(const QRect& viewRange, int zoom)
    {
        return {Kind::Rectangle, viewRange, {}, zoom};
    }
    static ExportSource freeRange(const QRect& viewRange, const QPolygon& outline, int zoom)
    {
        return {Kind::Lasso, viewRange, outline, zoom};
    }
};

// The picture of the source (Format_RGB32): white 0xFFFFFF, with the bitmap's pixels of the range
// copied in. Parts of the range beyond the bitmap stay white. A lasso copies only the pixels an
// aliased odd-even fill of its outline (converted to canvas pixels like the range) covers, the pixels
// the selection judges figures by; the rest stays white. Null when the range is empty or larger than
// any picture may be (see image_codec_result.h).
// At a scale the bitmap is the drawing rendered at that scale (see drawing_bitmap.h) and the range's
// canvas pixels become scale x scale pixels each.
QImage renderExport(const QImage& bitmap, const ExportSource& source, int scale = 1);

// The scales a high-resolution picture is made at.
inline constexpr int kSmallestExportScale = 1;
inline constexpr int kLargestExportScale = 8;

// Writing a picture file, told by the lower-cased extension: ".bmp" as a 24-bit uncompressed BMP,
// ".jpg" or ".jpeg" as a quality-100 baseline JPEG. Any other extension writes nothing. The file is
// written atomically: a failure leaves the previous file as it was.
struct PictureWriteResult {
    bool ok = false;
    QString message; // what the user is told when it failed (Japanese); empty when ok
    QString reason;  // why it failed, the encoder's or the system's words alone; empty when ok
};

// "%1 は保存できません。画像ファイルの種類は .bmp と .jpg です。" for an unsupported extension (the name
// without its folder); "%1 に書き込めません" and the reason on a second line when the file cannot be
// written (the full path).
PictureWriteResult writePictureFile(const QImage& picture, const QString& path);

// Whether writePictureFile() writes this kind of file.
bool isPictureFileName(const QString& path);

// Writes a picture made at a scale as a PNG file (atomically), its resolution stored as 96 x scale dots
// per inch so it prints at the drawing's size on screen; the failure as writePictureFile() gives it.
PictureWriteResult writeScaledPng(QImage picture, int scale, const QString& path);

} // namespace molvane
