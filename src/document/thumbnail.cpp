#include "document/thumbnail.h"

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
    const QImage rgb = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    int left = rgb.width(), right = -1, top = -1, bottom = -1;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const auto* end = line + rgb.width();
        const auto* first = std::find_if_not(line, end, isWhite);
        if (first == end)
            continue;
        const auto last =
            std::find_if_not(std::make_reverse_iterator(end), std::make_reverse_iterator(first), isWhite);
        left = std::min(left, int(first - line));
        right = std::max(right, int(last.base() - line) - 1);
        if (top < 0)
            top = y;
        bottom = y;
    }
    if (top < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
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
