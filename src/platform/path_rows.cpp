#include "platform/path_rows.h"

#include <algorithm>
#include <initializer_list>

namespace molvane {

namespace {

// Rows are sampled at their pixel centres; two rows of margin keep well clear of any rounding.
constexpr double kMargin = 2;

enum class Side { Near, Above, Below };

// Writes the path again, runs of elements on one side of the rows joined into one line.
class RowsWriter {
public:
    RowsWriter(int top, int bottom) : above_(top - kMargin), below_(bottom + 1 + kMargin) {}

    QPainterPath& path() { return out_; }

    void moveTo(const QPointF& p)
    {
        flushRun();
        out_.moveTo(p);
        current_ = p;
    }
    void lineTo(const QPointF& p)
    {
        if (!joined(sideOf({current_, p}), p))
            out_.lineTo(p);
        current_ = p;
    }
    void cubicTo(const QPointF& c1, const QPointF& c2, const QPointF& p)
    {
        if (!joined(sideOf({current_, c1, c2, p}), p))
            out_.cubicTo(c1, c2, p);
        current_ = p;
    }
    void finish() { flushRun(); }

private:
    Side sideOf(std::initializer_list<QPointF> points) const
    {
        const auto [low, high] = std::minmax(points, [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        if (high.y() < above_)
            return Side::Above;
        if (low.y() > below_)
            return Side::Below;
        return Side::Near;
    }

    // Whether an element ending at end went into a run of its side (a near element ends the run first).
    bool joined(Side side, const QPointF& end)
    {
        if (side != runSide_)
            flushRun();
        if (side == Side::Near)
            return false;
        runSide_ = side;
        runEnd_ = end;
        return true;
    }
    void flushRun()
    {
        if (runSide_ != Side::Near)
            out_.lineTo(runEnd_);
        runSide_ = Side::Near;
    }

    double above_;
    double below_;
    QPainterPath out_;
    QPointF current_;
    Side runSide_ = Side::Near;
    QPointF runEnd_;
};

} // namespace

QPainterPath pathNearRows(const QPainterPath& path, int top, int bottom)
{
    RowsWriter w(top, bottom);
    w.path().setFillRule(path.fillRule());
    const int n = path.elementCount();
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            w.moveTo(e);
            break;
        case QPainterPath::LineToElement:
            w.lineTo(e);
            break;
        case QPainterPath::CurveToElement:
            if (i + 2 < n) {
                w.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
                i += 2;
            }
            break;
        case QPainterPath::CurveToDataElement: // only ever after a curve, taken with it
            break;
        }
    }
    w.finish();
    return w.path();
}

bool atMostOneRunPerRow(const QPainterPath& path)
{
    const int n = path.elementCount();
    if (n == 0)
        return true;
    for (int i = 1; i < n; ++i)
        if (path.elementAt(i).type == QPainterPath::MoveToElement)
            return false;
    // Turns between going down and going up, once around: the headings of the steps between points,
    // the step from the last point back to the first included, and the last heading meeting the first.
    int turns = 0, heading = 0, firstHeading = 0;
    double last = path.elementAt(0).y;
    for (int i = 1; i <= n; ++i) {
        const double y = path.elementAt(i % n).y;
        if (y == last)
            continue;
        const int now = y > last ? 1 : -1;
        if (firstHeading == 0)
            firstHeading = now;
        else if (now != heading)
            ++turns;
        heading = now;
        last = y;
    }
    if (heading != firstHeading)
        ++turns;
    return turns <= 2;
}

} // namespace molvane
