#pragma once
// Moving and duplicating the selected figures, and keeping fills honest afterwards: a fill goes along
// when everything around it moves, and a fill whose ring a move has broken would run out over the
// canvas, so it is found and removed. Offsets are model pixels; a fill's points are its surrounding
// figures as (index, 0).

#include "document/environment_settings.h"
#include "document/figure.h"

#include <QImage>
#include <QPoint>
#include <vector>

namespace molvane {

// Selects (frame shown) every unselected fill whose surrounding figures are all selected, or that
// names none; indices outside the list are ignored. Nothing is taken while nothing is selected, since
// then nothing moves. Returns how many fills were taken.
int captureFillsForMove(FigureList& list);

// Shifts every selected figure; ends and freeEnds move together, so tip connections are kept.
void moveSelected(FigureList& list, QPoint modelOffset);

// Shifted copies of the selected figures, unselected, in list order, for the caller to append to the
// end of list. A copied fill names the copies of its surrounding figures there (by where they will be
// appended) and forgets the surroundings that were not copied.
FigureList duplicateSelected(const FigureList& list, QPoint modelOffset);

// The fills that, rendered on the drawing as it is now, would reach pixel (0, 0) of the canvas: their
// ring is open. The drawing is rebuilt figure by figure on a canvas the size of bitmap (white with the
// background at (0, 0)); a leaking fill is left off, so the fills after it are judged on the drawing as
// it will be once the leaks are removed. A fill that paints nothing leaks nothing.
// A fill of the open canvas (one that reaches the corner by design) counts as leaking too.
std::vector<int> leakingFills(const FigureList& list, const QImage& bitmap,
                              const QImage& background = QImage(), const RenderSettings& settings = {});

// Removes the figures at these indices (any order; repeats and indices outside the list are ignored).
// The fills that stay keep naming the same figures: a point naming a removed figure is dropped, and
// the others count down by one for each removed index below them.
void removeFigures(FigureList& list, const std::vector<int>& indices);

} // namespace molvane
