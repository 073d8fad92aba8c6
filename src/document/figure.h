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

// The six ends of a figure, indexed by EndIndex (the three starts, then the three ends), kept in memory in
// the order a figure record stores them: each line's start followed by its end. Reading or writing a
// record then moves them in one straight copy.
class EndPoints {
public:
    static constexpr std::size_t size() { return 6; }

    QPoint& operator[](std::size_t index) { return slots_[kSlot[index]]; }
    const QPoint& operator[](std::size_t index) const { return slots_[kSlot[index]]; }
    bool operator==(const EndPoints&) const = default;

    // The six in index order.
    std::array<QPoint, 6> inIndexOrder() const
    {
        std::array<QPoint, 6> points;
        for (std::size_t i = 0; i < size(); ++i)
            points[i] = (*this)[i];
        return points;
    }
    // The six in record order (main start, main end, second start, second end, third start, third end);
    // also a walk over all of them where the order does not matter.
    std::array<QPoint, 6>& inRecordOrder() { return slots_; }
    const std::array<QPoint, 6>& inRecordOrder() const { return slots_; }
    QPoint* begin() { return slots_.data(); }
    QPoint* end() { return slots_.data() + slots_.size(); }
    const QPoint* begin() const { return slots_.data(); }
    const QPoint* end() const { return slots_.data() + slots_.size(); }

private:
    // The slot of each index.
    static constexpr std::size_t kSlot[6] = {0, 2, 4, 1, 3, 5};
    std::array<QPoint, 6> slots_{};
};

// Index of each point in extremes.
enum ExtremeIndex { kLeftmost = 0, kTopmost = 1, kRightmost = 2, kBottommost = 3 };

struct TFigure {
    // User-provided, so that a new figure (one per record read) gets its member initializers alone
    // instead of a zeroing of all of it first.
    TFigure() noexcept {}
    // A figure whose stored fields are those of the record fixed part at p (its 194 bytes must be
    // there), each written once; the rest as in a new figure. Defined with the fixed part's layout, in
    // document/figure_fixed_part.h.
    struct FromFixedPart {};
    TFigure(FromFixedPart, const unsigned char* p) noexcept;

    std::int32_t kind = 0;
    std::int32_t cursorPrecision = 0;
    bool freeForm = false;  // only on the transient free range figure
    bool fineMoved = false; // drawn or moved in one-pixel keyboard steps
    // Never stored; kept here, in what would be padding, so that a figure takes 280 bytes, not 288.
    bool selected = false;
    bool frameShown = false;
    TColor penColor = clBlack;
    TColor auxColor = clSilver; // the style dialog's fill colour; carried, never drawn
    TColor fillColor = clSilver;
    std::int32_t penStyle = 0; // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    std::int32_t lineWidth = 0;
    std::int32_t shape = 0;
    std::int32_t sizeStep = 0;
    std::int32_t reserved = 0; // carried and stored, never interpreted
    EndPoints ends;
    EndPoints freeEnds;               // ends as they were before any tip connection
    QPoint handle;                    // centre of the selection frame
    std::array<QPoint, 4> extremes{}; // leftmost, topmost, rightmost, bottommost of the outline
    TMargins margins;
    QString fontName;
    QString text;
    TDynamicPtArray points; // free curve polyline, fill's surrounding figures (index, 0), free range
    FigurePicture picture;  // pictures only; null otherwise

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
QPoint wrappingSum(QPoint a, QPoint b);

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
