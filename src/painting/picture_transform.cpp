#include "painting/picture_transform.h"

#include "platform/pixel_box.h"

#include <algorithm>
#include <cmath>

namespace molvane {

namespace {

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

qint64 ceilDiv(qint64 a, qint64 b)
{
    return -floorDiv(-a, b);
}

// The columns i (within [lo, hi)) where start + i * step lies in [0, limit): one run, as the value
// moves one way along the row.
void narrowToInside(qint64 start, qint64 step, qint64 limit, qint64& lo, qint64& hi)
{
    if (step == 0) {
        if (start < 0 || start >= limit)
            hi = lo;
        return;
    }
    qint64 first = 0, last = 0; // inclusive
    if (step > 0) {
        first = ceilDiv(-start, step);
        last = floorDiv(limit - 1 - start, step);
    } else {
        first = ceilDiv(limit - 1 - start, step);
        last = floorDiv(-start, step);
    }
    lo = std::max(lo, first);
    hi = std::min(hi, last + 1);
}

} // namespace

QImage rotatePicture(const QImage& source, double angle, QRgb background)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    const int w = src.width(), h = src.height();
    const double c = std::cos(angle), s = std::sin(angle);
    const int outW = int(std::nearbyint(std::abs(c * w) + std::abs(s * h)));
    const int outH = int(std::nearbyint(std::abs(s * w) + std::abs(c * h)));
    QImage out(std::max(outW, 1), std::max(outH, 1), QImage::Format_RGB32);
    const double cx = outW / 2.0 - 0.5, cy = outH / 2.0 - 0.5;
    const uchar* bits = src.constBits();
    const qsizetype stride = src.bytesPerLine();
    const QRgb fill = background | 0xFF000000u;
    const int width = out.width();
    // The source coordinates in 32.32 fixed point: adding the steps along a row needs no rounding, and
    // an arithmetic shift gives the floor, negative values included.
    constexpr double kOne = 4294967296.0;
    const auto fixed = [](double v) { return qint64(std::llround(v * kOne)); };
    const qint64 stepX = fixed(c), stepY = fixed(-s);
    for (int j = 0; j < out.height(); ++j) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(j));
        // The source point of the row's first pixel, then one step of (c, -s) per column.
        qint64 x = fixed(w / 2.0 + c * (0 - cx) + s * (j - cy));
        qint64 y = fixed(h / 2.0 - s * (0 - cx) + c * (j - cy));
        // The row's pixels whose source point lies on the picture are one run; the rest is background.
        qint64 lo = 0, hi = width;
        narrowToInside(x, stepX, qint64(w) << 32, lo, hi);
        narrowToInside(y, stepY, qint64(h) << 32, lo, hi);
        if (lo >= hi)
            lo = hi = 0;
        std::fill(line, line + lo, fill);
        x += lo * stepX;
        y += lo * stepY;
        for (qint64 i = lo; i < hi; ++i, x += stepX, y += stepY)
            line[i] = reinterpret_cast<const QRgb*>(bits + qsizetype(y >> 32) * stride)[x >> 32];
        std::fill(line + hi, line + width, fill);
    }
    return out;
}

CroppedPicture cropToOpaque(const QImage& picture, QRgb transparent)
{
    const QImage src = picture.convertToFormat(QImage::Format_RGB32);
    const QRect box = boxOfPixelsOtherThan(src, transparent);
    if (box.isEmpty())
        return {src, QPoint(0, 0)};
    return {src.copy(box), box.topLeft()};
}

StretchRect stretchedRect(StretchHandle handle, const QRect& start, QPoint delta, bool tallerThanWide)
{
    const int l0 = start.left(), t0 = start.top(), w0 = start.width(), h0 = start.height();
    const int dx = delta.x(), dy = delta.y();
    const double ratio = h0 != 0 ? double(w0) / h0 : 1.0;
    const auto widthFor = [ratio](int height) { return int(std::nearbyint(height * ratio)); };
    const auto heightFor = [ratio](int width) { return int(std::nearbyint(width / ratio)); };
    StretchRect r{l0, t0, w0, h0};
    const bool left = handle == StretchHandle::Left || handle == StretchHandle::TopLeft ||
                      handle == StretchHandle::BottomLeft;
    const bool top =
        handle == StretchHandle::Top || handle == StretchHandle::TopLeft || handle == StretchHandle::TopRight;
    switch (handle) {
    case StretchHandle::Left: r.left = l0 + dx, r.width = w0 - dx; break;
    case StretchHandle::Right: r.width = w0 + dx; break;
    case StretchHandle::Top: r.top = t0 + dy, r.height = h0 - dy; break;
    case StretchHandle::Bottom: r.height = h0 + dy; break;
    default:
        // The corners keep the proportions: by the height of a tall picture, else by the width.
        if (tallerThanWide) {
            r.height = top ? h0 - dy : h0 + dy;
            r.width = widthFor(r.height);
            if (top)
                r.top = t0 + dy;
        } else {
            r.width = left ? w0 - dx : w0 + dx;
            r.height = heightFor(r.width);
            if (left)
                r.left = l0 + dx;
            if (top)
                r.top = t0 + h0 - r.height;
        }
        if (tallerThanWide && left)
            r.left = l0 + w0 - r.width;
        break;
    }
    return r;
}

} // namespace molvane
