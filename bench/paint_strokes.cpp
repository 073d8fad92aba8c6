#include "paint_strokes.h"

#include "painting/new_stroke.h"
#include "painting/paint_mode.h"

namespace molvane::bench {

TFigure randomPaintStroke(std::mt19937& rng, int index, int strokes, int fills, QSize picture)
{
    auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    StrokeInputs s;
    s.colour = makeTColor(in(0, 200), in(0, 200), in(0, 200));
    s.penStyle = in(0, 5) < 4 ? 0 : in(1, 2);
    s.lineWidth = in(0, 9) < 8 ? in(1, 10) : in(11, 25);
    s.press = {in(0, picture.width() - 1), in(0, picture.height() - 1)};
    s.release = s.press + QPoint(in(-300, 300), in(-300, 300));
    if (index % (strokes / fills) == strokes / fills - 1) {
        s.kind = kStrokeFill;
        s.release = s.press;
        return makeStroke(s);
    }
    switch (index % 4) {
    case 0:
        s.kind = kStrokePen;
        s.points.append(s.press);
        for (int i = 0; i < 40; ++i)
            s.points.append(s.points.back() + QPoint(in(-12, 12), in(-12, 12)));
        break;
    case 1:
        s.kind = kStrokeLine;
        s.shape = index % 8 == 1 ? 0 : in(-50, 50);
        break;
    case 2: s.kind = kStrokeRectangle; break;
    default: s.kind = kStrokeEllipse; break;
    }
    return makeStroke(s);
}

} // namespace molvane::bench
