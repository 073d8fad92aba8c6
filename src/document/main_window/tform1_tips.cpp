// Tip connection and figure information: the two modes whose one press on the canvas picks tips or
// frames and then ends the mode.

#include "document/figure_renderer.h"
#include "document/geometry.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/figure_info.h"
#include "editing/selection.h"
#include "editing/tip_connection.h"

#include <QAction>

namespace molvane {

namespace {

constexpr int kTipMarkHalf = 5;

bool isBond(int kind) { return kind == fkSingle || kind == fkDouble || kind == fkTriple; }

} // namespace

void TForm1::enterPickMode(EditMode mode)
{
    if (drawing_.figures.empty())
        return;
    settleReform(true);
    mode_ = mode;
    showAllFrames(drawing_.figures, true);
    popupJustShown_ = false;
    view_->update();
}

void TForm1::endPickMode()
{
    drawing_.pendingChange = false;
    popupJustShown_ = false;
    clearRange();
    drawing_.clearSelection();
    mode_ = returnMode_;
    duplicateKey_ = false;
    view_->update();
}

void TForm1::tipPress(QPoint at)
{
    const QRect box = tipPickBox(at, zoom());
    bool found = false;
    FigureList& list = drawing_.figures;
    for (std::size_t i = list.size(); i-- > 0;) {
        if (!pickTip(list[i], drawing_.bitmap(), box, mode_ == EditMode::Connect))
            continue;
        found = true;
        rerecordExtent(list[i], false);
        drawing_.rebuildBitmap();
    }
    if (found)
        drawing_.pushHistory();
    endPickMode();
}

void TForm1::informationPress(QPoint at)
{
    for (TFigure& f : drawing_.figures)
        f.frameShown = false;
    view_->update();
    FigureList& list = drawing_.figures;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (frameHit(FigureList{list[i]}, at, zoom()) != 0)
            continue;
        // The text tells the figure's own colour; the figure is shown in red while its box is open.
        const QString name = list[i].kind == fkPicture ? QStringLiteral("画像") : figureName(list[i].kind);
        const QString information = figureInformation(list[i], int(i) + 1, name);
        const TColor pen = list[i].penColor;
        list[i].penColor = clRed;
        drawing_.rebuildBitmap();
        view_->repaint();
        prompts_.message(information, MessageType::Information, MessageButtons::Ok);
        list[i].penColor = pen;
    }
    drawing_.rebuildBitmap();
    resetSelection();
    duplicateKey_ = false;
}

bool TForm1::tipMarksShown() const { return (mode_ == EditMode::Connect || mode_ == EditMode::Disconnect) && !dragging_; }

void TForm1::paintTipMarks(Canvas& canvas, const QRect& exposed)
{
    if (!tipMarksShown())
        return;
    const bool connectedOnes = mode_ == EditMode::Disconnect;
    canvas.setPenMode(PenMode::NotXor);
    canvas.setPen({clRed, 2, PenStyle::Solid});
    canvas.setBrush({clRed, BrushStyle::Clear});
    const QRect reach = exposed.adjusted(-kTipMarkHalf - 2, -kTipMarkHalf - 2, kTipMarkHalf + 2, kTipMarkHalf + 2);
    for (const TFigure& f : drawing_.figures) {
        if (!isBond(f.kind))
            continue;
        for (int tip : {kMainStart, kMainEnd, kSecondStart, kSecondEnd}) {
            if ((tip == kSecondStart || tip == kSecondEnd) && f.kind == fkSingle)
                continue;
            const auto t = std::size_t(tip);
            if ((f.ends[t] != f.freeEnds[t]) != connectedOnes)
                continue;
            const QPoint c = toScreen(f.ends[t], zoom());
            if (reach.contains(c))
                canvas.rectangle(c - QPoint(kTipMarkHalf, kTipMarkHalf), c + QPoint(kTipMarkHalf, kTipMarkHalf));
        }
    }
}

} // namespace molvane
