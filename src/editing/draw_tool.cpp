#include "editing/draw_tool.h"

#include "document/canvas_geometry.h"
#include "document/figure_commit.h"
#include "document/geometry.h"
#include "document/text_figure.h"

namespace molvane {

void DrawTool::press(const PointerEvent& e)
{
    conditions_ = env_.conditions();
    start_ = current_ = env_.snap(e.at);
    switch (kind()) {
    case EditMode::Text:
        if (conditions_.text.trimmed().isEmpty())
            return;
        // A character is placed with the plain snap: the free-curve and fill exceptions do not apply.
        start_ = current_ = snapPoint(e.at, env_.gridStep());
        begin();
        break;
    case EditMode::Free:
        points_ = {start_};
        begin();
        break;
    case EditMode::Fill: pressFill(e.at); break;
    default:
        if (isRubberBandTool(kind()))
            begin();
        break;
    }
}

void DrawTool::begin()
{
    dragging_ = true;
    moveTo(current_);
}

void DrawTool::update(QPoint point)
{
    current_ = point;
    working_ = createFigure(conditions_, start_, current_);
    if (working_.kind == fkMoji)
        working_.ends[kMainStart] = working_.ends[kMainEnd] = current_;
}

void DrawTool::moveTo(QPoint point)
{
    update(point);
    show(true);
}

void DrawTool::move(const PointerEvent& e)
{
    if (!dragging_)
        return;
    const QPoint point = env_.snap(e.at);
    if (kind() == EditMode::Free) {
        if (points_.empty() || points_.back() != point)
            points_.push_back(point);
        moveTo(point);
    } else if (point != current_ && !e.autoScrolling) {
        moveTo(point);
    }
}

void DrawTool::autoScrolled(QPoint snapped)
{
    if (dragging_ && kind() != EditMode::Free)
        moveTo(snapped);
}

void DrawTool::pressFill(QPoint at)
{
    Drawing& d = env_.drawing();
    QImage& bitmap = d.bitmap();
    const QRgb corner = bitmap.pixel(0, 0);
    start_ = at;
    update(at);
    {
        Canvas canvas(bitmap);
        renderFigure(working_, {canvas, false, 100, d.renderSettings()});
    }
    if (bitmap.pixel(0, 0) != corner) {
        // The fill ran out to the corner of the canvas: it was not enclosed, and it is dropped.
        d.rebuildBitmap();
        env_.invalidate(env_.viewRect());
        return;
    }
    commit();
}

bool DrawTool::finishes() const
{
    switch (kind()) {
    case EditMode::Text: return !conditions_.text.trimmed().isEmpty();
    case EditMode::Free: return !points_.empty();
    case EditMode::Orbital:
    case EditMode::Circle: return true;
    default: return isRubberBandTool(kind()) && current_ != start_;
    }
}

void DrawTool::release(const PointerEvent& e)
{
    if (!dragging_)
        return;
    if (kind() != EditMode::Free && kind() != EditMode::Text)
        update(env_.snap(e.at));
    show(false);
    if (finishes())
        commit();
    points_.clear();
    dragging_ = false;
}

void DrawTool::cancel()
{
    show(false);
    points_.clear();
    dragging_ = false;
}

void DrawTool::commit()
{
    Drawing& d = env_.drawing();
    FinishInputs in;
    in.zoom = env_.zoom();
    in.mouseDown = working_.ends[kMainStart];
    in.mouseUp = working_.ends[kMainEnd]; // a fill's are model pixels already, and stay as they are
    const BondLines lines = figureOutline(working_, {env_.measuringCanvas(), true, env_.zoom()}).bondLines;
    in.secondStart = lines.secondStart;
    in.secondEnd = lines.secondEnd;
    in.thirdStart = lines.thirdStart;
    in.thirdEnd = lines.thirdEnd;
    in.fineMoveActive = env_.keyboardPointing() && d.settings.smallMoveOneDot;
    in.draggedPoints = points_;
    in.cursorPrecision = env_.precision();
    commitFinishedFigure(d.figures, d.bitmap(), finishFigure(working_, in), d.lastRecorded, d.renderSettings());
    d.pushHistory();
    env_.figureDrawn();
}

QRect DrawTool::workingRect() const
{
    const RenderTarget target{env_.measuringCanvas(), true, env_.zoom(), env_.drawing().renderSettings()};
    QRect box;
    if (working_.kind == fkMoji) {
        const TextLayout layout = layoutText(working_, target);
        box = QRect(layout.origin, QSize(std::max(layout.boxWidth, layout.width), layout.height));
    } else if (working_.kind == fkFree) {
        for (QPoint p : points_)
            box |= QRect(p, QSize(1, 1));
    } else {
        box = figureOutline(working_, target).path.boundingRect().toAlignedRect();
    }
    // Pen widths reach up to 250 model pixels; the arrow head and round caps beyond the outline.
    const int reach = toScreen(mappedPenWidth(std::min(50, std::abs(conditions_.width))), env_.zoom()) + 8;
    return box.adjusted(-reach, -reach, reach, reach);
}

void DrawTool::show(bool shown)
{
    env_.invalidate(shown ? shown_.show(workingRect()) : shown_.hide());
}

QRegion DrawTool::overlayArea() const
{
    return shown_.area();
}

void DrawTool::paintOverlay(Canvas& canvas, const QRect& exposed) const
{
    if (!shown_.touches(exposed))
        return;
    RenderOptions options;
    // Rubber bands invert what is under them; the free curve is inked and the character shown as drawn.
    options.mode = isRubberBandTool(kind()) ? PenMode::NotXor : PenMode::Copy;
    if (working_.kind == fkFree)
        options.dragged = &points_;
    renderFigure(working_, {canvas, true, env_.zoom(), env_.drawing().renderSettings()}, options);
}

} // namespace molvane
