#include "painting/text_picture.h"

#include "painting/paint_whites.h"

#include <algorithm>

namespace molvane {

QImage textPicture(const QStringList& lines, const CanvasFont& font, int lineSpacing)
{
    if (lines.isEmpty())
        return {};
    QImage measuring(1, 1, QImage::Format_RGB32);
    Canvas measure(measuring);
    measure.setFont(font);
    int width = 0, height = 0;
    std::vector<int> heights;
    for (const QString& line : lines) {
        const QSize extent = measure.textExtent(line);
        width = std::max(width, extent.width());
        heights.push_back(extent.height());
        height += extent.height() + lineSpacing;
    }
    height -= lineSpacing;
    if (width <= 0 || height <= 0)
        return {};
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(toQRgb(kTransparentWhite));
    Canvas canvas(picture);
    canvas.setFont(font);
    int y = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        canvas.textOut(QPoint(0, y), lines[i]);
        y += heights[std::size_t(i)] + lineSpacing;
    }
    canvas.flush();
    return picture;
}

} // namespace molvane
