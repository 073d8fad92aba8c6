#pragma once
// A zoomed picture on screen (Image1 of the picture editor and of the import window): a paint box
// sized to the zoomed picture that hands its paint and the pointer's events to its window.

#include "platform/canvas.h"

#include <QWidget>
#include <functional>

namespace molvane {

class PaintView : public QWidget {
    Q_OBJECT
public:
    explicit PaintView(QWidget* parent = nullptr);

    using Painter = std::function<void(Canvas&, const QRect& exposed)>;
    void setPainter(Painter painter) { painter_ = std::move(painter); }

signals:
    void mousePressed(QMouseEvent* e);
    void mouseMoved(QMouseEvent* e);
    void mouseReleased(QMouseEvent* e);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override { emit mousePressed(e); }
    void mouseMoveEvent(QMouseEvent* e) override { emit mouseMoved(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { emit mouseReleased(e); }

private:
    Painter painter_;
};

} // namespace molvane
