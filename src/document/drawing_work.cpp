#include "document/drawing_work.h"

namespace molvane {

PaintingWork paintingWorkOf(const FigureList& figures, const QRect& bounds, const RenderSettings& settings)
{
    QImage nothing(1, 1, QImage::Format_RGB32);
    Canvas tallying(nothing);
    PaintingWork work;
    tallying.tallyWorkInto(&work, bounds);
    const RenderTarget target{tallying, false, 100, settings};
    for (const TFigure& f : figures)
        renderFigure(f, target);
    return work;
}

PaintingWork atScale(const PaintingWork& work, int scale)
{
    if (scale <= 1)
        return work;
    const double s = scale;
    PaintingWork scaled = work;
    scaled.thinLength = scaled.thinJoins = scaled.thinDashes = 0;
    scaled.wideLength = (work.wideLength + work.thinLength) * s;
    scaled.widePixels = (work.widePixels + work.thinLength) * s * s;
    scaled.wideJoinPixels = (work.wideJoinPixels + work.thinJoins) * s;
    scaled.dashPixels = (work.dashPixels + work.thinDashes) * s;
    scaled.areaPixels = work.areaPixels * s * s;
    scaled.floodPixels = work.floodPixels * s * s;
    return scaled;
}

bool takesLongToDraw(const FigureList& figures, QSize canvas, const RenderSettings& settings, int scale,
                     DrawingOutput output)
{
    const PaintingWork work = paintingWorkOf(figures, QRect(QPoint(0, 0), canvas), settings);
    return forecastSeconds(atScale(work, scale), output) > kLongDrawingSeconds;
}

double forecastSeconds(const PaintingWork& work, DrawingOutput output)
{
    // Nanoseconds for each unit, measured on drawings that each cost most in one of them.
    constexpr double kThinLength = 15, kWideLength = 95, kWidePixel = 0.2, kDashPixel = 270,
                     kStrokePoint = 800, kWideJoinPixel = 350, kAreaPixel = 13, kFloodPixel = 0.8,
                     kCharacter = 400;
    const double nanoseconds = work.thinLength * kThinLength + work.wideLength * kWideLength +
                               work.widePixels * kWidePixel + work.dashPixels * kDashPixel +
                               work.strokePoints * kStrokePoint + work.wideJoinPixels * kWideJoinPixel +
                               work.areaPixels * kAreaPixel + work.floodPixels * kFloodPixel +
                               work.characters * kCharacter;
    // A vector picture writes each point of each stroke as text, wherever it lies.
    constexpr double kVectorPoint = 5000;
    const double written = output == DrawingOutput::Vector ? work.strokePoints * kVectorPoint : 0.0;
    return (nanoseconds + written) * 1e-9;
}

} // namespace molvane
