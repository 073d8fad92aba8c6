// The picture editor's range on its largest canvas (2000 x 1500) holding 200 strokes, at 100 %:
// - lifting a marked 1000 x 1000 range and putting it down 10 pixels away (the press, one move and the
//   release, with the snapshot the release takes), against the same pixel copies, one full re-render
//   of the same strokes and one snapshot of the resulting list done directly;
// - one mouse move while the lifted piece is dragged, against QWidget::update of the piece's old and
//   new rectangles on a plain widget that paints them from a cached picture of the view and draws the
//   cached piece over them.

#include "painting/paint_history.h"
#include "painting/paint_mode.h"
#include "painting/paint_picture.h"
#include "painting/range_strokes.h"
#include "picture_editor/tform_picture_editor.h"
#include "platform/stream_prompts.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

namespace molvane::bench {

namespace {

constexpr int kStrokes = 200;
constexpr QRect kRange(QPoint(100, 100), QPoint(1100, 1100)); // 1000 x 1000 canvas pixels at 100 %
constexpr QPoint kGrab(400, 300);                             // inside the range, in sight

class Editor {
public:
    Editor()
    {
        const PictureEditorControls& c = editor_.controls();
        c.udWidth->setValue(2000);
        c.udHeight->setValue(1500);
        editor_.resize(1000, 720);
        editor_.show();
        std::mt19937 rng(20261210);
        auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        QToolButton* tools[] = {c.sbLine, c.sbCircle, c.sbPen};
        for (int i = 0; i < kStrokes; ++i) {
            tools[i % 3]->click();
            const QPoint from(in(0, 1999), in(0, 1499));
            drag(from, from + QPoint(in(-300, 300), in(-300, 300)));
        }
        c.sbRange->click();
        QCoreApplication::processEvents();
    }
    TFormPictureEditor& form() { return editor_; }
    QWidget* view() const { return editor_.controls().view; }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, QPointF(at), view()->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(view(), &e);
    }
    void drag(QPoint from, QPoint to)
    {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    void markRange() { drag(kRange.topLeft(), kRange.bottomRight()); }
    static void settle() { QCoreApplication::sendPostedEvents(); }

private:
    StreamPrompts prompts_{stderr};
    TFormPictureEditor editor_{prompts_};
};

void liftAndDrop(benchmark::State& state)
{
    Editor editor;
    const auto round = [&editor](benchmark::State* timed) {
        if (timed)
            timed->PauseTiming();
        editor.markRange();
        if (timed)
            timed->ResumeTiming();
        editor.drag(kGrab, kGrab + QPoint(10, 0));
        if (timed)
            timed->PauseTiming();
        editor.form().undoClick(); // the canvas as it was, so every round lifts the same range
        Editor::settle();
        if (timed)
            timed->ResumeTiming();
    };
    // A long session's lifts: the undo ring is full of states holding lifted pieces, and each new one
    // displaces one of them. (The first rounds put each new piece in memory never used before, and on
    // a virtual machine the page faults of those 4 MB can cost ten times the lift itself.)
    for (int i = 0; i < PaintHistory::kSlots; ++i)
        round(nullptr);
    for (auto _ : state)
        round(&state);
    state.counters["strokes"] = double(editor.form().picture().strokes().size());
}

void liftAndDropDirect(benchmark::State& state)
{
    Editor editor;
    PaintPicture picture;
    picture.restore(QSize(2000, 1500), {}, editor.form().picture().strokes());
    PaintHistory history;
    history.reset(picture.size());
    const QRect canvas(kRange.topLeft(), kRange.bottomRight() - QPoint(1, 1));
    FigureList strokes = picture.strokes();
    strokes.push_back(eraseStroke(canvas));
    strokes.push_back(pieceStroke(picture.working().copy(canvas), canvas.topLeft(), clBlack));
    int step = 0;
    for (auto _ : state) {
        const QImage piece = picture.working().copy(canvas);
        QImage moved = picture.working();
        {
            QPainter p(&moved);
            p.fillRect(canvas, Qt::white);
            p.drawImage(canvas.topLeft() + QPoint(10, 0), piece);
        }
        picture.render();
        // The list as the move leaves it; the piece's place differs every round, as a new state would.
        shiftFigure(strokes.back(), (++step % 2) ? 10 : -10, 0);
        history.take(picture.size(), strokes);
        benchmark::DoNotOptimize(moved.constBits());
    }
}

void dragPieceMove(benchmark::State& state)
{
    Editor editor;
    editor.markRange();
    editor.mouse(QEvent::MouseButtonPress, kGrab, Qt::LeftButton, Qt::LeftButton);
    Editor::settle();
    int next = 0;
    for (auto _ : state) {
        next ^= 1;
        editor.mouse(QEvent::MouseMove, kGrab + QPoint(12 * next, 6 * next), Qt::NoButton, Qt::LeftButton);
        Editor::settle();
    }
}

// A plain widget over the editor's view: its paint copies the exposed rectangles from a picture of the
// view and draws the cached piece over them.
class TwinView : public QWidget {
public:
    TwinView(QWidget* view, QImage piece) : QWidget(view), cached_(view->grab()), piece_(std::move(piece))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(view->rect());
        show();
    }
    void placePiece(QPoint at)
    {
        update(QRect(at_, piece_.size()));
        at_ = at;
        update(QRect(at_, piece_.size()));
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        for (const QRect& r : e->region())
            p.drawPixmap(r.topLeft(), cached_, r);
        p.drawImage(at_, piece_);
    }

private:
    QPixmap cached_;
    QImage piece_;
    QPoint at_ = kRange.topLeft();
};

void dragPieceMoveTwin(benchmark::State& state)
{
    Editor editor;
    const QImage piece = editor.form()
                             .picture()
                             .working()
                             .copy(QRect(kRange.topLeft(), QSize(1000, 1000)))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    TwinView twin(editor.view(), piece);
    Editor::settle();
    int next = 0;
    for (auto _ : state) {
        next ^= 1;
        twin.placePiece(kRange.topLeft() + QPoint(12 * next, 6 * next));
        Editor::settle();
    }
}

} // namespace

BENCHMARK(liftAndDrop)->Name("paint_range/lift_drop_1000")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(liftAndDropDirect)
    ->Name("paint_range/lift_drop_1000/copies_render_snapshot")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(dragPieceMove)->Name("paint_range/drag_1000/move")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(dragPieceMoveTwin)
    ->Name("paint_range/drag_1000/move/cached_view_update")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

} // namespace molvane::bench
