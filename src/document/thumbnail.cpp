#include "document/thumbnail.h"

#include "platform/pixel_box.h"

#include <algorithm>

namespace molvane {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

bool isWhite(QRgb pixel)
{
    return (pixel | 0xFF000000u) == kWhite;
}

} // namespace

QRect inkedArea(const QImage& picture)
{
    return boxOfPixelsOtherThan(picture, kWhite);
}

QImage thumbnailOf(const QImage& picture, int size)
{
    size = std::clamp(size, kSmallestThumbnail, kLargestThumbnail);
    const QRect inked = inkedArea(picture);
    QImage part =
        picture.copy(inked.isEmpty() ? picture.rect() : inked).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < part.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
        std::replace_if(line, line + part.width(), isWhite, QRgb(0));
    }
    // Scaled premultiplied, so the edges fade to transparent rather than to grey.
    part.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (part.width() <= size && part.height() <= size)
        return part;
    // A long thin drawing keeps at least one pixel across.
    const QSize fitted =
        part.size().scaled(size, size, Qt::KeepAspectRatio).expandedTo({1, 1}).boundedTo({size, size});
    return part.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace molvane
