#include "painting/paint_picture.h"

#include "painting/paint_mode.h"
#include "painting/stroke_extent.h"
#include "painting/stroke_renderer.h"

#include <QPainter>
#include <algorithm>
#include <optional>

namespace molvane {

namespace {

// A stroke moved by offset: its corners, handle and extent, and the outline of a free range.
void shiftStroke(TFigure& f, QPoint offset)
{
    shiftFigure(f, offset.x(), offset.y());
    if (f.kind == kStrokePicture)
        for (QPoint& p : f.points)
            p += offset;
}

bool isReformable(int kind)
{
    return kind == kStrokeRectangle || kind == kStrokeEllipse || kind == kStrokeLine || kind == kStrokePen ||
           kind == kStrokePicture;
}

} // namespace

PaintPicture::PaintPicture() : whites_(findPaintWhites()) {}

QImage& PaintPicture::made() const
{
    if (working_.isNull()) {
        working_ = QImage(size_, QImage::Format_RGB32);
        working_.fill(toQRgb(whites_.transparent));
    }
    return working_;
}

void PaintPicture::resize(QSize size)
{
    const QSize clamped(std::clamp(size.width(), kPaintCanvasMin.width(), kPaintCanvasMax.width()),
                        std::clamp(size.height(), kPaintCanvasMin.height(), kPaintCanvasMax.height()));
    if (clamped != size_) {
        size_ = clamped;
        working_ = QImage(clamped, QImage::Format_RGB32);
    }
    render();
}

void PaintPicture::restore(QSize size, const QImage& basePicture, FigureList strokes)
{
    strokes_ = std::move(strokes);
    if (basePicture.isNull())
        base_.reset();
    else
        base_ = basePicture.convertToFormat(QImage::Format_RGB32);
    resize(size); // renders
}

void PaintPicture::setStrokes(FigureList strokes)
{
    strokes_ = std::move(strokes);
    render();
}

void PaintPicture::setBasePicture(const QImage& picture)
{
    if (picture.isNull())
        base_.reset();
    else
        base_ = picture.convertToFormat(QImage::Format_RGB32);
    render();
}

void PaintPicture::drawRecording(TFigure& stroke)
{
    Canvas canvas(made());
    renderStroke(stroke, {canvas, whites_});
    canvas.flush();
    const FigureExtent extent = recordStrokeExtent(stroke, canvas);
    stroke.extremes = extent.extremes;
    stroke.margins = extent.margins;
}

void PaintPicture::addStroke(TFigure stroke)
{
    drawRecording(stroke);
    strokes_.push_back(std::move(stroke));
}

void PaintPicture::render(bool leaveOutSelected)
{
    if (base_ && base_->size() == size_) {
        // The base picture is the canvas: the working picture shares it until a stroke is drawn.
        working_ = *base_;
    } else {
        made().fill(toQRgb(whites_.transparent));
        if (base_)
            Canvas(working_).drawImage(QRect(QPoint(0, 0), base_->size()), *base_);
    }
    Canvas canvas(working_);
    const StrokeTarget target{canvas, whites_};
    for (const TFigure& f : strokes_)
        if (!(leaveOutSelected && f.selected))
            renderStroke(f, target);
}

void PaintPicture::addPictureStrokeHidden(TFigure stroke)
{
    // A picture stroke paints only inside its picture's rectangle, and its extremes lie on that
    // rectangle's edge, where the margin probes start and walk outward: of what the stroke paints, they
    // read only the extreme pixels. Only those are drawn, and put back once the extent is recorded.
    const std::array<QPoint, 4> extremes = strokeExtremes(stroke);
    std::array<std::optional<QRgb>, 4> kept;
    made();
    for (std::size_t i = 0; i < extremes.size(); ++i)
        if (working_.rect().contains(extremes[i]))
            kept[i] = working_.pixel(extremes[i]);
    {
        Canvas canvas(working_);
        for (QPoint e : extremes) {
            const Canvas::NarrowedClip clip(canvas, QRegion(e.x(), e.y(), 1, 1));
            renderStroke(stroke, {canvas, whites_});
        }
        canvas.flush();
        const FigureExtent extent = recordStrokeExtent(stroke, canvas);
        stroke.extremes = extent.extremes;
        stroke.margins = extent.margins;
    }
    for (std::size_t i = 0; i < extremes.size(); ++i)
        if (kept[i])
            working_.setPixel(extremes[i], *kept[i]);
    strokes_.push_back(std::move(stroke));
}

void PaintPicture::selectLast()
{
    if (!strokes_.empty())
        strokes_.back().selected = true;
}

void PaintPicture::deselectAll()
{
    for (TFigure& f : strokes_)
        f.selected = false;
}

void PaintPicture::shiftSelected(QPoint offset)
{
    for (TFigure& f : strokes_)
        if (f.selected)
            shiftStroke(f, offset);
}

void PaintPicture::appendShiftedCopiesOfSelected(QPoint offset)
{
    FigureList copies;
    for (const TFigure& f : strokes_)
        if (f.selected) {
            TFigure copy = f; // the picture is copied with it
            copy.selected = false;
            shiftStroke(copy, offset);
            copies.push_back(std::move(copy));
        }
    for (TFigure& f : copies)
        strokes_.push_back(std::move(f));
}

void PaintPicture::drawOver(std::size_t first)
{
    Canvas canvas(made());
    const StrokeTarget target{canvas, whites_};
    for (std::size_t i = first; i < strokes_.size(); ++i)
        renderStroke(strokes_[i], target);
}

std::size_t PaintPicture::selectedTail() const
{
    std::size_t first = strokes_.size();
    while (first > 0 && strokes_[first - 1].selected)
        --first;
    return first;
}

void PaintPicture::clearAll()
{
    base_.reset();
    strokes_.clear();
    working_ = QImage(); // white again, made when next used
}

bool PaintPicture::reformLastStroke(int lineWidth, int shape)
{
    if (strokes_.empty() || !isReformable(strokes_.back().kind))
        return false;
    for (TFigure& f : strokes_)
        f.selected = false;
    TFigure& last = strokes_.back();
    if (last.kind != kStrokePicture)
        last.lineWidth = lineWidth;
    if (last.kind == kStrokeLine)
        last.shape = shape;
    last.sizeStep = 0;
    // Measured over the picture as it is, the stroke's former look still under the new one.
    drawRecording(last);
    render();
    return true;
}

} // namespace molvane
