#pragma once
// The textbook scanline flood fill the benchmarks compare our fills with.

#include <QImage>
#include <QPoint>

#include <vector>

namespace molvane::bench {

// The scanline fill of the textbooks: a stack of seeds; each seed's run is filled left and right, and
// the rows above and below are searched for the runs it touches.
inline void textbookFill(QImage& image, QPoint seed, QRgb fill)
{
    const QRgb target = image.pixel(seed);
    if (target == fill)
        return;
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(p.y()));
        if (row[p.x()] != target)
            continue;
        int left = p.x(), right = p.x();
        while (left > 0 && row[left - 1] == target)
            --left;
        while (right + 1 < image.width() && row[right + 1] == target)
            ++right;
        for (int x = left; x <= right; ++x)
            row[x] = fill;
        for (int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= image.height())
                continue;
            const auto* next = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = left; x <= right; ++x)
                if (next[x] == target && (x == left || next[x - 1] != target))
                    stack.push_back({x, y});
        }
    }
}

} // namespace molvane::bench
