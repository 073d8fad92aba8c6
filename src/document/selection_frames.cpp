#include "document/selection_frames.h"

#include "document/geometry.h"

namespace molvane {

namespace {

constexpr int kSelectedHalf = 6;   // the filled square; with the pen it reaches about 7
constexpr int kUnselectedHalf = 8; // the outline square
constexpr int kLabelPoints = 9;

void drawPictureBox(Canvas& canvas, const TFigure& f, int zoom, TColor colour)
{
    const QPoint topLeft = toScreen(QPoint(f.extremes[kLeftmost].x(), f.extremes[kTopmost].y()), zoom);
    const QPoint bottomRight = toScreen(QPoint(f.extremes[kRightmost].x(), f.extremes[kBottommost].y()), zoom);
    canvas.setPen({colour, 1, PenStyle::Dot});
    canvas.setBrush({colour, BrushStyle::Clear});
    canvas.rectangle(topLeft, bottomRight);
    canvas.setFont({QStringLiteral("ＭＳ Ｐゴシック"), kLabelPoints, false, false, colour});
    canvas.textOut(topLeft + QPoint(3, 3), QStringLiteral("画像"));
}

} // namespace

void drawSelectionFrame(Canvas& canvas, const TFigure& f, int zoom)
{
    const QPoint c = toScreen(f.handle, zoom);
    const TColor colour = f.kind == fkPicture ? kPictureFrameColour : kFrameColour;
    canvas.setPenMode(PenMode::Copy);
    canvas.setPen({colour, kFramePenWidth, PenStyle::Solid});
    if (f.selected) {
        canvas.setBrush({colour, BrushStyle::Solid});
        canvas.rectangle(c - QPoint(kSelectedHalf, kSelectedHalf), c + QPoint(kSelectedHalf, kSelectedHalf));
    } else {
        canvas.setBrush({colour, BrushStyle::Clear});
        canvas.rectangle(c - QPoint(kUnselectedHalf, kUnselectedHalf), c + QPoint(kUnselectedHalf, kUnselectedHalf));
    }
    if (f.kind == fkPicture)
        drawPictureBox(canvas, f, zoom, colour);
}

} // namespace molvane
