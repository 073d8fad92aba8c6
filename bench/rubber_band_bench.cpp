// One mouse move while a single bond is dragged over the big drawing in the main window: the window's
// move handler and the paint of what it marked changed (the old and the new rubber band, the cursor
// marks), against painting the same rectangles of the view from a picture of it taken once.

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

namespace molvane::bench {

namespace {

// The bond starts here and its end goes back and forth between two points a snap step or two apart,
// so every move changes the band; all of it lies in the part of the view the window shows.
constexpr QPoint kPressAt(180, 140);
constexpr QPoint kDragTo[2] = {QPoint(470, 330), QPoint(482, 344)};

// Collects what the view is asked to paint.
class PaintSpy : public QObject {
public:
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(e)->region();
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
        view()->installEventFilter(&spy_);
    }
    ~BondDrag()
    {
        view()->removeEventFilter(&spy_);
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

private:
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, QPointF(at), view()->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(view(), &e);
    }
    // Delivers the posted update requests, which paint the marked regions; timers (the auto-scroll)
    // do not run.
    static void settle() { QCoreApplication::sendPostedEvents(); }

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
    if (drag.spy().paints == 0) {
        state.SkipWithError("a mouse move painted nothing of the view");
        return;
    }
    const QRect box = drag.spy().painted.boundingRect();
    for (auto _ : state)
        drag.moveOnce();
    state.counters["band_width"] = box.width();
    state.counters["band_height"] = box.height();
}

void paintCachedRects(benchmark::State& state)
{
    BondDrag drag;
    drag.spy().painted = QRegion();
    drag.moveOnce();
    const QRegion changed = drag.spy().painted;
    if (changed.isEmpty()) {
        state.SkipWithError("a mouse move painted nothing of the view");
        return;
    }
    const QImage cached = drag.view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage screen(cached.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&screen);
        for (const QRect& r : changed)
            p.drawImage(r.topLeft(), cached, r);
        p.end();
        benchmark::ClobberMemory();
    }
    state.counters["rects"] = double(changed.rectCount());
}

} // namespace

BENCHMARK(rubberBandMove)->Name("rubber_band/big/move")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(paintCachedRects)->Name("rubber_band/big/move/cached_view")->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace molvane::bench
