#pragma once
// The picture editor's zoom (10..800 %): canvas pixels to view pixels round to the nearest, ties to
// even; view pixels back to canvas pixels truncate toward zero.

#include <QPoint>
#include <QSize>

namespace molvane {

inline constexpr int kPaintZoomMin = 10;
inline constexpr int kPaintZoomMax = 800;

struct PaintViewScale {
    int zoom = 100;

    int toScreen(int v) const;
    int toCanvas(int v) const;
    QPoint toScreen(QPoint p) const { return {toScreen(p.x()), toScreen(p.y())}; }
    QPoint toCanvas(QPoint p) const { return {toCanvas(p.x()), toCanvas(p.y())}; }
    QSize toScreen(QSize s) const { return {toScreen(s.width()), toScreen(s.height())}; }
};

} // namespace molvane
