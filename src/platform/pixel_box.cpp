#include "platform/pixel_box.h"

#include <algorithm>
#include <iterator>

namespace molvane {

QRect boxOfPixelsOtherThan(const QImage& picture, QRgb colour)
{
    const QImage rgb = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = colour & 0xFFFFFFu;
    const auto isKey = [key](QRgb pixel) { return (pixel & 0xFFFFFFu) == key; };
    int left = rgb.width(), right = -1, top = -1, bottom = -1;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const auto* end = line + rgb.width();
        const auto* first = std::find_if_not(line, end, isKey);
        if (first == end)
            continue;
        const auto last =
            std::find_if_not(std::make_reverse_iterator(end), std::make_reverse_iterator(first), isKey);
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

} // namespace molvane
