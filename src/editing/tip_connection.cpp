#include "editing/tip_connection.h"

#include "document/fill_surroundings.h"
#include "document/geometry.h"

namespace molvane {

namespace {

bool isBond(int kind) { return kind == fkSingle || kind == fkDouble || kind == fkTriple; }

TColor pixelColour(const QImage& bitmap, QPoint p) { return fromQRgb(bitmap.pixel(p)); }

// Where the tip lands: past the gap after the bond's own stroke, on the neighbour's first pixel.
// The tip itself when nothing lies within reach or the walk ends on white paper.
QPoint connectedPoint(const TFigure& f, const QImage& bitmap, QPoint tip, double angle)
{
    const QPoint gap = probeBoundary(bitmap, tip, angle, f.penColor);
    if (gap == tip || !bitmap.rect().contains(gap))
        return tip;
    const QPoint edge = probeBoundary(bitmap, gap, angle, pixelColour(bitmap, gap));
    if (edge == gap || !bitmap.rect().contains(edge) || pixelColour(bitmap, edge) == clWhite)
        return tip;
    return edge;
}

} // namespace

QRect tipPickBox(QPoint screen, int zoom)
{
    const int reach = roundEven(5.0 * zoom / 100.0);
    const QPoint a = toModel(screen - QPoint(reach, reach), zoom);
    const QPoint b = toModel(screen + QPoint(reach, reach), zoom);
    return QRect(a, b - QPoint(1, 1)); // left <= x < right, top <= y < bottom
}

bool pickTip(TFigure& f, const QImage& bitmap, const QRect& box, bool connect)
{
    int line = -1;
    bool atEnd = false;
    for (int i = 0; i < 3 && line < 0; ++i) {
        if (box.contains(f.ends[std::size_t(i + 3)]))
            line = i, atEnd = true;
        else if (box.contains(f.ends[std::size_t(i)]))
            line = i, atEnd = false;
    }
    if (line < 0)
        return false;
    if (!isBond(f.kind))
        return true;
    // The tips that move: the main line's alone, or every side line's at that end.
    std::vector<int> tips;
    const int offset = atEnd ? 3 : 0;
    if (line == 0) {
        tips.push_back(offset);
    } else if (f.kind != fkSingle) {
        tips.push_back(kSecondStart + offset);
        if (f.kind == fkTriple)
            tips.push_back(kThirdStart + offset);
    }
    for (int t : tips) {
        const auto tip = std::size_t(t);
        const std::size_t other = atEnd ? tip - 3 : tip + 3;
        if (!connect) {
            f.ends[tip] = f.freeEnds[tip];
            continue;
        }
        if (f.ends[tip] != f.freeEnds[tip])
            continue; // already connected
        f.ends[tip] = connectedPoint(f, bitmap, f.ends[tip], dir(f.ends[other], f.ends[tip]));
    }
    return true;
}

} // namespace molvane
