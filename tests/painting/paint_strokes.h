#pragma once
// Strokes for the picture editor's tests.

#include "document/figure.h"

#include <QImage>

namespace molvane::test {

inline TFigure penStroke(int width, QList<QPoint> points = {{1, 2}, {30, 40}})
{
    TFigure f;
    f.kind = fkFree;
    f.penColor = makeTColor(255, 0, 0);
    f.lineWidth = width;
    f.text = QStringLiteral("ペン");
    f.points = std::move(points);
    return f;
}

inline QImage filledPicture(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline TFigure pictureStroke(QImage picture, QPoint at = {5, 6})
{
    TFigure f;
    f.kind = fkPicture;
    f.ends[kMainEnd] = at;
    f.picture = std::move(picture);
    return f;
}

} // namespace molvane::test
