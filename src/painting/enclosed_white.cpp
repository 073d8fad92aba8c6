#include "painting/enclosed_white.h"

#include "platform/flood_fill.h"

namespace molvane {

void convertEnclosedWhite(QImage& picture, TColor opaqueWhite)
{
    if (picture.isNull())
        return;
    if (picture.format() != QImage::Format_RGB32)
        picture = picture.convertToFormat(QImage::Format_RGB32);
    const int w = picture.width(), h = picture.height();
    const QRgb opaque = toQRgb(opaqueWhite) | 0xFF000000u;
    const QRgb white = toQRgb(clWhite) | 0xFF000000u;
    // Every white becomes opaque white first; then the areas of it that reach the border are filled
    // back to pure white. A margin of opaque white all around, filled from its corner, would reach
    // exactly those areas: every one of them touches the border in a pixel of its own.
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = (line[x] & 0xFFFFFFu) == (white & 0xFFFFFFu) ? opaque : line[x];
    }
    const auto fillFrom = [&](int x, int y) {
        if ((picture.pixel(x, y) & 0xFFFFFFu) == (opaque & 0xFFFFFFu))
            floodFillSurface(picture, QPoint(x, y), white);
    };
    for (int x = 0; x < w; ++x) {
        fillFrom(x, 0);
        fillFrom(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        fillFrom(0, y);
        fillFrom(w - 1, y);
    }
}

} // namespace molvane
