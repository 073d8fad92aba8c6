// One mouse move while a single bond is dragged over the big drawing in the main window: the window's
// move handler and the paint of what it marked changed (the old and the new rubber band and cursor
// marks in the view, the position in the status bar), against painting the same rectangles of the
// same widgets, through the same window, from pictures of them taken once.

#include "document/tform1.h"
#include "drawings.h"
#include "platform/data_folder.h"
#include "platform/stream_prompts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace molvane::bench {

namespace {

// The bond starts here and its end goes back and forth between two points a snap step or two apart,
// so every move changes the band; all of it lies in the part of the view the window shows.
constexpr QPoint kPressAt(180, 140);
constexpr QPoint kDragTo[2] = {QPoint(470, 330), QPoint(482, 344)};

// Collects what each widget of the window is asked to paint.
class PaintSpy : public QObject {
public:
    std::map<QWidget*, QRegion> painted;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && watched->isWidgetType()) {
            painted[static_cast<QWidget*>(watched)] += static_cast<QPaintEvent*>(e)->region();
            ++paints;
        }
        return false;
    }
};

// The main window showing the big drawing, with the mouse pressed for a single bond and dragged once.
class BondDrag {
public:
    BondDrag() : form_(prompts_, dataFoldersIn(dir_.filePath(QStringLiteral("Molvane"))))
    {
        Drawing& d = form_.drawing();
        const Drawing& big = bigDrawing();
        d.figures = big.figures;
        d.setCanvasSize(big.canvasSize());
        d.rebuildBitmap();
        d.resetHistoryToCurrent();
        d.takeBaseline();
        view()->updateSize();
        form_.show();
        // The first paint of the whole window, and whatever showing it posted.
        QCoreApplication::processEvents();
        if (QToolButton* single = form_.findChild<QToolButton*>(QStringLiteral("sbFuncSingle")))
            single->click();
        mouse(QEvent::MouseButtonPress, kPressAt, Qt::LeftButton, Qt::LeftButton);
        moveOnce();
        QCoreApplication::instance()->installEventFilter(&spy_);
    }
    ~BondDrag()
    {
        QCoreApplication::instance()->removeEventFilter(&spy_);
        form_.drawing().takeBaseline(); // nothing to save when the window closes
    }

    CanvasView* view() const { return form_.canvasView(); }
    PaintSpy& spy() { return spy_; }

    // One move of the mouse, handled, and the paint of what it changed.
    void moveOnce()
    {
        next_ ^= 1;
        mouse(QEvent::MouseMove, kDragTo[next_], Qt::NoButton, Qt::LeftButton);
        settle();
    }

    // Delivers the posted update requests, which paint the marked regions; timers (the auto-scroll)
    // do not run.
    static void settle() { QCoreApplication::sendPostedEvents(); }

private:
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, QPointF(at), view()->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(view(), &e);
    }
    QTemporaryDir dir_;
    StreamPrompts prompts_{stderr};
    TForm1 form_;
    PaintSpy spy_;
    int next_ = 0;
};

void rubberBandMove(benchmark::State& state)
{
    BondDrag drag;
    drag.spy().paints = 0;
    drag.moveOnce();
    if (drag.spy().painted[drag.view()].isEmpty()) {
        state.SkipWithError("a mouse move painted nothing of the view");
        return;
    }
    const QRect box = drag.spy().painted[drag.view()].boundingRect();
    for (auto _ : state)
        drag.moveOnce();
    state.counters["band_width"] = box.width();
    state.counters["band_height"] = box.height();
}

// Paints a widget's exposed rectangles from a picture of it taken once, in place of its own paint.
class CachedPaint : public QObject {
public:
    CachedPaint(QWidget* widget, QImage cached) : widget_(widget), cached_(std::move(cached))
    {
        widget_->installEventFilter(this);
    }
    ~CachedPaint() override { widget_->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != widget_ || e->type() != QEvent::Paint)
            return false;
        QPainter p(widget_);
        for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
            p.drawImage(r.topLeft(), cached_, r);
        return true;
    }

private:
    QWidget* widget_;
    QImage cached_;
};

// What any window must do at the least to show a move: repaint the rectangles the move changed, of
// the same widgets, each copied from a picture.
void paintCachedRects(benchmark::State& state)
{
    BondDrag drag;
    drag.spy().painted.clear();
    drag.moveOnce();
    const std::map<QWidget*, QRegion> changed = drag.spy().painted;
    if (changed.count(drag.view()) == 0) {
        state.SkipWithError("a mouse move painted nothing of the view");
        return;
    }
    std::vector<std::unique_ptr<CachedPaint>> cached;
    for (const auto& [widget, region] : changed)
        cached.push_back(std::make_unique<CachedPaint>(widget, widget->grab().toImage().convertToFormat(QImage::Format_RGB32)));
    for (auto _ : state) {
        for (const auto& [widget, region] : changed)
            widget->update(region);
        BondDrag::settle();
    }
    state.counters["widgets"] = double(changed.size());
}

} // namespace

BENCHMARK(rubberBandMove)->Name("rubber_band/big/move")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(paintCachedRects)->Name("rubber_band/big/move/cached_view")->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace molvane::bench
