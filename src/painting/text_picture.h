#pragma once
// The picture 文字 makes from typed lines: each line written in black from the left edge, one under the
// other with the line spacing between them, on white (which is transparent when it is drawn).

#include "platform/canvas.h"

#include <QImage>
#include <QStringList>

namespace molvane {

// Width: the widest line; height: every line's height plus the spacing between lines. Null when there
// is nothing to write.
QImage textPicture(const QStringList& lines, const CanvasFont& font, int lineSpacing);

} // namespace molvane
