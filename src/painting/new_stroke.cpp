#include "painting/new_stroke.h"

#include "painting/paint_mode.h"

namespace molvane {

namespace {

constexpr int kStrokeCursorPrecision = 4;

bool hasLineWidth(int kind)
{
    return kind == kStrokeRectangle || kind == kStrokeEllipse || kind == kStrokeLine || kind == kStrokePen;
}

} // namespace

TFigure makeStroke(const StrokeInputs& in)
{
    TFigure f;
    f.kind = in.kind;
    f.cursorPrecision = kStrokeCursorPrecision;
    f.freeForm = in.freeForm;
    f.fineMoved = false;
    f.penColor = f.auxColor = f.fillColor = in.colour;
    f.penStyle = in.kind == kStrokePicture ? 0 : in.penStyle;
    f.lineWidth = hasLineWidth(in.kind) ? in.lineWidth : 0;
    f.shape = in.kind == kStrokeLine ? in.shape : 0;
    f.sizeStep = 0;
    f.ends = {in.press, in.press, in.press, in.release, in.release, in.release};
    f.freeEnds = f.ends;
    f.points = in.points;
    if (in.kind == kStrokePicture)
        f.picture = in.picture.convertToFormat(QImage::Format_RGB32);
    f.text = in.text;
    f.handle = handlePoint(f);
    f.selected = false;
    return f;
}

} // namespace molvane
