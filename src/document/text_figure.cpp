#include "document/text_figure.h"

#include "document/geometry.h"

#include <algorithm>
#include <cstdlib>

namespace molvane {

int textPointSize(int shape, int sizeStep, const RenderSettings& settings)
{
    const int s = std::abs(std::clamp(shape, -100, 100));
    switch (sizeStep) {
    case 1: return roundEven(s * settings.sizeM1);
    case 2: return roundEven(s * settings.sizeM2);
    default: return s;
    }
}

TextLayout layoutText(const TFigure& f, const RenderTarget& target)
{
    TextLayout layout;
    const bool italic = f.shape < 0;
    int points = textPointSize(f.shape, f.sizeStep, target.settings);
    if (target.screen)
        points = toScreen(points, target.zoom);
    layout.font = CanvasFont{f.fontName, points, italic, false, f.penColor};
    Canvas& canvas = target.canvas;
    canvas.setFont(layout.font);

    if (!f.text.isEmpty())
        layout.lines = QString(f.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    const int spacing = target.screen ? toScreen(target.settings.lineSpacing, target.zoom) : target.settings.lineSpacing;
    layout.lineHeight = canvas.lineHeight();
    layout.lineStep = layout.lineHeight + spacing;
    for (const QString& line : layout.lines)
        layout.width = std::max(layout.width, canvas.textExtent(line).width());
    layout.height = layout.lines.isEmpty() ? 0 : int(layout.lines.size()) * layout.lineStep - spacing;
    layout.boxWidth = italic ? roundEven(layout.width * 1.25) : layout.width;

    const QPoint centre = f.ends[kMainEnd];
    layout.origin = {centre.x() - layout.boxWidth / 2, centre.y() - layout.height / 2};
    return layout;
}

RenderRecord renderText(const TFigure& f, const RenderTarget& target, const RenderOptions& options)
{
    const TextLayout layout = layoutText(f, target);
    Canvas& canvas = target.canvas;
    canvas.setPenMode(options.mode);
    int y = layout.origin.y();
    for (const QString& line : layout.lines) {
        canvas.textOut({layout.origin.x(), y}, line);
        y += layout.lineStep;
    }
    RenderRecord record;
    if (!options.record)
        return record;
    // The extent is the diagonal of the text box, measured like any outline from ends[0].
    const QPoint centre = f.ends[kMainEnd];
    const QPoint half(layout.boxWidth / 2, layout.height / 2);
    record.extent = outlineExtent(f.ends[kMainStart], {QPolygon({centre - half, centre + half})});
    return record;
}

} // namespace molvane
