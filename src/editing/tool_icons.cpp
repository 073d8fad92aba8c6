#include "editing/tool_icons.h"

#include "document/edit_mode.h"
#include "document/figure_kind.h"
#include "document/figure_renderer.h"
#include "document/selection_frames.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace molvane {

namespace {

// Icons are laid out on a 24-pixel grid and scaled to the size asked for.
constexpr double kGrid = 24.0;

// A white model canvas the size of the icon, addressed in grid coordinates.
class Sketch {
public:
    explicit Sketch(int size) : size_(size), image_(size, size, QImage::Format_RGB32), canvas_(image_)
    {
        image_.fill(toQRgb(clWhite));
    }

    QPoint at(double x, double y) const { return {scaled(x), scaled(y)}; }
    int scaled(double v) const { return int(std::lround(v * size_ / kGrid)); }
    // A length that must stay at least one pixel (pen widths, spacings).
    int length(double v) const { return std::max(1, scaled(v)); }
    Canvas& canvas() { return canvas_; }
    void draw(const TFigure& f) { renderFigure(f, {canvas_}); }

    // The picture with pure white made transparent; the canvas is finished with.
    QImage finish()
    {
        canvas_.flush();
        QImage icon = image_.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < icon.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(icon.scanLine(y));
            std::replace(line, line + icon.width(), toQRgb(clWhite), QRgb(0));
        }
        return icon;
    }

private:
    int size_;
    QImage image_;
    Canvas canvas_;
};

TFigure lineFigure(int kind, QPoint from, QPoint to, int lineWidth, int shape = 0)
{
    TFigure f;
    f.kind = kind;
    f.ends[kMainStart] = from;
    f.ends[kMainEnd] = to;
    f.freeEnds = f.ends;
    f.lineWidth = lineWidth;
    f.shape = shape;
    return f;
}

TFigure singleBond(const Sketch& s, QPointF from, QPointF to)
{
    return lineFigure(fkSingle, s.at(from.x(), from.y()), s.at(to.x(), to.y()), s.length(2));
}

// The renderer puts the further lines on the upper left of the main one; the main line is moved down
// and right so that the group sits in the middle.
void drawBond(Sketch& s, int kind)
{
    if (kind == fkSingle) {
        s.draw(singleBond(s, {5, 19}, {19, 5}));
        return;
    }
    const double shift = kind == fkDouble ? 1.5 : 3;
    s.draw(
        lineFigure(kind, s.at(5 + shift, 19 + shift), s.at(19 + shift, 5 + shift), s.length(2), s.length(4)));
}

void drawCurve(Sketch& s, int kind)
{
    if (kind == fkCurve)
        s.draw(lineFigure(fkCurve, s.at(3, 16), s.at(21, 16), s.length(2), 16));
    else
        s.draw(lineFigure(fkArrow, s.at(3, 20), s.at(21, 12), s.length(2), 10));
}

void drawStereo(Sketch& s)
{
    s.draw(lineFigure(fkStereo, s.at(4, 20), s.at(18, 6), 0, s.length(5)));
}

// One and a half periods of a sine wave.
void drawFreeCurve(Sketch& s)
{
    TFigure f = lineFigure(fkFree, s.at(3, 12), s.at(21, 12), s.length(2));
    for (int x = 3; x <= 21; ++x)
        f.points.push_back(s.at(x, 12 - 5 * std::sin((x - 3) * 3 * std::numbers::pi / 18)));
    s.draw(f);
}

void drawOrbital(Sketch& s)
{
    s.draw(lineFigure(fkPai, s.at(12, 21), s.at(12, 5), s.length(2), 12));
}

// The renderer makes a circle of radius 3 * shape around a single point.
void drawCircle(Sketch& s)
{
    const QPoint centre = s.at(12, 12);
    s.draw(lineFigure(fkCircle, centre, centre, s.length(2), std::max(2, s.scaled(3))));
}

// A six-membered ring with the fill figure seeded at its centre, as a fill on the drawing is made.
void drawFill(Sketch& s)
{
    const QPointF centre(12, 12);
    const double radius = 9;
    auto vertex = [&](int i) {
        const double a = (90 + 60 * i) * std::numbers::pi / 180;
        return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
    };
    for (int i = 0; i < 6; ++i)
        s.draw(singleBond(s, vertex(i), vertex(i + 1)));
    TFigure fill;
    fill.kind = fkNuri;
    fill.ends[kMainStart] = s.at(centre.x(), centre.y());
    fill.fillColor = clSilver;
    s.draw(fill);
}

// A text is centred on ends[3] by its whole line box, in which this font's capital sits low: the centre
// is set above the middle of the icon so that the letter itself is in the middle.
void drawText(Sketch& s)
{
    TFigure f;
    f.kind = fkMoji;
    f.ends[kMainEnd] = s.at(12, 10);
    f.fontName = QStringLiteral("ＭＳ Ｐゴシック");
    f.text = QStringLiteral("A");
    f.shape = s.length(18);
    s.draw(f);
}

// The rubber bands are the range figure the selection tools drag out.
void drawRange(Sketch& s, int tool)
{
    TFigure f = lineFigure(fkRange, s.at(3, 5), s.at(20, 18), 1);
    if (tool == kFreeRangeTag) {
        f.freeForm = true;
        for (QPointF p :
             {QPointF(12, 3), {18, 4}, {21, 9}, {19, 15}, {13, 20}, {6, 19}, {3, 13}, {5, 7}, {12, 3}})
            f.points.push_back(s.at(p.x(), p.y()));
    }
    s.draw(f);
}

void drawFrameSquares(Sketch& s)
{
    Canvas& c = s.canvas();
    c.setPen({kFrameColour, kFramePenWidth, PenStyle::Solid});
    c.setBrush({kFrameColour, BrushStyle::Clear});
    const int half = s.length(3);
    for (QPointF centre : {QPointF(6, 7), {17, 8}, {11, 17}}) {
        const QPoint p = s.at(centre.x(), centre.y());
        c.rectangle(p - QPoint(half, half), p + QPoint(half, half));
    }
}

void drawTipConnect(Sketch& s)
{
    s.draw(singleBond(s, {3, 20}, {12, 8}));
    s.draw(singleBond(s, {21, 20}, {12, 8}));
    Canvas& c = s.canvas();
    c.setPen({clRed, s.length(1), PenStyle::Solid});
    c.setBrush({clRed, BrushStyle::Clear});
    c.ellipse(s.at(7, 3), s.at(17, 13));
}

void drawDisconnect(Sketch& s)
{
    s.draw(singleBond(s, {2, 21}, {9, 11}));
    s.draw(singleBond(s, {15, 11}, {22, 21}));
    Canvas& c = s.canvas();
    c.setPen({clRed, s.length(2), PenStyle::Solid});
    c.line(s.at(9, 3), s.at(15, 9));
    c.line(s.at(15, 3), s.at(9, 9));
}

bool drawIcon(Sketch& s, int tool)
{
    switch (tool) {
    case fkSingle:
    case fkDouble:
    case fkTriple: drawBond(s, tool); return true;
    case fkCurve:
    case fkArrow: drawCurve(s, tool); return true;
    case fkStereo: drawStereo(s); return true;
    case fkFree: drawFreeCurve(s); return true;
    case fkPai: drawOrbital(s); return true;
    case fkCircle: drawCircle(s); return true;
    case fkNuri: drawFill(s); return true;
    case fkMoji: drawText(s); return true;
    case kRectRangeTag:
    case kFreeRangeTag: drawRange(s, tool); return true;
    case kIndividualTag: drawFrameSquares(s); return true;
    case kConnectTag: drawTipConnect(s); return true;
    case kDisconnectTag: drawDisconnect(s); return true;
    default: return false;
    }
}

} // namespace

QImage toolIcon(int tool, int size)
{
    if (size < 1)
        return {};
    Sketch sketch(size);
    if (!drawIcon(sketch, tool))
        return {};
    return sketch.finish();
}

} // namespace molvane
