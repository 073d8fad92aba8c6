// The main window on a drawing, as the user drags:
// - one mouse move while a single bond is drawn over "big" at 100 and 500 %: the window's move
//   handler and the paint of what it marked changed, against QWidget::update of the old and the new
//   band's rectangles on a plain widget that paints them from a cached picture of the view and draws
//   the band with QPainter;
// - one mouse move while all 10,000 figures of "huge" are dragged (Ctrl+A, a press on a frame, a first
//   move), against moving one pre-rendered drag image (the figures, white transparent) the same way.

#include "document/main_window/tform1.h"
#include "drawings.h"
#include "platform/data_folder.h"
#include "platform/stream_prompts.h"
#include "dialogs/up_down.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
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
constexpr int kBondWidth = 3; // the single bond's width at start

// The main window showing a drawing at a zoom.
class Window {
public:
    Window(const Drawing& shown, int zoom) : form_(prompts_, dataFoldersIn(dir_.filePath(QStringLiteral("Molvane"))))
    {
        Drawing& d = form_.drawing();
        d.figures = shown.figures;
        d.setCanvasSize(shown.canvasSize());
        d.rebuildBitmap();
        d.resetHistoryToCurrent();
        d.takeBaseline();
        view()->updateSize();
        if (auto* upDown = form_.findChild<TUpDown*>(QStringLiteral("UpDown2"))) {
            upDown->setValue(zoom);
            form_.UpDown2Click(true);
        }
        form_.show();
        QCoreApplication::processEvents(); // the first paint of the whole window
    }
    ~Window() { form_.drawing().takeBaseline(); } // nothing to save when the window closes

    TForm1& form() { return form_; }
    CanvasView* view() const { return form_.canvasView(); }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, QPointF(at), view()->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(view(), &e);
    }
    // Delivers the posted update requests, which paint the marked regions; timers do not run.
    static void settle() { QCoreApplication::sendPostedEvents(); }

private:
    QTemporaryDir dir_;
    StreamPrompts prompts_{stderr};
    TForm1 form_;
};

void rubberBandMove(benchmark::State& state)
{
    Window window(bigDrawing(), int(state.range(0)));
    if (QToolButton* single = window.form().findChild<QToolButton*>(QStringLiteral("sbFuncSingle")))
        single->click();
    window.mouse(QEvent::MouseButtonPress, kPressAt, Qt::LeftButton, Qt::LeftButton);
    int next = 0;
    for (auto _ : state) {
        next ^= 1;
        window.mouse(QEvent::MouseMove, kDragTo[next], Qt::NoButton, Qt::LeftButton);
        Window::settle();
    }
}

// A plain widget over the window's view: its paint copies the exposed rectangles from a picture of the
// view and draws the band (or the drag image) over them.
class TwinView : public QWidget {
public:
    TwinView(QWidget* view, int penWidth) : QWidget(view), cached_(view->grab()), penWidth_(penWidth)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(view->rect());
        show();
    }
    void setBand(QPoint from, QPoint to)
    {
        const QRect old = bandRect();
        from_ = from;
        to_ = to;
        update(old);
        update(bandRect());
    }
    void setDragImage(const QImage& image, QPoint at)
    {
        const QRect old(at_, dragImage_.size());
        dragImage_ = image;
        at_ = at;
        update(old);
        update(QRect(at_, dragImage_.size()));
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        for (const QRect& r : e->region())
            p.drawPixmap(r.topLeft(), cached_, r);
        if (!dragImage_.isNull())
            p.drawImage(at_, dragImage_);
        if (from_ != to_) {
            p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
            p.setPen(QPen(Qt::black, penWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(from_, to_);
        }
    }

private:
    QRect bandRect() const
    {
        const int reach = penWidth_ / 2 + 2;
        return QRect(from_, to_).normalized().adjusted(-reach, -reach, reach, reach);
    }
    QPixmap cached_;
    int penWidth_;
    QPoint from_, to_;
    QImage dragImage_;
    QPoint at_;
};

void rubberBandTwin(benchmark::State& state)
{
    const int zoom = int(state.range(0));
    Window window(bigDrawing(), zoom);
    TwinView twin(window.view(), kBondWidth * zoom / 100);
    Window::settle();
    int next = 0;
    for (auto _ : state) {
        next ^= 1;
        twin.setBand(kPressAt, kDragTo[next]);
        Window::settle();
    }
}

// All figures selected and grabbed by a frame, the drag already begun: the case is a further move.
void dragAllMove(benchmark::State& state)
{
    Window window(hugeDrawing(), 100);
    window.form().SelectAll1Click();
    const TFigure& first = window.form().drawing().figures.front();
    const QPoint grab = first.handle;
    window.mouse(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    window.mouse(QEvent::MouseMove, grab + QPoint(8, 8), Qt::NoButton, Qt::LeftButton);
    Window::settle();
    if (window.form().editMode() != EditMode::Moving) {
        state.SkipWithError("the drag did not begin");
        return;
    }
    int next = 0;
    for (auto _ : state) {
        next ^= 1;
        window.mouse(QEvent::MouseMove, grab + QPoint(8 + 12 * next, 8 + 6 * next), Qt::NoButton, Qt::LeftButton);
        Window::settle();
    }
}

void dragImageTwin(benchmark::State& state)
{
    Window window(hugeDrawing(), 100);
    TwinView twin(window.view(), 1);
    // The figures with the paper left out: white is transparent, so the drawing beneath shows.
    QImage image = window.form().drawing().bitmap().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    twin.setDragImage(image, QPoint(8, 8));
    Window::settle();
    int next = 0;
    for (auto _ : state) {
        next ^= 1;
        twin.setDragImage(image, QPoint(8 + 12 * next, 8 + 6 * next));
        Window::settle();
    }
}

} // namespace

BENCHMARK(rubberBandMove)->Name("rubber_band/big/move")->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(rubberBandTwin)->Name("rubber_band/big/move/cached_view")->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(dragAllMove)->Name("drag/huge/all")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(dragImageTwin)->Name("drag/huge/all/one_image")->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace molvane::bench
