#include "editing/pick_tool.h"

#include "document/figure_commit.h"
#include "document/geometry.h"
#include "editing/figure_info.h"
#include "editing/selection.h"
#include "editing/tip_connection.h"

namespace molvane {

namespace {

constexpr int kTipMarkHalf = 5;

bool isBond(int kind) { return kind == fkSingle || kind == fkDouble || kind == fkTriple; }

} // namespace

void PickTool::press(const PointerEvent& e)
{
    if (mode_ == EditMode::Information)
        tellAbout(e.at);
    else
        pickTips(e.at);
    env_.toolFinished();
}

void PickTool::pickTips(QPoint at)
{
    Drawing& d = env_.drawing();
    const QRect box = tipPickBox(at, env_.zoom());
    bool found = false;
    for (std::size_t i = d.figures.size(); i-- > 0;) {
        if (!pickTip(d.figures[i], d.bitmap(), box, mode_ == EditMode::Connect))
            continue;
        found = true;
        recordExtentAgain(d.figures[i], d.bitmap(), d.lastRecorded, d.renderSettings(), false);
        d.rebuildBitmap();
    }
    if (found)
        d.pushHistory();
}

void PickTool::tellAbout(QPoint at)
{
    Drawing& d = env_.drawing();
    for (TFigure& f : d.figures)
        f.frameShown = false;
    env_.invalidate(env_.viewRect());
    FigureList& list = d.figures;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (frameHit(FigureList{list[i]}, at, env_.zoom()) != 0)
            continue;
        // The text tells the figure's own colour; the figure is shown in red while its box is open.
        const QString name = list[i].kind == fkPicture ? QStringLiteral("画像") : env_.figureName(list[i].kind);
        const QString information = figureInformation(list[i], int(i) + 1, name);
        const TColor pen = list[i].penColor;
        list[i].penColor = clRed;
        d.rebuildBitmap();
        env_.repaintNow();
        env_.prompts().message(information, MessageType::Information, MessageButtons::Ok);
        list[i].penColor = pen;
    }
    d.rebuildBitmap();
}

QRegion PickTool::overlayArea() const
{
    // Tip marks may lie anywhere; the frames of the information mode are the window's to paint.
    return mode_ == EditMode::Information ? QRegion() : QRegion(env_.viewRect());
}

void PickTool::paintOverlay(Canvas& canvas, const QRect& exposed) const
{
    if (mode_ == EditMode::Information)
        return;
    const bool connectedOnes = mode_ == EditMode::Disconnect;
    canvas.setPenMode(PenMode::NotXor);
    canvas.setPen({clRed, 2, PenStyle::Solid});
    canvas.setBrush({clRed, BrushStyle::Clear});
    const QRect reach = exposed.adjusted(-kTipMarkHalf - 2, -kTipMarkHalf - 2, kTipMarkHalf + 2, kTipMarkHalf + 2);
    for (const TFigure& f : env_.drawing().figures) {
        if (!isBond(f.kind))
            continue;
        for (int tip : {kMainStart, kMainEnd, kSecondStart, kSecondEnd}) {
            if ((tip == kSecondStart || tip == kSecondEnd) && f.kind == fkSingle)
                continue;
            const auto t = std::size_t(tip);
            if ((f.ends[t] != f.freeEnds[t]) != connectedOnes)
                continue;
            const QPoint c = toScreen(f.ends[t], env_.zoom());
            if (reach.contains(c))
                canvas.rectangle(c - QPoint(kTipMarkHalf, kTipMarkHalf), c + QPoint(kTipMarkHalf, kTipMarkHalf));
        }
    }
}

} // namespace molvane
