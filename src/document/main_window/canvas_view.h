#pragma once
// The canvas on screen (the paint box of the main window): the drawing bitmap shown at the zoom, the
// grid, the overlays of the editing modes and the cursor marks. Only the exposed rectangles are painted,
// copied from tiles of the composed view (composed once per change of the drawing or zoom), so a paint
// costs what is shown, not the canvas.

#include "document/drawing.h"
#include "document/view_tiles.h"
#include "platform/canvas.h"

#include <QWidget>
#include <functional>

namespace molvane {

// How the cursor marks look in the current mode.
struct CursorMarkStyle {
    bool precisionMark = false; // the square with its diagonals
    bool crossHair = false;     // dotted lines across the whole view
    bool selectionPen = false;  // selection and placing modes: red, 2 pixels
    bool operator==(const CursorMarkStyle&) const = default;
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
    // pen modes of the canvas (inverting rubber bands see what is under them). The area, when given,
    // says where the overlays may paint at the moment; elsewhere the view is copied straight from its
    // tiles. Without one they may paint anywhere.
    using OverlayPainter = std::function<void(Canvas&, const QRect& exposed)>;
    using OverlayArea = std::function<QRegion()>;
    void setOverlayPainter(OverlayPainter painter, OverlayArea area = {})
    {
        overlay_ = std::move(painter);
        overlayArea_ = std::move(area);
    }

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
    ViewLook look() const;
    // Where overlays or cursor marks may be: they are painted there over the tiles.
    QRegion overlaidRegion() const;
    void paintOverlaid(QPainter& p, const QRegion& parts);
    void paintMarks(QPainter& p) const;

    const Drawing& drawing_;
    int zoom_ = 100;
    OverlayPainter overlay_;
    OverlayArea overlayArea_;
    ViewTiles tiles_;
    QImage strip_; // rows of a new drawing's view being composed
    mutable QImage measure_{1, 1, QImage::Format_RGB32};
    mutable Canvas measureCanvas_{measure_};
    QImage sample_;
    QRect samplePlace_;
    bool sampleShown_ = false;
    CursorMarkStyle markStyle_;
    QPoint markAt_;
    bool marksShown_ = false;
};

} // namespace molvane
