#include "document/clipboard_picture.h"

#include "document/drawing.h"
#include "platform/tcolor.h"

#include <QBuffer>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

namespace molvane {

namespace {

// What a decoder may allocate, in MiB: the largest canvas even at 64 bits a pixel (24 MB), with room
// for a decoder's working rows, and far below what a hostile header could ask for.
constexpr int kDecoderMemoryMiB = 64;

ClipboardPicture refused(const QString& message)
{
    return {ClipboardPicture::Outcome::Refused, QImage(), message};
}

QString emptyMessage()
{
    return QStringLiteral("クリップボードの画像は空です。");
}

// Why a picture of this size cannot be pasted, or nothing.
QString sizeRefusal(QSize size)
{
    if (size.isEmpty())
        return emptyMessage();
    if (size.width() <= kMaxCanvasSize.width() && size.height() <= kMaxCanvasSize.height())
        return {};
    return QStringLiteral("クリップボードの画像は大きすぎます（%1 × %2 ピクセル）。"
                          "貼り付けられる画像は %3 × %4 ピクセルまでです。")
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxCanvasSize.width())
        .arg(kMaxCanvasSize.height());
}

// The picture as the drawing holds pictures: opaque RGB, with any transparent parts on white, the
// canvas's colour.
ClipboardPicture accepted(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return {ClipboardPicture::Outcome::Picture, image.convertToFormat(QImage::Format_RGB32), {}};
    QImage onWhite(image.size(), QImage::Format_RGB32);
    onWhite.fill(toQRgb(clWhite));
    QPainter(&onWhite).drawImage(0, 0, image);
    return {ClipboardPicture::Outcome::Picture, onWhite, {}};
}

ClipboardPicture checked(const QImage& image)
{
    if (const QString why = sizeRefusal(image.isNull() ? QSize() : image.size()); !why.isEmpty())
        return refused(why);
    return accepted(image);
}

// A picture type on offer that Qt can read: its MIME type and the reader's name for it.
struct Encoding {
    QString mimeType;
    QByteArray format;
};

// The offered picture types Qt can read, in the order they are tried.
QList<Encoding> readableEncodings(const QMimeData& data)
{
    static const QStringList preferred{QStringLiteral("image/png"), QStringLiteral("image/bmp"),
                                       QStringLiteral("image/x-bmp"), QStringLiteral("image/x-ms-bmp"),
                                       QStringLiteral("image/jpeg")};
    QList<Encoding> offered;
    for (const QString& type : data.formats()) {
        // A vector drawing has no size in pixels of its own: the bitmap offered beside it is pasted.
        if (!type.startsWith(QLatin1String("image/"), Qt::CaseInsensitive) ||
            type.startsWith(QLatin1String("image/svg"), Qt::CaseInsensitive))
            continue;
        const QList<QByteArray> formats = QImageReader::imageFormatsForMimeType(type.toLower().toLatin1());
        if (!formats.isEmpty())
            offered.append({type, formats.first()});
    }
    const auto rank = [](const Encoding& e) {
        const qsizetype at = preferred.indexOf(e.mimeType.toLower());
        return at < 0 ? preferred.size() : at;
    };
    std::stable_sort(offered.begin(), offered.end(),
                     [&](const Encoding& a, const Encoding& b) { return rank(a) < rank(b); });
    return offered;
}

// One encoded picture, read only as the type it is offered as: its declared size is judged before
// anything is decoded. A reader that cannot tell the size beforehand decodes under the allocation cap,
// and the result is judged afterwards. unreadable tells bytes no decoder could make a picture of (none
// at all, too) from a picture that was judged.
ClipboardPicture readEncoded(const QByteArray& bytes, const QByteArray& format, bool& unreadable)
{
    unreadable = true;
    if (bytes.isEmpty())
        return refused(emptyMessage());
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(kDecoderMemoryMiB);
    const QSize declared = reader.size();
    if (declared.isValid() && !sizeRefusal(declared).isEmpty()) {
        unreadable = false;
        return refused(sizeRefusal(declared));
    }
    const QImage image = reader.read();
    if (image.isNull())
        return refused(QStringLiteral("クリップボードの画像を読み込めません。\n") + reader.errorString());
    unreadable = false;
    return checked(image);
}

} // namespace

ClipboardPicture readClipboardPicture(const QMimeData* data)
{
    if (!data)
        return {};
    // An encoding no decoder can read gives way to the next one; the first one's reason is told.
    ClipboardPicture firstUnreadable;
    for (const Encoding& encoding : readableEncodings(*data)) {
        bool unreadable = false;
        ClipboardPicture picture = readEncoded(data->data(encoding.mimeType), encoding.format, unreadable);
        if (!unreadable)
            return picture;
        if (firstUnreadable.outcome == ClipboardPicture::Outcome::Nothing)
            firstUnreadable = std::move(picture);
    }
    if (firstUnreadable.outcome == ClipboardPicture::Outcome::Refused)
        return firstUnreadable;
    if (data->hasImage())
        return checked(data->imageData().value<QImage>());
    return {};
}

} // namespace molvane
