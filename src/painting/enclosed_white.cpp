#include "painting/enclosed_white.h"

#include "platform/flood_fill.h"

#include <cstring>

namespace molvane {

namespace {

constexpr int kMargin = 10;

} // namespace

void convertEnclosedWhite(QImage& picture, TColor opaqueWhite)
{
    if (picture.isNull())
        return;
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    const int w = picture.width(), h = picture.height();
    const QRgb opaque = toQRgb(opaqueWhite) | 0xFF000000u;
    const QRgb white = toQRgb(clWhite) | 0xFF000000u;
    // The picture inside a margin of opaque white, its pure white turned opaque: one fill from the
    // corner then reaches every white area that touches the border.
    QImage framed(w + 2 * kMargin, h + 2 * kMargin, QImage::Format_RGB32);
    framed.fill(opaque);
    for (int y = 0; y < h; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(framed.scanLine(y + kMargin)) + kMargin;
        for (int x = 0; x < w; ++x)
            to[x] = (from[x] & 0xFFFFFFu) == (white & 0xFFFFFFu) ? opaque : from[x];
    }
    floodFillSurface(framed, QPoint(0, 0), white);
    for (int y = 0; y < h; ++y)
        std::memcpy(picture.scanLine(y), framed.constScanLine(y + kMargin) + kMargin * sizeof(QRgb),
                    std::size_t(w) * sizeof(QRgb));
}

} // namespace molvane
