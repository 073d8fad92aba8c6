#pragma once
// The canvas on screen (the paint box of the main window): the drawing bitmap shown at the zoom, the
// grid, the overlays of the editing modes and the cursor marks. Only the exposed rectangle is painted,
// and only its part of the drawing bitmap is scaled, so a paint costs what is shown, not the canvas.

#include "document/drawing.h"
#include "platform/canvas.h"

#include <QWidget>
#include <functional>

namespace molvane {

// How the cursor marks look in the current mode.
struct CursorMarkStyle {
    bool precisionMark = false; // the square with its diagonals
    bool crossHair = false;     // dotted lines across the whole view
    bool selectionPen = false;  // selection and placing modes: red, 2 pixels
};

class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(const Drawing& drawing, QWidget* parent = nullptr);

    int zoom() const { return zoom_; }
    // Sizes the view to the zoomed canvas.
    void setZoom(int zoom);
    // After the canvas size changed.
    void updateSize();

    // The tracing sample shown under the drawing: the picture and its place in model pixels. A null
    // picture (or shown false) shows none.
    void setSample(const QImage& picture, const QRect& place, bool shown);

    // Paints over the drawing (rubber bands, frames, drag images) on a canvas in view pixels, with the
    // pen modes of the canvas (inverting rubber bands see what is under them).
    using OverlayPainter = std::function<void(Canvas&, const QRect& exposed)>;
    void setOverlayPainter(OverlayPainter painter) { overlay_ = std::move(painter); }

    void setMarkStyle(const CursorMarkStyle& style);
    // Shows the marks at p (screen pixels), repainting only where they were and where they go.
    void showMarks(QPoint p);
    void eraseMarks();
    bool marksShown() const { return marksShown_; }
    QPoint markPosition() const { return markAt_; }

    // A canvas to measure text and outlines on (nothing is drawn on it).
    Canvas& canvasForMeasuring() const { return measureCanvas_; }

    // The rectangle a repaint of the marks at p touches.
    QRegion markRegion(QPoint p) const;

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override { emit mousePressed(event); }
    void mouseMoveEvent(QMouseEvent* event) override { emit mouseMoved(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { emit mouseReleased(event); }
    void leaveEvent(QEvent*) override { emit mouseLeft(); }

private:
    void compose(QImage& part, const QRect& exposed) const;
    void paintSample(QPainter& p) const;
    void paintDrawing(QPainter& p, const QRect& exposed, bool whiteTransparent) const;
    void paintGrid(QPainter& p, const QRect& exposed) const;
    void paintMarks(QPainter& p) const;

    const Drawing& drawing_;
    int zoom_ = 100;
    OverlayPainter overlay_;
    mutable QImage measure_{1, 1, QImage::Format_RGB32};
    mutable Canvas measureCanvas_{measure_};
    mutable QImage scratch_; // the exposed part is composed here, then shown in one copy
    QImage sample_;
    QRect samplePlace_;
    bool sampleShown_ = false;
    CursorMarkStyle markStyle_;
    QPoint markAt_;
    bool marksShown_ = false;
};

} // namespace molvane
