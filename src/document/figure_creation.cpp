#include "document/figure_creation.h"

#include "document/geometry.h"

namespace molvane {

namespace {

struct CreatedFields {
    int lineWidth;
    int shape;
    int sizeStep;
    int penStyle;
    bool texts;
};

CreatedFields fieldsFor(const DrawingConditions& c)
{
    switch (c.kind) {
    case fkMoji: return {0, c.shape, c.sizeStep, 0, true};
    case fkSingle:
    case fkFree: return {c.width, 0, 0, c.penStyle, false};
    case fkDouble:
    case fkTriple:
    case fkCurve:
    case fkArrow:
    case fkPai:
    case fkCircle: return {c.width, c.shape, 0, c.penStyle, false};
    case fkStereo: return {0, c.shape, 0, c.penStyle, false};
    case fkPicture: return {0, 0, c.sizeStep, 0, true};
    default: return {0, 0, 0, 0, false};
    }
}

} // namespace

TFigure createFigure(const DrawingConditions& c, QPoint start, QPoint current)
{
    TFigure f;
    f.kind = c.kind;
    const CreatedFields fields = fieldsFor(c);
    f.lineWidth = fields.lineWidth;
    f.shape = fields.shape;
    f.sizeStep = fields.sizeStep;
    f.penStyle = fields.penStyle;
    if (fields.texts) {
        f.text = c.text;
        if (c.kind == fkMoji)
            f.fontName = c.fontName;
    }
    if (c.kind == fkNuri) {
        start = toModel(start, c.zoom);
        current = toModel(current, c.zoom);
    }
    f.ends[kMainStart] = start;
    f.ends[kMainEnd] = current;
    f.penColor = c.penColor;
    f.auxColor = c.auxColor;
    f.fillColor = c.fillColor;
    f.freeForm = c.freeRange;
    f.freeEnds = f.ends;
    f.extremes.fill(f.ends[kMainStart]);
    return f;
}

TFigure finishFigure(const TFigure& working, const FinishInputs& in)
{
    TFigure f = working;
    const int z = in.zoom;
    // A fill's ends are model pixels from the start.
    const bool screen = f.kind != fkNuri;
    auto model = [&](QPoint p) { return screen ? toModel(p, z) : p; };
    f.ends[kMainStart] = model(in.mouseDown);
    f.ends[kMainEnd] = model(in.mouseUp);
    const bool hasBondLines = f.kind == fkDouble || f.kind == fkTriple;
    f.ends[kSecondStart] = hasBondLines ? model(in.secondStart) : QPoint();
    f.ends[kSecondEnd] = hasBondLines ? model(in.secondEnd) : QPoint();
    f.ends[kThirdStart] = f.kind == fkTriple ? model(in.thirdStart) : QPoint();
    f.ends[kThirdEnd] = f.kind == fkTriple ? model(in.thirdEnd) : QPoint();
    f.freeEnds = f.ends;
    f.freeForm = false;
    f.fineMoved = f.fineMoved || in.fineMoveActive;
    if (f.kind == fkFree) {
        f.points.clear();
        f.points.reserve(in.draggedPoints.size());
        for (QPoint p : in.draggedPoints)
            f.points.push_back(toModel(p, z));
    }
    if (f.kind == fkPicture) {
        f.ends[kMainEnd] += in.picturePendingOffset;
        f.picture = in.picture.copy();
        f.text = in.pictureFileName;
    }
    f.handle = handlePoint(f);
    f.cursorPrecision = in.cursorPrecision;
    f.selected = f.frameShown = false;
    return f;
}

TFigure placedCopy(const TFigure& waiting, QPoint screenOffset, int zoom, bool fineMoveActive)
{
    TFigure f = waiting;
    const QPoint d = toModel(screenOffset, zoom);
    f.fineMoved = f.fineMoved || fineMoveActive;
    for (QPoint& p : f.ends)
        p += d;
    f.freeEnds = f.ends;
    f.handle += d;
    for (QPoint& p : f.extremes)
        p += d;
    if (f.kind == fkFree || f.freeForm)
        for (QPoint& p : f.points)
            p += d;
    f.picture = waiting.picture.image().copy();
    f.selected = f.frameShown = false;
    return f;
}

} // namespace molvane
