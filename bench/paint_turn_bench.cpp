// The picture editor turning a floating 1000 x 1000 picture by its corner handle at 100 %: one mouse
// move that turns it (the turn from the source picture and the paint of the old and new rectangles),
// against the same turn plus one drawImage of the result.

#include "painting/picture_transform.h"
#include "picture_editor/tform_picture_editor.h"
#include "platform/stream_prompts.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace molvane::bench {

namespace {

constexpr int kSide = 1000;

QImage squarePicture()
{
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < kSide; ++x)
            line[x] = qRgb(x & 255, y & 255, 128);
    }
    return picture;
}

// A point on the circle through the corner handle, turned by degrees about the picture's centre.
QPoint around(QPoint centre, double radius, double degrees)
{
    const double a = degrees * M_PI / 180;
    return centre + QPoint(int(std::lround(radius * std::cos(a))), int(std::lround(radius * std::sin(a))));
}

void turnMove(benchmark::State& state)
{
    StreamPrompts prompts(stderr);
    TFormPictureEditor editor(prompts);
    editor.controls().udWidth->setValue(2000);
    editor.controls().udHeight->setValue(1500);
    editor.resize(1000, 720);
    editor.show();
    QApplication::clipboard()->setImage(squarePicture());
    editor.sbPasteShowClick();
    editor.setTransform(TFormPictureEditor::Transform::Rotate);
    QWidget* view = editor.controls().view;
    const auto mouse = [view](QEvent::Type type, QPoint at, Qt::MouseButton b, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), view->mapToGlobal(QPointF(at)), b, held, Qt::NoModifier);
        QApplication::sendEvent(view, &e);
    };
    const QRect handle = editor.handleRects()[7];
    const QPoint centre(kSide / 2, kSide / 2);
    const double radius = std::hypot(handle.center().x() - centre.x(), handle.center().y() - centre.y());
    mouse(QEvent::MouseButtonPress, handle.center(), Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    double degrees = 45;
    for (auto _ : state) {
        degrees += 7; // past the 5-degree step every move
        mouse(QEvent::MouseMove, around(centre, radius, degrees), Qt::NoButton, Qt::LeftButton);
        QCoreApplication::sendPostedEvents();
    }
}

void turnAndDraw(benchmark::State& state)
{
    const QImage source = squarePicture();
    QImage screen(1000, 720, QImage::Format_RGB32);
    double degrees = 0;
    for (auto _ : state) {
        degrees += 7;
        const QImage turned = rotatePicture(source, degrees * M_PI / 180, qRgb(255, 255, 255));
        QPainter p(&screen);
        p.drawImage(QPoint(0, 0), turned);
        p.end();
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(turnMove)->Name("paint_turn/1000/move")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(turnAndDraw)
    ->Name("paint_turn/1000/move/turn_draw_image")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace molvane::bench
