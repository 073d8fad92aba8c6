#pragma once
// A raster drawing surface over a QImage (Format_RGB32), with the state of a classic device
// context: a current pen, brush, font and pen mode, an optional clip region and path recording.
// Everything is drawn aliased: flood fills, margin probes and tip connection read exact pixel
// values (0xFFFFFF against 0xFFFFFE), and antialiasing would invent colours between them.
//
// Pens are geometric: round caps and joins, the width in pixels, dash patterns scaled by the width.
// Pen modes: Copy paints the colour, NotXor paints NOT(source XOR destination) (drawing the same thing
// twice restores every pixel) and Mask paints source AND destination.
// Coordinates are integer pixels; a line through (x, y) is centred on that pixel.

#include "platform/flood_fill.h"
#include "platform/painting_work.h"
#include "platform/tcolor.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QRegion>
#include <QString>
#include <memory>
#include <vector>

namespace molvane {

enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5 };
enum class PenMode { Copy, NotXor, Mask };
enum class BrushStyle { Clear, Solid };

// A copy (ARGB32) of src in which pure white 0xFFFFFF is fully transparent.
QImage whiteAsTransparent(const QImage& src);
// The same made in into, whose memory is used again when it has the size and no other image shares it.
void whiteAsTransparent(const QImage& src, QImage& into);

// The stored line-style number 0..4 as a pen style; anything else is solid.
PenStyle penStyleFromIndex(int index);

struct CanvasPen {
    TColor color = clBlack;
    int width = 1; // pixels; values below 1 draw 1 pixel wide
    PenStyle style = PenStyle::Solid;
};

struct CanvasBrush {
    TColor color = clWhite;
    BrushStyle style = BrushStyle::Clear;
};

struct CanvasFont {
    QString name = QStringLiteral("ＭＳ Ｐゴシック");
    int pointSize = 12; // 0 means the default height
    bool italic = false;
    bool bold = false;
    TColor color = clBlack;
};

// The Qt pen and font equivalent to ours (shared by drawing, path widening and measuring).
QPen toQPen(const CanvasPen& pen);
QFont toQFont(const CanvasFont& font);
// Pixel height of a font of the given point size on a 96-dpi device; 0 gives the default height.
int fontPixelSize(int pointSize);

class Canvas {
public:
    explicit Canvas(QImage& target);
    // Paints through a painter already begun on a device of that size (a widget's, in its paint
    // event), leaving the painter's state as it found it. Such a canvas only paints: it has no pixels
    // to read, and pixel writes and flood fills do nothing.
    Canvas(QPainter& painter, QSize size);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return bounds().width(); }
    int height() const { return bounds().height(); }

    void setPen(const CanvasPen& pen) { pen_ = pen; }
    const CanvasPen& pen() const { return pen_; }
    void setBrush(const CanvasBrush& brush) { brush_ = brush; }
    const CanvasBrush& brush() const { return brush_; }
    void setFont(const CanvasFont& font) { font_ = font; }
    const CanvasFont& font() const { return font_; }
    void setPenMode(PenMode mode) { mode_ = mode; }
    PenMode penMode() const { return mode_; }

    // Where canvas point (0, 0) lies in the image: drawing, clipping and pixel reads are shifted by it.
    // A view paints a part of itself through a canvas over just that part.
    void setOrigin(QPoint origin);
    QPoint origin() const { return origin_; }
    // Every canvas pixel becomes scale x scale image pixels: coordinates, pen widths, dashes, text and
    // pictures are multiplied, one-pixel lines stay centred on their pixels' blocks (wider strokes keep
    // their outline where their points put it), a clip with a smooth shape clips along that shape, and
    // flood fills and pixel reads take the middle of a pixel's block. 1 draws as it always does.
    void setScale(int scale);
    int scale() const { return scale_; }
    // A device without a pixel grid of its own (a vector picture, in canvas pixels): strokes lie where a
    // raster device draws them, one-pixel lines in the middle of the pixels their points name.
    void setVectorDevice(bool vector);

    // While set, each flood fill adds what it painted to area (a vector picture traces its fills).
    void recordFills(PaintedArea* area) { fillRecord_ = area; }
    // While set, nothing is drawn: each stroke, shape, text and picture adds the canvas pixels it could
    // touch to reach, and flood fills do nothing (a vector picture finds the figures a fill can meet).
    void measureInto(QRect* reach) { reach_ = reach; }
    // While set, nothing is drawn either: what drawing would paint within bounds (canvas pixels) is
    // added to work. Measuring and tallying may run together.
    void tallyWorkInto(PaintingWork* work, const QRect& bounds)
    {
        work_ = work;
        workBounds_ = bounds;
    }

    void setClipRegion(const QRegion& region);
    void clearClip();
    bool hasClip() const { return clipped_; }
    const QRegion& clipRegion() const { return clip_; }

    // Narrows the clip to a region within whatever clip the canvas has (a view paints a part of itself
    // through a clipped canvas) while it lives, then gives the canvas its clip back.
    // A vector device cannot be relied on to clip: there the clip cuts each stroke's and shape's
    // outline instead, along the shape given (the outline whose aliased fill is the region), or along
    // the region's pixels when none is.
    class NarrowedClip {
    public:
        NarrowedClip(Canvas& canvas, const QRegion& region, const QPainterPath& shape = {});
        ~NarrowedClip();
        NarrowedClip(const NarrowedClip&) = delete;
        NarrowedClip& operator=(const NarrowedClip&) = delete;

    private:
        Canvas& canvas_;
        bool hadClip_;
        QRegion outer_;
        QPainterPath outerShape_;
    };

    // Strokes with the pen.
    void line(QPoint from, QPoint to);
    void polyline(const QPolygon& points);
    void bezier(QPoint p0, QPoint c1, QPoint c2, QPoint p3);
    // 1 + 3n points: start, then (control, control, end) for each segment.
    void polyBezier(const QPolygon& points);
    // Outlined with the pen, filled with the brush; the corners are pixel centres, both included.
    void rectangle(QPoint corner1, QPoint corner2);
    // The ellipse inscribed in the box with those corners.
    void ellipse(QPoint corner1, QPoint corner2);
    void polygon(const QPolygon& points);
    // Fills with the brush colour regardless of the brush style, no outline (a solid fill request).
    void fillRect(const QRect& rect, TColor color);

    // Text with its cell's top-left corner at topLeft, in the font's colour, background untouched.
    void textOut(QPoint topLeft, const QString& text);
    QSize textExtent(const QString& text) const; // width of the text, height of one line
    int lineHeight() const;

    // While a path is being recorded, strokes and shapes are added to it instead of being drawn.
    void beginPath();
    QPainterPath endPath();
    bool isRecordingPath() const { return recording_; }
    // Any shape: stroked with the pen, and filled with the brush when filled is set.
    void drawPath(const QPainterPath& shape, bool filled);
    void strokePath(const QPainterPath& path);
    void fillPath(const QPainterPath& path, TColor color);

    // 0xFFFFFFFF (no colour) outside the canvas.
    TColor pixel(QPoint p) const;
    void setPixel(QPoint p, TColor color);

    // Copies src (or a part of it) stretched into dest. Smooth is the halftone mode; whiteTransparent
    // leaves the destination showing where the source is pure white 0xFFFFFF.
    void drawImage(const QRect& dest, const QImage& src, const QRect& srcRect = QRect(), bool smooth = false,
                   bool whiteTransparent = false);

    // The connected area (4-neighbours) of the seed pixel's exact colour painted in color.
    void floodFill(QPoint seed, TColor color);

    // Ends the painter so the image can be read or written directly (painting resumes on demand).
    void flush();

private:
    QPainter& painter();
    QRect bounds() const { return target_ ? target_->rect() : QRect(QPoint(0, 0), externalSize_); }
    void applyState(QPainter& p, bool withBrush);
    // A long polyline of a wide pen, a piece at a time (see polyline_pieces.h).
    void strokeInPieces(const std::vector<QPainterPath>& pieces);
    // The painter's clip as the canvas's clip has it.
    void applyClip(QPainter& p) const;
    // A shape drawn on a clipped vector device: its fill and its pen's outline cut to the clip.
    void drawCutToClip(const QPainterPath& shape, bool filled);
    // The shape moved to where a vector device strokes it (see strokeShift).
    QPainterPath centredOnVector(const QPainterPath& shape) const;

    QImage* target_ = nullptr;   // the pixels, when the canvas owns its painting
    QPainter* external_ = nullptr; // the painter begun elsewhere, otherwise
    QSize externalSize_;
    std::unique_ptr<QPainter> own_;
    QPainter* painter_ = nullptr; // the one in use: own_ or external_ (with its state saved)
    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
    PenMode mode_ = PenMode::Copy;
    QRegion clip_;
    QPainterPath clipShape_; // the clip's smooth outline, when it has one (used when scaled or vector)
    bool clipped_ = false;
    QPoint origin_;
    int scale_ = 1;
    bool vector_ = false;
    PaintedArea* fillRecord_ = nullptr;
    QRect* reach_ = nullptr;
    PaintingWork* work_ = nullptr;
    QRect workBounds_;
    bool measuring() const { return reach_ || work_; }
    // While measuring: adds the box (canvas pixels), widened by the pen when stroked, to the reach, and
    // its pixels to the work as an area. Callers work out the box only while measuring, so drawing pays
    // nothing for it.
    void measure(const QRectF& box, bool stroked);
    // While measuring: the reach of a path stroked with the pen (and filled, when filled), and its work.
    void measurePath(const QPainterPath& path, bool stroked, bool filled);
    // How far strokes move right and down while drawn, in canvas pixels.
    double strokeShift() const;
    // The image pixel in the middle of a canvas pixel's block.
    QPoint device(QPoint at) const;
    bool recording_ = false;
    QPainterPath path_;
};

// Path helpers (no canvas needed).
QList<QPolygon> flattenPath(const QPainterPath& path);
QPainterPath widenPath(const QPainterPath& path, const CanvasPen& pen);
// The pixels an aliased fill of the path covers, as a region.
QRegion pathToRegion(const QPainterPath& path);
QRegion polygonRegion(const QPolygon& polygon);
// Whether an aliased stroke whose outline is `widened` (see widenPath) paints the pixel. Strokes sample
// pixel centres and count an outline through a centre to the pixel above and left of it. One-pixel
// pens step like lines instead: their pixels lie within the outline of a two-pixel pen.
bool strokeCovers(const QPainterPath& widened, QPoint pixel);

} // namespace molvane
