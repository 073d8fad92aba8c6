#pragma once
// The pictures that float over the picture editor's canvas are turned, cropped and stretched as the
// user drags their handles: the turn samples the nearest source pixel, so its colours stay exact.

#include <QImage>
#include <QPoint>
#include <QRect>

namespace molvane {

// The picture turned by angle (radians; positive turns it clockwise on screen) about its centre, on
// background: W' = round(|cos|·W + |sin|·H), H' = round(|sin|·W + |cos|·H), ties to even; every pixel
// takes the source pixel its centre falls on, or the background outside the source. Format_RGB32.
QImage rotatePicture(const QImage& source, double angle, QRgb background);

// The part of picture that is not transparent (its colour apart from alpha): the box of those pixels,
// and where the box lies in the picture. The whole picture when every pixel is transparent.
struct CroppedPicture {
    QImage picture;
    QPoint offset;
};
CroppedPicture cropToOpaque(const QImage& picture, QRgb transparent);

// The eight stretch handles, left to right and top to bottom as the user meets them.
enum class StretchHandle { Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

// The view rectangle (left, top, width, height; width and height may go negative) a stretch gives
// when the handle is dragged by (dx, dy) from the rectangle start. Corner handles keep the start's
// proportions, following the height when the picture is taller than wide (on the canvas), else the
// width.
struct StretchRect {
    int left = 0, top = 0, width = 0, height = 0;
};
StretchRect stretchedRect(StretchHandle handle, const QRect& start, QPoint delta, bool tallerThanWide);

} // namespace molvane
