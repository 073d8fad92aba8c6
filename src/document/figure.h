#pragma once
// One drawn object of a drawing (a character, a bond, a curve, a fill, a picture...), and the ordered
// list of them that is the drawing. The list order is the painting order. Points are model pixels,
// except on the working figure that is being dragged out on the screen.
// TFigure is a value type: a copy changes independently of its original. Texts and points are shared
// until either side changes them; the picture is duplicated.

#include "document/figure_kind.h"
#include "document/figure_picture.h"
#include "platform/tcolor.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace molvane {

// A list of points, shared by its copies until one of them is changed.
using TDynamicPtArray = QList<QPoint>;

// Outward stroke margins of a figure's outline: left and top <= 0, right and bottom >= 0.
struct TMargins {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const TMargins&) const = default;
};

// Index of each end in ends and freeEnds: the main line, the second and the third line of a bond.
enum EndIndex { kMainStart = 0, kSecondStart = 1, kThirdStart = 2, kMainEnd = 3, kSecondEnd = 4, kThirdEnd = 5 };

// The six ends of a figure, indexed by EndIndex: the three starts, then the three ends.
using EndPoints = std::array<QPoint, 6>;

// Index of each point in extremes.
enum ExtremeIndex { kLeftmost = 0, kTopmost = 1, kRightmost = 2, kBottommost = 3 };

struct TFigure {
    std::int32_t kind = 0;
    std::int32_t cursorPrecision = 0;
    bool freeForm = false;  // only on the transient free range figure
    bool fineMoved = false; // drawn or moved in one-pixel keyboard steps
    TColor penColor = clBlack;
    TColor auxColor = clSilver; // the style dialog's fill colour; carried, never drawn
    TColor fillColor = clSilver;
    std::int32_t penStyle = 0; // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    std::int32_t lineWidth = 0;
    std::int32_t shape = 0;
    std::int32_t sizeStep = 0;
    std::int32_t reserved = 0; // carried and stored, never interpreted
    EndPoints ends{};
    EndPoints freeEnds{};             // ends as they were before any tip connection
    QPoint handle;                    // centre of the selection frame
    std::array<QPoint, 4> extremes{}; // leftmost, topmost, rightmost, bottommost of the outline
    TMargins margins;
    QString fontName;
    QString text;
    TDynamicPtArray points; // free curve polyline, fill's surrounding figures (index, 0), free range
    FigurePicture picture;  // pictures only; null otherwise
    // Marks of the selection; never stored.
    bool selected = false;
    bool frameShown = false;

    // The rectangle the figure occupies: its extremes pushed out by its margins (edges inclusive).
    QRect occupiedRect() const;
};

// Bit 2i: ends[i] differs from freeEnds[i]; bit 2i+1: ends[i+3] differs from freeEnds[i+3].
std::uint8_t connectionMask(const TFigure& f);
inline bool isConnected(const TFigure& f) { return connectionMask(f) != 0; }

// The centre of the figure's selection frame.
QPoint handlePoint(const TFigure& f);

// Adds (dx, dy) to ends, freeEnds, handle, extremes and, for free curves only, the points.
// Positions read from a file may be anywhere in the 32-bit range; the sums wrap around as stored
// 32-bit values do rather than overflow.
void shiftFigure(TFigure& f, int dx, int dy);
// a + b, each coordinate wrapping around in 32 bits.
inline QPoint wrappingSum(QPoint a, QPoint b)
{
    const auto add = [](int x, int y) { return int(std::uint32_t(x) + std::uint32_t(y)); };
    return {add(a.x(), b.x()), add(a.y(), b.y())};
}

// The drawing: figures in painting order. Owns its members.
using FigureList = std::vector<TFigure>;

// An ordered list of 32-bit integers (the surrounding figures of a fill).
class TDataList {
public:
    void add(std::int32_t v) { items_.push_back(v); }
    std::int32_t get(int index) const { return items_.at(std::size_t(index)); }
    int count() const { return int(items_.size()); }
    void clear() { items_.clear(); }
    // The first position of v, -1 when absent.
    int indexOf(std::int32_t v) const;

private:
    std::vector<std::int32_t> items_;
};

// Removes every fill whose surrounding figures name a selected figure, walking from the last figure
// to the first. Indices outside the list (a fill pasted from elsewhere) are ignored. Returns how many
// fills were removed.
int removeFillsOfSelected(FigureList& list);

} // namespace molvane
