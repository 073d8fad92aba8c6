#pragma once
// The kinds of figure: the value stored in a figure's kind field, which is also the tag of the tool
// button that draws it.

namespace molvane {

enum FigureKind : int {
    fkMoji = 10,    // a character or short text, centred on ends[3]
    fkSingle = 11,  // single bond
    fkDouble = 12,  // double bond
    fkTriple = 13,  // triple bond
    fkCurve = 14,   // circular-arc curve
    fkArrow = 15,   // curved arrow, head at ends[3]
    fkStereo = 16,  // stereo bond (wedge)
    fkFree = 17,    // free curve through its points
    fkPai = 21,     // p orbital lobe
    fkCircle = 22,  // circle, dot or oval
    fkNuri = 23,    // flood fill from ends[0]
    fkRange = 31,   // the rubber band of a range selection; never stored
    fkPicture = 51, // a picture with its top-left corner at ends[3]
};

// Kinds drawn with lines and the pen (everything from the single bond to the circle but the fill).
constexpr bool isLineKind(int kind)
{
    return (kind >= fkSingle && kind <= fkFree) || kind == fkPai || kind == fkCircle;
}

} // namespace molvane
