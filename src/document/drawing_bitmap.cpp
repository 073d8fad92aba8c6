#include "document/drawing_bitmap.h"

namespace molvane {

RenderRecord rebuildDrawingBitmap(QImage& bitmap, const FigureList& list, const QImage& background,
                                  const RenderSettings& settings, const RebuildOptions& options)
{
    bitmap.fill(toQRgb(clWhite));
    Canvas canvas(bitmap);
    if (!background.isNull())
        canvas.drawImage(QRect(QPoint(0, 0), background.size()), background);
    const RenderTarget target{canvas, false, 100, settings};
    RenderRecord recorded;
    for (const TFigure& f : list) {
        RenderOptions render;
        if (f.selected) {
            if (!options.includeSelected && options.movingSelection)
                continue;
            render.mode = options.selectedMode;
        }
        recorded.update(renderFigure(f, target, render));
    }
    return recorded;
}

} // namespace molvane
