#pragma once
// The picture the editor paints: the working picture is always the base picture (an opened file, or
// none) with every stroke of the stroke list drawn over it in order, on pure white. Strokes stay records,
// so the last one can be reformed and the list can be restored from a snapshot. Canvas pixels
// throughout; the view is the window's business.

#include "document/figure.h"
#include "painting/paint_whites.h"

#include <QImage>
#include <QSize>
#include <optional>

namespace molvane {

inline constexpr QSize kPaintCanvasStart(600, 400);
inline constexpr QSize kPaintCanvasMin(10, 10);
inline constexpr QSize kPaintCanvasMax(2000, 1500);

class PaintPicture {
public:
    // Finds the whites and starts with an empty 600 x 400 canvas.
    PaintPicture();

    const PaintWhites& whites() const { return whites_; }
    // Format_RGB32, the canvas size.
    const QImage& working() const { return made(); }
    QSize size() const { return size_; }

    // Clamped to 10..2000 x 10..1500; the picture is rendered again at the new size.
    void resize(QSize size);

    const FigureList& strokes() const { return strokes_; }
    // A state brought back whole (canvas size, base picture or none, strokes), rendered once.
    void restore(QSize size, const QImage& basePicture, FigureList strokes);
    // Replaces the whole list (a snapshot restored) and renders again.
    void setStrokes(FigureList strokes);

    const std::optional<QImage>& basePicture() const { return base_; }
    // An opened picture (converted to the working picture's format), drawn at (0, 0) under the strokes.
    void setBasePicture(const QImage& picture);

    // Draws the stroke over the working picture, records its extent and appends it.
    void addStroke(TFigure stroke);

    // A picture stroke appended, its extent recorded, while the working picture stays as it was: the
    // lifted piece, which the view shows floating instead (a render leaving out the selected strokes).
    void addPictureStrokeHidden(TFigure stroke);

    // The lifted piece of a range move is the one selected stroke.
    void selectLast();
    void deselectAll();
    // Every selected stroke moved by offset (canvas pixels), or copies of them appended there.
    void shiftSelected(QPoint offset);
    void appendShiftedCopiesOfSelected(QPoint offset);
    // Draws the strokes from first on over the working picture as it is, when it shows every stroke
    // before first (and none after): the picture of a full render, without one.
    void drawOver(std::size_t first);
    // The first selected stroke when every stroke from it on is selected (the lifted piece on top of
    // the list); the list's size otherwise.
    std::size_t selectedTail() const;

    // Pure white, the base picture, then every stroke. While a range is being moved the selected
    // stroke (the lifted piece) is left out.
    void render(bool leaveOutSelected = false);

    // Discards the base picture and every stroke: a pure white canvas of the same size.
    void clearAll();

    // A new line width (rectangle, ellipse, line, pen) and curvature (line) for the last stroke, when it
    // is one of those or a picture stroke: every stroke is deselected, the stroke is drawn over the
    // picture as it is and its extent recorded there, then the picture is rendered again. False when
    // there is no such stroke.
    bool reformLastStroke(int lineWidth, int shape);

private:
    // Draws the stroke over the working picture and stores the extent it recorded there.
    void drawRecording(TFigure& stroke);

    // The working picture, made when first used: a picture editor never opened holds none.
    QImage& made() const;

    PaintWhites whites_;
    QSize size_ = kPaintCanvasStart;
    mutable QImage working_; // null: transparent white of size_, not made yet
    std::optional<QImage> base_;
    FigureList strokes_;
};

} // namespace molvane
