#include "painting/picture_frame.h"

namespace molvane {

void paintPictureFrame(Canvas& canvas, const QRect& picture, PenStyle style)
{
    const CanvasPen pen = canvas.pen();
    const CanvasBrush brush = canvas.brush();
    canvas.setPen({clRed, kPictureFrameWidth, style});
    canvas.setBrush({clRed, BrushStyle::Clear});
    canvas.rectangle(picture.topLeft() - QPoint(2, 2), picture.bottomRight() + QPoint(2, 2));
    canvas.setPen(pen);
    canvas.setBrush(brush);
}

} // namespace molvane
