#include "paint_recording.h"

#include "document/figure_renderer.h"
#include "platform/flood_fill.h"

#include <QPaintEngine>
#include <optional>

namespace molvane::bench {

namespace {

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(PaintRecording& out) : QPaintEngine(AllFeatures), out_(out) {}

    bool begin(QPaintDevice*) override
    {
        fresh_ = true;
        textFont_.reset();
        return true;
    }
    bool end() override { return true; }
    Type type() const override { return User; }

    // The state is read from the painter at each draw (it does not pass every change on before a
    // text); here only what the play-back cannot do is noticed.
    void updateState(const QPaintEngineState& s) override
    {
        const DirtyFlags dirty = s.state();
        if ((dirty & DirtyClipRegion) && s.clipOperation() != Qt::ReplaceClip)
            out_.complete = false;
        if ((dirty & DirtyTransform) && !s.transform().isIdentity())
            out_.complete = false;
        if (dirty & (DirtyClipPath | DirtyBackgroundMode | DirtyOpacity))
            out_.complete = false;
    }

    void drawPath(const QPainterPath& path) override
    {
        PaintOp op = withState(PaintOp::Kind::Path);
        op.path = path;
        out_.ops.push_back(std::move(op));
    }

    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        PaintOp op = withState(PaintOp::Kind::Text);
        op.at = at;
        op.text = item.text();
        out_.ops.push_back(std::move(op));
    }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { out_.complete = false; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        out_.complete = false;
    }

private:
    // The op with the current state, marked with what differs from the previous op's.
    PaintOp withState(PaintOp::Kind kind)
    {
        const QPainter& p = *painter();
        PaintOp op;
        op.kind = kind;
        op.pen = p.pen();
        op.brush = p.brush();
        op.mode = p.compositionMode();
        op.clipped = p.hasClipping();
        if (op.clipped)
            op.clip = p.clipRegion();
        op.font = p.font();
        const PaintOp* last = fresh_ ? nullptr : &last_;
        op.setPen = !last || last->pen != op.pen;
        op.setBrush = !last || last->brush != op.brush;
        op.setMode = !last || last->mode != op.mode;
        op.setClip = !last || last->clipped != op.clipped || (op.clipped && last->clip != op.clip);
        if (kind == PaintOp::Kind::Text) {
            op.setFont = !textFont_ || *textFont_ != op.font;
            textFont_ = op.font;
        }
        fresh_ = false;
        last_ = op;
        last_.path = {};
        return op;
    }

    PaintRecording& out_;
    bool fresh_ = true;               // no op since the painter began: every state must be set
    std::optional<QFont> textFont_;   // the font of the last text since the painter began
    PaintOp last_;
};

// A canvas-sized image whose painters paint into the recording instead of its pixels.
class RecordingImage : public QImage {
public:
    RecordingImage(QSize size, PaintRecording& out) : QImage(size, QImage::Format_RGB32), engine_(out) {}
    QPaintEngine* paintEngine() const override { return &engine_; }

private:
    mutable RecordingEngine engine_;
};

} // namespace

PaintRecording recordRebuild(const Drawing& drawing)
{
    PaintRecording recording;
    if (!drawing.background.isNull())
        recording.complete = false;
    RecordingImage image(drawing.canvasSize(), recording);
    Canvas canvas(image);
    const RenderTarget target{canvas, false, 100, drawing.renderSettings()};
    for (const TFigure& f : drawing.figures) {
        if (f.kind == fkNuri) {
            canvas.flush();
            PaintOp fill;
            fill.kind = PaintOp::Kind::Fill;
            fill.seed = f.ends[kMainStart];
            fill.colour = toQRgb(f.fillColor);
            recording.ops.push_back(fill);
            continue;
        }
        renderFigure(f, target);
    }
    return recording;
}

namespace {

void applyState(const PaintOp& op, QPainter& p)
{
    if (op.setPen)
        p.setPen(op.pen);
    if (op.setBrush)
        p.setBrush(op.brush);
    if (op.setMode)
        p.setCompositionMode(op.mode);
    if (op.setClip) {
        // After setClipping(false) a new region only clips once clipping is on again.
        if (op.clipped) {
            p.setClipping(true);
            p.setClipRegion(op.clip);
        } else
            p.setClipping(false);
    }
    if (op.setFont)
        p.setFont(op.font);
}

void draw(const PaintOp& op, QPainter& p)
{
    if (op.kind == PaintOp::Kind::Path)
        p.drawPath(op.path);
    else
        p.drawText(op.at, op.text);
}

} // namespace

void playBack(const PaintRecording& recording, QImage& image, const QImage* under, int scale)
{
    image.fill(toQRgb(clWhite));
    std::optional<QPainter> p(std::in_place, &image);
    p->scale(scale, scale);
    if (under)
        p->drawImage(QPoint(0, 0), *under);
    for (const PaintOp& op : recording.ops) {
        if (op.kind == PaintOp::Kind::Fill) {
            p.reset();
            floodFillSurface(image, op.seed * scale + QPoint(scale / 2, scale / 2), op.colour);
            p.emplace(&image);
            p->scale(scale, scale);
            continue;
        }
        applyState(op, *p);
        draw(op, *p);
    }
}

void playBackVector(const PaintRecording& recording, QPainter& painter,
                    const std::vector<QPainterPath>& fills)
{
    painter.fillRect(painter.window(), Qt::white);
    std::size_t fill = 0;
    for (const PaintOp& op : recording.ops) {
        if (op.kind == PaintOp::Kind::Fill) {
            if (fill < fills.size())
                painter.fillPath(fills[fill++], QColor::fromRgb(op.colour));
            continue;
        }
        applyState(op, painter);
        draw(op, painter);
    }
}

} // namespace molvane::bench
