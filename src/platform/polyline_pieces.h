#pragma once
// Long polylines cut into pieces for a wide pen. Qt makes a wide pen's outline (and, for a dashed pen,
// one outline per dash) for the whole path at once, so a curve of millions of points would cost
// gigabytes; a piece at a time costs the memory of one piece. Round caps where two pieces meet paint
// what the round join there would, and a dash pattern goes on where the piece before left off, so the
// pixels are the ones of the whole path.

#include <QPainterPath>
#include <QPen>
#include <vector>

namespace molvane {

// Pieces of at most this many points are stroked as they are.
inline constexpr int kPolylinePiecePoints = 4096;
// On a clipped canvas the pieces are short, so the ones outside the clip cost nothing to leave out.
inline constexpr int kClippedPiecePoints = 32;

// The pieces of path when it is an open polyline (a move followed by lines only) of more than
// maxPoints points, each piece starting at the point where the one before ends; none otherwise.
std::vector<QPainterPath> polylinePieces(const QPainterPath& path, int maxPoints = kPolylinePiecePoints);

// Where the dash pattern of pen stands (its dash offset) after a path of the given length, when it
// stood at offset at the start.
qreal dashOffsetAfter(const QPen& pen, qreal offset, qreal length);

} // namespace molvane
