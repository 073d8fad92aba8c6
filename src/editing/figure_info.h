#pragma once
// The text "図形情報" shows for one figure: its number and name, the stored positions, widths, style
// and colour, and one line that depends on the kind.

#include "document/figure.h"

#include <QString>

namespace molvane {

// number is the figure's 1-based place in the list; name the figure's tool name ("画像" for
// pictures). Lines are joined by CR LF.
QString figureInformation(const TFigure& f, int number, const QString& name);

} // namespace molvane
