#include "document/drawing_bitmap.h"

#include "platform/image_codec_result.h"

namespace molvane {

RenderRecord rebuildDrawingBitmap(QImage& bitmap, const FigureList& list, const QImage& background,
                                  const RenderSettings& settings, const RebuildOptions& options)
{
    bitmap.fill(toQRgb(clWhite));
    Canvas canvas(bitmap);
    canvas.setScale(options.scale);
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

QImage scaledDrawingBitmap(QSize canvas, const FigureList& list, const QImage& background,
                           const RenderSettings& settings, int scale)
{
    // The default canvas at 8 times fits; a picture much larger is refused rather than risked.
    const qint64 width = qint64(canvas.width()) * scale, height = qint64(canvas.height()) * scale;
    if (width > kMaxPictureDimension || height > kMaxPictureDimension || width * height > kMaxScaledPixels)
        return {};
    QImage bitmap(canvas * scale, QImage::Format_RGB32);
    if (bitmap.isNull())
        return bitmap;
    RebuildOptions options;
    options.scale = scale;
    rebuildDrawingBitmap(bitmap, list, background, settings, options);
    return bitmap;
}

} // namespace molvane
