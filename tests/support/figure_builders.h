#pragma once
// Figures built by hand for tests: just the fields a test needs, the handle as the program computes it.

#include "document/figure.h"

namespace molvane::test {

// A single bond from a to b with no tip connections.
inline TFigure bond(QPoint a, QPoint b, int width = 1)
{
    TFigure f;
    f.kind = fkSingle;
    f.lineWidth = width;
    f.ends[kMainStart] = a;
    f.ends[kMainEnd] = b;
    f.freeEnds = f.ends;
    f.handle = handlePoint(f);
    return f;
}

// Any figure of two points, as a tool leaves it before the program measures it.
inline TFigure twoPointFigure(int kind, QPoint a, QPoint b, int width = 1, int shape = 0)
{
    TFigure f;
    f.kind = kind;
    f.ends[kMainStart] = a;
    f.ends[kMainEnd] = b;
    f.freeEnds = f.ends;
    f.lineWidth = width;
    f.shape = shape;
    return f;
}

} // namespace molvane::test
