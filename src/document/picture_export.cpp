#include "document/picture_export.h"

#include "document/geometry.h"
#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"
#include "platform/image_codec_result.h"
#include "platform/jpeg_codec.h"
#include "platform/tcolor.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <cstdint>
#include <limits>

namespace molvane {

QRect viewRangeToCanvas(const QRect& viewRange, int zoom)
{
    if (viewRange.isEmpty() || zoom <= 0)
        return {};
    const int left = toModel(viewRange.left(), zoom);
    const int top = toModel(viewRange.top(), zoom);
    const std::int64_t width = std::int64_t(toModel(viewRange.right(), zoom)) - left;
    const std::int64_t height = std::int64_t(toModel(viewRange.bottom(), zoom)) - top;
    constexpr std::int64_t kLargest = std::numeric_limits<int>::max();
    if (width <= 0 || height <= 0 || width > kLargest || height > kLargest)
        return {};
    return QRect(left, top, int(width), int(height));
}

namespace {

QImage whitePicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    if (!picture.isNull())
        picture.fill(toQRgb(clWhite));
    return picture;
}

// The lasso's outline in the picture's pixels: each point converted to the canvas, then moved so that
// the range's top-left corner is the picture's origin.
QPainterPath lassoPath(const QPolygon& outline, int zoom, QPoint origin)
{
    QPolygonF points;
    points.reserve(outline.size());
    for (QPoint p : outline)
        points.append(QPointF(toModel(p, zoom) - origin));
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

} // namespace

QImage renderExport(const QImage& bitmap, const ExportSource& source, int scale)
{
    const bool lasso = source.kind == ExportSource::Kind::Lasso;
    const QRect canvasRange = viewRangeToCanvas(source.viewRange, source.zoom);
    const QRect range = source.kind == ExportSource::Kind::WholeCanvas
                            ? bitmap.rect()
                            : QRect(canvasRange.topLeft() * scale, canvasRange.size() * scale);
    if (range.isEmpty() || !pictureSizeError(range.width(), range.height()).isEmpty())
        return {};
    const QRect inside = range & bitmap.rect();
    if (!lasso && inside == range) // the plain copy, shared with the bitmap when it is all of it
        return (range == bitmap.rect() ? bitmap : bitmap.copy(range)).convertToFormat(QImage::Format_RGB32);

    QImage picture = whitePicture(range.size());
    if (picture.isNull() || inside.isEmpty())
        return picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (lasso)
        painter.setClipPath(QTransform::fromScale(scale, scale)
                                .map(lassoPath(source.lasso, source.zoom, canvasRange.topLeft())));
    painter.drawImage(inside.topLeft() - range.topLeft(), bitmap, inside);
    return picture;
}

namespace {

enum class PictureType { Unsupported, Bmp, Jpeg };

PictureType pictureTypeOf(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("bmp"))
        return PictureType::Bmp;
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg"))
        return PictureType::Jpeg;
    return PictureType::Unsupported;
}

// The file's bytes, or nothing with the reason.
QByteArray encodePicture(const QImage& picture, PictureType type, QString& why)
{
    if (picture.isNull()) {
        why = QStringLiteral("the picture is empty");
        return {};
    }
    if (type == PictureType::Bmp) {
        QByteArray bytes = writeBmp(picture);
        if (bytes.isEmpty())
            why = QStringLiteral("BMP: %1 x %2 pixels do not fit a BMP file")
                      .arg(picture.width())
                      .arg(picture.height());
        return bytes;
    }
    EncodedJpeg jpeg = writeJpeg(picture, 100);
    why = jpeg.error;
    return std::move(jpeg.bytes);
}

} // namespace

bool isPictureFileName(const QString& path)
{
    return pictureTypeOf(path) != PictureType::Unsupported;
}

PictureWriteResult writePictureFile(const QImage& picture, const QString& path)
{
    const PictureType type = pictureTypeOf(path);
    if (type == PictureType::Unsupported)
        return {false,
                QStringLiteral("%1 は保存できません。画像ファイルの種類は .bmp と .jpg です。")
                    .arg(QFileInfo(path).fileName()),
                QStringLiteral("not a .bmp, .jpg or .jpeg file")};
    QString why;
    const QByteArray bytes = encodePicture(picture, type, why);
    if (bytes.isEmpty() || !writeFileAtomically(path, bytes, &why)) {
        const QString text = QStringLiteral("%1 に書き込めません").arg(path);
        return {false, why.isEmpty() ? text : text + QStringLiteral("\n") + why, why};
    }
    return {true, {}, {}};
}

PictureWriteResult writeScaledPng(QImage picture, int scale, const QString& path)
{
    // Printed at the size the drawing has on screen: 96 dots per inch for each canvas pixel.
    const int dotsPerMetre = int(std::lround(96.0 * scale / 0.0254));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString why = QStringLiteral("PNG encoding failed");
    if (picture.isNull() || !picture.save(&buffer, "PNG") || !writeFileAtomically(path, bytes, &why)) {
        const QString text = QStringLiteral("%1 に書き込めません").arg(path);
        return {false, text + QStringLiteral("\n") + why, why};
    }
    return {true, {}, {}};
}

} // namespace molvane
