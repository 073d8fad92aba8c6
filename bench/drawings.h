#pragma once
// Reproducible test drawings for the benchmarks. Every figure is made the way the editor makes it: the
// working figure from drawing conditions and two mouse points, its live drawing (which supplies the
// second and third bond lines), finishing, and committing it to the drawing, so extents, margins and
// the surroundings of fills are the real ones. The same recipe and seed always give the same drawing.

#include "document/drawing.h"

#include <QSize>

namespace molvane::bench {

struct DrawingRecipe {
    int bonds;              // single, double and triple bonds
    int texts;              // characters and short texts
    int curvesAndArrows;
    int wedges;             // stereo bonds, filled and hashed
    int circlesAndOrbitals; // half circles (each followed by a fill at its centre), half p orbitals
    int freeCurves;         // of kFreeCurvePoints points each
    int fills;              // at most half the circles and orbitals
    QSize canvas;
    int total() const { return bonds + texts + curvesAndArrows + wedges + circlesAndOrbitals + freeCurves + fills; }
};

inline constexpr int kFreeCurvePoints = 50;
inline constexpr unsigned kDrawingSeed = 20240611u;

// 1,000 figures on 1500 x 1000.
inline const DrawingRecipe kBigDrawing{400, 150, 100, 100, 100, 100, 50, QSize(1500, 1000)};
// 10,000 figures on 2000 x 1500 (the largest canvas).
inline const DrawingRecipe kHugeDrawing{4000, 1500, 1000, 1000, 1000, 1000, 500, QSize(2000, 1500)};

// Draws the recipe's figures into drawing, which gets the recipe's canvas size; its history is reset
// to the result.
void generateDrawing(Drawing& drawing, const DrawingRecipe& recipe, unsigned seed = kDrawingSeed);

// The drawings made once per process (generating the huge one takes a while).
const Drawing& bigDrawing();
const Drawing& hugeDrawing();

} // namespace molvane::bench
