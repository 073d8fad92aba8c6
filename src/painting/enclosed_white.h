#pragma once
// Pure white is transparent in every picture the editor makes. A picture that comes in from a file
// keeps that meaning only for the white around it: white areas enclosed by other colours (the inside
// of a ring, a white label on a dark box) become the opaque white, so they stay white when the picture
// is laid over something. Whatever white touches the border stays transparent.

#include "platform/tcolor.h"

#include <QImage>

namespace molvane {

// picture (made Format_RGB32): every pure white or opaque white pixel connected (4-neighbours) to a
// pure white or opaque white pixel of the border becomes pure white; every other one opaque white.
void convertEnclosedWhite(QImage& picture, TColor opaqueWhite);

} // namespace molvane
