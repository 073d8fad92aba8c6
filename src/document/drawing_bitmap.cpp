#include "document/drawing_bitmap.h"

namespace molvane {

void rebuildDrawingBitmap(QImage& bitmap, const FigureList& list, const QImage& background, RenderState& state,
                          const RenderSettings& settings, const RebuildOptions& options)
{
    bitmap.fill(toQRgb(clWhite));
    Canvas canvas(bitmap);
    if (!background.isNull())
        canvas.drawImage(QRect(QPoint(0, 0), background.size()), background);
    const RenderTarget target{canvas, false, 100, settings};
    for (const TFigure& f : list) {
        RenderOptions render;
        if (f.selected) {
            if (!options.includeSelected && options.movingSelection)
                continue;
            render.mode = options.selectedMode;
        }
        renderFigure(f, target, state, render);
    }
}

} // namespace molvane
