// The picture editor at 800 % on its largest canvas (2000 x 1500), as the user paints with the pen:
// one mouse move of a pen stroke (the editor's move handler and the paint of what it marked changed),
// against QWidget::update of the new piece's rectangle on a plain widget that paints it from a cached
// picture of the view and draws the piece with QPainter. The stroke is begun again every 256 moves,
// out of the timing, so the cases measure strokes of up to 256 points as a hand makes them.

#include "picture_editor/tform_picture_editor.h"
#include "platform/stream_prompts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace molvane::bench {

namespace {

constexpr int kZoom = 800;
constexpr int kStrokeMoves = 256;
constexpr int kPenWidth = 1; // the width control at start

// The pointer's path: a circle of 120 view pixels around the middle of the visible part of the view.
QPoint pathPoint(QPoint centre, int step)
{
    const double a = 2 * M_PI * (step % kStrokeMoves) / kStrokeMoves;
    return centre + QPoint(int(std::lround(120 * std::cos(a))), int(std::lround(120 * std::sin(a))));
}

class Editor {
public:
    Editor()
    {
        const PictureEditorControls& c = editor_.controls();
        c.udWidth->setValue(2000);
        c.udHeight->setValue(1500);
        c.zoomUpDown->setValue(kZoom);
        editor_.resize(1000, 720);
        editor_.show();
        QScrollBar* h = c.scrollBox->horizontalScrollBar();
        QScrollBar* v = c.scrollBox->verticalScrollBar();
        h->setValue(h->maximum() / 2);
        v->setValue(v->maximum() / 2);
        QCoreApplication::processEvents(); // the first paint of the whole window
        QWidget* viewport = c.scrollBox->viewport();
        centre_ = view()->mapFrom(viewport, viewport->rect().center());
    }

    QWidget* view() const { return editor_.controls().view; }
    QPoint centre() const { return centre_; }
    TFormPictureEditor& form() { return editor_; }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, QPointF(at), view()->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(view(), &e);
    }
    // Delivers the posted update requests, which paint the marked regions; timers do not run.
    static void settle() { QCoreApplication::sendPostedEvents(); }

private:
    StreamPrompts prompts_{stderr};
    TFormPictureEditor editor_{prompts_};
    QPoint centre_;
};

void penMove(benchmark::State& state)
{
    Editor editor;
    int step = 0;
    editor.mouse(QEvent::MouseButtonPress, pathPoint(editor.centre(), 0), Qt::LeftButton, Qt::LeftButton);
    for (auto _ : state) {
        if (++step % kStrokeMoves == 0) {
            state.PauseTiming();
            // Another tool button press drops the drag: no stroke is added, and the pen starts again.
            editor.form().toolClicked(PaintMode::Pen);
            editor.mouse(QEvent::MouseButtonRelease, pathPoint(editor.centre(), step), Qt::LeftButton,
                         Qt::NoButton);
            editor.mouse(QEvent::MouseButtonPress, pathPoint(editor.centre(), step), Qt::LeftButton,
                         Qt::LeftButton);
            Editor::settle();
            state.ResumeTiming();
            continue;
        }
        editor.mouse(QEvent::MouseMove, pathPoint(editor.centre(), step), Qt::NoButton, Qt::LeftButton);
        Editor::settle();
    }
    if (!editor.form().picture().strokes().empty())
        state.SkipWithError("a stroke was made");
}

// A plain widget over the editor's view: its paint copies the exposed rectangles from a picture of the
// view and draws the pen's newest piece over them.
class TwinView : public QWidget {
public:
    explicit TwinView(QWidget* view) : QWidget(view), cached_(view->grab())
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(view->rect());
        show();
    }
    void addPiece(QPoint from, QPoint to)
    {
        from_ = from;
        to_ = to;
        const int reach = kPenWidth * kZoom / 100 / 2 + 3;
        update(QRect(from, to).normalized().adjusted(-reach, -reach, reach, reach));
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        for (const QRect& r : e->region())
            p.drawPixmap(r.topLeft(), cached_, r);
        p.setPen(QPen(Qt::black, kPenWidth * kZoom / 100, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(from_, to_);
    }

private:
    QPixmap cached_;
    QPoint from_, to_;
};

void penMoveTwin(benchmark::State& state)
{
    Editor editor;
    TwinView twin(editor.view());
    Editor::settle();
    int step = 0;
    for (auto _ : state) {
        ++step;
        twin.addPiece(pathPoint(editor.centre(), step - 1), pathPoint(editor.centre(), step));
        Editor::settle();
    }
}

} // namespace

BENCHMARK(penMove)->Name("paint_pen/800/move")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(penMoveTwin)
    ->Name("paint_pen/800/move/cached_view_update")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

} // namespace molvane::bench
