#include "platform/tcolor.h"

namespace molvane {

QColor toQColor(TColor c) { return QColor::fromRgb(toQRgb(c)); }

TColor fromQColor(const QColor& c) { return fromQRgb(c.rgb()); }

} // namespace molvane
