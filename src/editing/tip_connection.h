#pragma once
// Tip connection: a bond's tip pulled forward onto the nearest drawn pixel of a neighbouring figure,
// and put back. The figure keeps its drawn ends in freeEnds; a tip is connected while its end differs
// from its free end. Finding the neighbour walks the drawing bitmap from the tip outwards.

#include "document/figure.h"

#include <QImage>

namespace molvane {

// The pick box around a press, in model pixels: +- round(5 x zoom / 100) screen pixels, right and
// bottom edges excluded.
QRect tipPickBox(QPoint screen, int zoom);

// Picks the tip of f in the box (end tips before start tips, main line first) and connects it (when
// connect) or disconnects it. Only single, double and triple bonds change; a side-line tip moves
// every side line's tip at that end. Returns whether a tip was in the box, changed or not.
bool pickTip(TFigure& f, const QImage& bitmap, const QRect& box, bool connect);

} // namespace molvane
