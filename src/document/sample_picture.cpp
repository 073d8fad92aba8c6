#include "document/sample_picture.h"

namespace molvane {

namespace {

// 179 is round(0.7 x 256); 76 is 255 - 179.
constexpr int kWhiteShare = 179;
constexpr int kPictureShare = 255 - kWhiteShare;

int fade(int channel)
{
    return (kWhiteShare * 255 + kPictureShare * channel) / 255;
}

} // namespace

QImage fadedSample(const QImage& loaded, QRgb transparent)
{
    if (loaded.isNull())
        return {};
    const QImage source = loaded.convertToFormat(QImage::Format_RGB32);
    QImage faded(source.size(), QImage::Format_RGB32);
    const QRgb key = transparent & 0xFFFFFFu;
    for (int y = 0; y < source.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(faded.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = from[x];
            to[x] = (c & 0xFFFFFFu) == key ? qRgb(255, 255, 255)
                                           : qRgb(fade(qRed(c)), fade(qGreen(c)), fade(qBlue(c)));
        }
    }
    return faded;
}

} // namespace molvane
