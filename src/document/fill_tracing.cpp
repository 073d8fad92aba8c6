#include "document/fill_tracing.h"

#include "platform/canvas.h"
#include "platform/run_outline.h"

#include <algorithm>

namespace molvane {

namespace {

// How far a traced fill's outline may leave its pixel staircase, in the twin's pixels: stairs of
// single pixels become straight lines, and the outline stays within a quarter canvas pixel at 4 times.
constexpr double kTraceTolerance = 1.0;
// The canvas pixels on each side of its seed that a fill is first looked for in.
constexpr int kFirstReach = 32;
// Each window looks at every figure before its fill: beyond this many looks in all (a file of tens of
// thousands of fills), one twin of the whole canvas is the cheaper way.
constexpr qint64 kMostWindowLooks = 4'000'000;

bool isWhite(QRgb colour)
{
    return (colour & 0xFFFFFFu) == 0xFFFFFFu;
}

class FillTracer {
public:
    FillTracer(const FillSource& source, int scale)
        : source_(source), scale_(scale), canvasRect_(QPoint(0, 0), source.canvas),
          count_(figuresUpToLastFill()), areas_(std::size_t(count_))
    {
    }

    std::vector<std::optional<TracedFill>> run()
    {
        if (count_ > 0) {
            measureReaches();
            if (!fillInWindows())
                fillOnWholeTwin();
        }
        return traced();
    }

private:
    const TFigure& figure(qsizetype i) const { return (*source_.figures)[i]; }
    bool isFill(qsizetype i) const { return figure(i).kind == fkNuri; }

    // Only the figures up to the last fill can shape a fill's area.
    qsizetype figuresUpToLastFill() const
    {
        for (qsizetype i = source_.figures->size(); i > 0; --i)
            if ((*source_.figures)[i - 1].kind == fkNuri)
                return i;
        return 0;
    }

    // The canvas pixels each figure other than a fill can touch, found without drawing anything.
    void measureReaches()
    {
        QImage nothing(1, 1, QImage::Format_RGB32);
        Canvas measuring(nothing);
        const RenderTarget target{measuring, false, 100, source_.settings};
        reaches_.resize(std::size_t(count_));
        for (qsizetype i = 0; i < count_; ++i) {
            if (isFill(i))
                continue;
            measuring.measureInto(&reaches_[std::size_t(i)]);
            renderFigure(figure(i), target);
            measuring.measureInto(nullptr);
        }
    }

    bool fillInWindows()
    {
        const qint64 fills = std::count_if(source_.figures->begin(), source_.figures->begin() + count_,
                                           [](const TFigure& f) { return f.kind == fkNuri; });
        if (fills * count_ > kMostWindowLooks)
            return false;
        boxes_.assign(std::size_t(count_), QRect());
        for (qsizetype i = 0; i < count_; ++i) {
            if (!isFill(i))
                continue;
            const QPoint seed = figure(i).ends[kMainStart];
            QRect window =
                QRect(seed, QSize(1, 1)).adjusted(-kFirstReach, -kFirstReach, kFirstReach, kFirstReach) &
                canvasRect_;
            if (window.isEmpty())
                continue; // a seed off the canvas paints nothing
            while (!fillInWindow(i, window)) {
                window = window.adjusted(-window.width(), -window.height(), window.width(), window.height()) &
                         canvasRect_;
                if (window == canvasRect_)
                    return false;
            }
        }
        return true;
    }

    // Draws the figures before fill i that reach the window on a twin of just the window, then the
    // fill; false when the fill ran into an edge of the window that is not the canvas's.
    bool fillInWindow(qsizetype i, QRect window)
    {
        QImage twin(window.size() * scale_, QImage::Format_RGB32);
        twin.fill(toQRgb(clWhite));
        const QPoint offset = window.topLeft() * scale_;
        PaintedArea area;
        {
            Canvas raster(twin);
            raster.setScale(scale_);
            raster.setOrigin(-offset);
            if (!source_.background.isNull())
                raster.drawImage(QRect(QPoint(0, 0), source_.background.size()), source_.background);
            const RenderTarget target{raster, false, 100, source_.settings};
            const QRect near = window.adjusted(-1, -1, 1, 1);
            for (qsizetype j = 0; j < i; ++j) {
                if (isFill(j)) {
                    if (boxes_[std::size_t(j)].intersects(QRect(offset, twin.size()))) {
                        raster.flush();
                        paintRuns(areas_[std::size_t(j)], twin, offset);
                    }
                } else if (reaches_[std::size_t(j)].intersects(near)) {
                    renderFigure(figure(j), target);
                }
            }
            raster.recordFills(&area);
            renderFigure(figure(i), target);
        }
        if (runsIntoOpenEdge(area, window, twin.size()))
            return false;
        QRect& box = boxes_[std::size_t(i)];
        for (PaintedRun& run : area.runs) {
            run = {run.y + offset.y(), run.left + offset.x(), run.right + offset.x()};
            box |= QRect(run.left, run.y, run.right - run.left + 1, 1);
        }
        areas_[std::size_t(i)] = std::move(area);
        return true;
    }

    // An earlier fill's pixels (twin pixels of the whole canvas) painted on a window's twin.
    static void paintRuns(const PaintedArea& area, QImage& twin, QPoint offset)
    {
        for (const PaintedRun& run : area.runs) {
            const int y = run.y - offset.y();
            const int left = std::max(0, run.left - offset.x());
            const int right = std::min(twin.width() - 1, run.right - offset.x());
            if (y < 0 || y >= twin.height() || left > right)
                continue;
            auto* line = reinterpret_cast<QRgb*>(twin.scanLine(y));
            std::fill(line + left, line + right + 1, area.colour);
        }
    }

    bool runsIntoOpenEdge(const PaintedArea& area, QRect window, QSize twin) const
    {
        const bool left = window.left() > canvasRect_.left();
        const bool right = window.right() < canvasRect_.right();
        const bool top = window.top() > canvasRect_.top();
        const bool bottom = window.bottom() < canvasRect_.bottom();
        return std::any_of(area.runs.begin(), area.runs.end(), [&](const PaintedRun& run) {
            return (left && run.left == 0) || (right && run.right == twin.width() - 1) ||
                   (top && run.y == 0) || (bottom && run.y == twin.height() - 1);
        });
    }

    // One twin of the whole canvas, every figure up to the last fill drawn on it in order.
    void fillOnWholeTwin()
    {
        QImage twin(source_.canvas * scale_, QImage::Format_RGB32);
        twin.fill(toQRgb(clWhite));
        Canvas raster(twin);
        raster.setScale(scale_);
        if (!source_.background.isNull())
            raster.drawImage(QRect(QPoint(0, 0), source_.background.size()), source_.background);
        const RenderTarget target{raster, false, 100, source_.settings};
        for (qsizetype i = 0; i < count_; ++i) {
            PaintedArea area;
            raster.recordFills(isFill(i) ? &area : nullptr);
            renderFigure(figure(i), target);
            areas_[std::size_t(i)] = std::move(area);
        }
        raster.recordFills(nullptr);
    }

    std::vector<std::optional<TracedFill>> traced() const
    {
        std::vector<std::optional<TracedFill>> fills(std::size_t(source_.figures->size()));
        bool whiteDrawn = false;
        for (qsizetype i = 0; i < count_; ++i) {
            const PaintedArea& area = areas_[std::size_t(i)];
            if (area.runs.empty()) {
                const TFigure& f = figure(i);
                whiteDrawn = whiteDrawn || f.penColor == clWhite || f.fillColor == clWhite;
                continue;
            }
            fills[std::size_t(i)] =
                TracedFill{outlineOfRuns(area.runs, 1.0 / scale_, kTraceTolerance),
                           QColor::fromRgb(area.colour), isWhite(area.replaced) && !whiteDrawn};
            whiteDrawn = whiteDrawn || isWhite(area.colour);
        }
        return fills;
    }

    const FillSource& source_;
    int scale_;
    QRect canvasRect_;
    qsizetype count_;                // the figures up to the last fill
    std::vector<PaintedArea> areas_; // what each fill painted, in twin pixels of the whole canvas
    std::vector<QRect> reaches_;     // what each other figure can touch, in canvas pixels
    std::vector<QRect> boxes_;       // the box of what each fill painted, in twin pixels
};

} // namespace

std::vector<std::optional<TracedFill>> traceFills(const FillSource& source, int scale)
{
    return FillTracer(source, scale).run();
}

} // namespace molvane
