#include "document/picture_figure.h"

#include "document/geometry.h"

#include <algorithm>

namespace molvane {

namespace {

// The enlargement step grows with the picture: larger pictures take larger steps.
int enlargementUnit(int smallerSide)
{
    if (smallerSide < 20)
        return 1;
    if (smallerSide < 50)
        return 2;
    if (smallerSide < 100)
        return 3;
    if (smallerSide < 200)
        return 5;
    return 10;
}

double reductionRatio(int sizeStep, const RenderSettings& settings)
{
    switch (sizeStep) {
    case 1: return settings.sizeP1;
    case 2: return settings.sizeP2;
    default: return 1.0;
    }
}

} // namespace

QPoint pictureSizeOffset(QSize picture, int shape, int sizeStep, const RenderSettings& settings)
{
    const int s = std::clamp(shape, 0, 50);
    const int w = picture.width(), h = picture.height();
    if ((s == 0 && sizeStep == 0) || w <= 0 || h <= 0)
        return {};
    const int a = s * enlargementUnit(std::min(w, h));
    int w2, h2;
    if (w < h) {
        w2 = roundEven(double(w) * (h + a) / h);
        h2 = h + a;
    } else {
        w2 = w + a;
        h2 = roundEven(double(h) * (w + a) / w);
    }
    const double x = reductionRatio(sizeStep, settings);
    const int w3 = roundEven(x * w2), h3 = roundEven(x * h2);
    if (w3 == 0 || h3 == 0)
        return {};
    return {(w3 - w) / 2, (h3 - h) / 2};
}

PictureBox pictureBox(const TFigure& f, const RenderTarget& target)
{
    PictureBox box;
    const QSize size = f.picture.size();
    box.offset = pictureSizeOffset(size, f.shape, f.sizeStep, target.settings);
    box.stretched = std::clamp(f.shape, 0, 50) != 0 || f.sizeStep != 0;
    auto scale = [&](int v) { return target.screen ? toScreen(v, target.zoom) : v; };
    const QPoint at = f.ends[kMainEnd];
    box.topLeft = {at.x() - scale(box.offset.x()), at.y() - scale(box.offset.y())};
    box.bottomRight = {at.x() + scale(size.width() + box.offset.x()), at.y() + scale(size.height() + box.offset.y())};
    return box;
}

RenderRecord renderPicture(const TFigure& f, const RenderTarget& target, const RenderOptions& options)
{
    RenderRecord record;
    if (f.picture.isNull())
        return record;
    const PictureBox box = pictureBox(f, target);
    record.pictureOffset = box.offset;
    const bool zoomed = target.screen && target.zoom != 100;
    const QRect dest(box.topLeft, QSize(box.bottomRight.x() - box.topLeft.x(), box.bottomRight.y() - box.topLeft.y()));
    if (box.stretched || zoomed)
        target.canvas.drawImage(dest, f.picture.image(), QRect(), false, true);
    else
        target.canvas.drawImage(QRect(f.ends[kMainEnd], f.picture.size()), f.picture.image(), QRect(), false, true);
    if (options.record)
        record.extent = FigureExtent{{box.topLeft, box.topLeft, box.bottomRight, box.bottomRight}, {}};
    return record;
}

} // namespace molvane
