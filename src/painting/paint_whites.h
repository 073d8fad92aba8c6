#pragma once
// The three whites of the picture editor. Pure white is the transparent colour of every picture the
// editor makes; the opaque white looks white but stays in a saved picture; the barrier white lies under
// dashed and dotted strokes so that a fill cannot leak through their gaps. The two near-whites are the
// first ones the canvas can hold apart from pure white, found by painting them.

#include "platform/tcolor.h"

namespace molvane {

inline constexpr TColor kTransparentWhite = clWhite;

struct PaintWhites {
    TColor transparent = kTransparentWhite;
    TColor opaque = kTransparentWhite;
    TColor barrier = kTransparentWhite;
};

// The colour a pixel of the canvas's format holds after being painted in c.
TColor probeDeviceColour(TColor c);

// Opaque white: RGB(255, n, 255) for the first n counting down from 255 whose probe is not pure white.
// Barrier white: RGB(255, g, m) with the opaque white's green g, for the first m counting down from 255
// whose probe is neither pure white nor the opaque white.
PaintWhites findPaintWhites();

} // namespace molvane
