#include "painting/paint_whites.h"

#include <QImage>
#include <QPainter>

namespace molvane {

TColor probeDeviceColour(TColor c)
{
    // The working picture's own format: what a stroke on it really leaves.
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::black);
    {
        QPainter painter(&pixel);
        painter.fillRect(QRect(0, 0, 1, 1), toQColor(c));
    }
    return fromQRgb(pixel.pixel(0, 0));
}

PaintWhites findPaintWhites()
{
    PaintWhites whites;
    for (int n = 255; n >= 0; --n) {
        const TColor candidate = makeTColor(255, n, 255);
        if (probeDeviceColour(candidate) != kTransparentWhite) {
            whites.opaque = candidate;
            break;
        }
    }
    const int g = greenOf(whites.opaque);
    for (int m = 255; m >= 0; --m) {
        const TColor candidate = makeTColor(255, g, m);
        const TColor probed = probeDeviceColour(candidate);
        if (probed != kTransparentWhite && probed != whites.opaque) {
            whites.barrier = candidate;
            break;
        }
    }
    return whites;
}

} // namespace molvane
