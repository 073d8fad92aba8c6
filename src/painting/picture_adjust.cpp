#include "painting/picture_adjust.h"

#include <array>
#include <cmath>

namespace molvane {

namespace {

using Table = std::array<std::uint8_t, 256>;

// The 256 results of one channel's shift: every pixel of the channel looks its value up.
Table channelTable(int brightness, int level)
{
    Table table{};
    const double shift = double(brightness + level) / 100.0 * 255.0;
    for (int c = 0; c < 256; ++c) {
        const float v = float(double(c) + shift);
        table[std::size_t(c)] = v < 0.0f ? 0 : v > 255.0f ? 255 : std::uint8_t(std::nearbyint(v));
    }
    return table;
}

} // namespace

QImage adjustPicture(const QImage& backup, int brightness, int red, int green, int blue)
{
    if (backup.isNull())
        return {};
    const QImage source = backup.convertToFormat(QImage::Format_RGB32);
    const Table r = channelTable(brightness, red), g = channelTable(brightness, green),
                b = channelTable(brightness, blue);
    QImage result(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = from[x];
            to[x] = qRgb(r[std::size_t(qRed(c))], g[std::size_t(qGreen(c))], b[std::size_t(qBlue(c))]);
        }
    }
    return result;
}

} // namespace molvane
