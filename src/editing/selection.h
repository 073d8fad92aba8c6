#pragma once
// Selecting figures: which selection frame a click lands on, which figures a rectangle or lasso range
// takes in, and the selected / frameShown marks on the list. Ranges arrive in screen pixels and are
// judged in model pixels; the figures' extents (extremes, margins, handle) must be those rendering
// recorded when they were committed.

#include "document/figure.h"

#include <QPolygon>
#include <QRect>
#include <QRegion>

namespace molvane {

// Half the side of the square around a figure's handle that picks it, in model pixels (17 x 17).
inline constexpr int kFrameHitHalf = 8;

// The index of the oldest figure whose frame square holds the screen point, -1 for none. The square
// covers the model pixels handle +- kFrameHitHalf as the zoomed view shows them: model pixel m spans
// the screen pixels toScreen(m) .. toScreen(m + 1) - 1, so at zoom 200 the square is 34 pixels wide.
// Hidden frames count too: a click on a figure outside a range adds it.
int frameHit(const FigureList& list, QPoint screen, int zoom);

// Whether the figure lies inside a range in model pixels. Line figures need their four extremes (the
// leftmost, topmost, rightmost and bottommost points of their outline) inside; texts, fills and
// pictures need only their handle inside, so a text is taken by its centre even when its glyphs stick
// out. A rectangle holds left <= x < right and top <= y < bottom, its corners converted one by one.
bool figureInRect(const TFigure& f, const QRect& rangeModel);
bool figureInside(const TFigure& f, const QRegion& rangeModel);

// The rectangle with these two corners, in either order, both edges inclusive (a rubber band's).
QRect rangeRect(QPoint corner1, QPoint corner2);

// Marks exactly the figures the range (screen pixels) takes in as selected with their frames shown,
// and clears both marks on every other figure. Returns how many were taken. An empty rectangle or a
// lasso without area takes nothing.
int selectByRange(FigureList& list, const QRect& rangeScreen, int zoom);
int selectByRange(FigureList& list, const QPolygon& lassoScreen, int zoom);

void clearMarks(FigureList& list);
// Shows or hides every frame; the selection stays as it is.
void showAllFrames(FigureList& list, bool shown);
void selectAll(FigureList& list);
int countSelected(const FigureList& list);
// A plain click: this figure alone becomes selected (frames of the others stay as they are).
void selectOnly(FigureList& list, int index);
// A Ctrl-click: flips this figure's selection and shows its frame, leaving the others alone. Returns
// the new state; false for an index outside the list.
bool toggleSelected(FigureList& list, int index);

} // namespace molvane
