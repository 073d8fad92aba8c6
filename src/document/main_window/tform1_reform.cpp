// Reforming figures from the operation panel: width, shape, size, style and precision applied to the
// selected figures, or to the last figure while "変形" is green. Consecutive reforms share one undo
// state, pushed when the next operation starts.

#include "document/figure_renderer.h"
#include "document/figure_commit.h"
#include "document/main_window/tform1.h"
#include "editing/figure_move.h"
#include "settings/tform2.h"

namespace molvane {

namespace {

bool reformable(int kind) { return (kind >= fkMoji && kind <= fkFree) || kind == fkPai || kind == fkCircle || kind == fkPicture; }

// What one control changes on a figure; kinds that ignore the control stay as they are.
void reformFigure(TFigure& f, ReformControl c, const DrawingConditions& now, int precision)
{
    switch (c) {
    case ReformControl::Shape:
        if (f.kind == fkMoji || (f.kind >= fkDouble && f.kind <= fkStereo) || f.kind == fkPai || f.kind == fkCircle ||
            f.kind == fkPicture) {
            if (f.kind == fkDouble || f.kind == fkTriple)
                for (int i : {kSecondStart, kThirdStart, kSecondEnd, kThirdEnd})
                    f.ends[std::size_t(i)] = {}; // the side lines follow the main line afresh
            f.shape = now.shape;
        }
        break;
    case ReformControl::Width:
        if ((f.kind >= fkSingle && f.kind <= fkArrow) || f.kind == fkFree || f.kind == fkPai || f.kind == fkCircle)
            f.lineWidth = now.width;
        break;
    case ReformControl::Size:
        if (f.kind == fkMoji || f.kind == fkPicture)
            f.sizeStep = now.sizeStep;
        break;
    case ReformControl::Style:
        f.penStyle = now.penStyle;
        f.penColor = now.penColor;
        f.auxColor = now.auxColor;
        f.fillColor = now.fillColor;
        if (f.kind == fkMoji)
            f.fontName = now.fontName;
        break;
    case ReformControl::Precision: f.cursorPrecision = precision; break;
    }
}

} // namespace

std::vector<int> TForm1::reformTargets()
{
    std::vector<int> targets;
    FigureList& list = drawing_.figures;
    if (actsOnSelection(mode_)) {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].selected)
                targets.push_back(int(i));
    } else if (lastFigureExists_ && lastReformArmed_) {
        drawing_.clearSelection();
        targets.push_back(int(list.size()) - 1);
    }
    return targets;
}

void TForm1::applyReform(ReformControl c)
{
    FigureList& list = drawing_.figures;
    if (list.empty())
        return;
    const QRgb cornerBefore = drawing_.bitmap().pixel(0, 0);
    const DrawingConditions now = conditions();
    bool changed = false;
    for (int index : reformTargets()) {
        TFigure& f = list[std::size_t(index)];
        if (!reformable(f.kind))
            continue;
        reformFigure(f, c, now, precision());
        recordExtentAgain(f, drawing_.bitmap(), drawing_.lastRecorded, drawing_.renderSettings(),
                          c == ReformControl::Shape);
        changed = true;
    }
    if (!changed) {
        view_->update();
        return;
    }
    drawing_.rebuildBitmap();
    removeFillsThatLeak(drawing_, cornerBefore);
    drawing_.pendingChange = true;
    view_->update();
}

void TForm1::settleReform(bool clearMarks)
{
    if (!drawing_.pendingChange)
        return;
    if (clearMarks) {
        drawing_.clearSelection();
        tools_.selection().clearRange();
    }
    drawing_.consumePendingChange();
}

void TForm1::sbSetteiClick()
{
    if (!styleDialog_)
        return;
    styleDialog_->setWindowTitle(ui_.sbSettei->toolTip().section(QString::fromUtf8(" … "), 0, 0));
    styleDialog_->setStyle({style_.font.name, style_.leftStyle, style_.rightStyle, style_.penColor, style_.fillColor, style_.brushColor});
    if (styleDialog_->exec() != QDialog::Accepted)
        return;
    // What new figures are drawn with, kept in case the dialog was for the selected figures only.
    const CanvasFont font = style_.font;
    const TColor pen = style_.penColor, aux = style_.fillColor, brush = style_.brushColor;
    const int current = style_.currentLineStyle, left = style_.leftStyle, right = style_.rightStyle;

    const DrawingStyle& chosen = styleDialog_->style();
    style_.font.name = chosen.fontName;
    style_.font.color = style_.penColor = chosen.penColor;
    style_.fillColor = chosen.auxColor;
    style_.brushColor = chosen.brushColor;
    style_.leftStyle = chosen.normalStyle;
    style_.rightStyle = chosen.rightStyle;
    style_.currentLineStyle = style_.rightStyleFlag ? style_.rightStyle : style_.leftStyle;
    if (hasOwnConditions(mode_) && mode_ != EditMode::Text) {
        ToolSettings t = toolSettings_.at(int(mode_));
        t.leftStyle = style_.leftStyle;
        t.rightStyle = style_.rightStyle;
        t.rightStyleFlag = style_.rightStyleFlag;
        t.penColor = style_.penColor;
        t.brushColor = style_.brushColor;
        toolSettings_.store(int(mode_), t);
    }
    applyReform(ReformControl::Style);
    if (selectedCount() > 0) {
        style_.font = font;
        style_.penColor = pen;
        style_.fillColor = aux;
        style_.brushColor = brush;
        style_.currentLineStyle = current;
        style_.leftStyle = left;
        style_.rightStyle = right;
    }
}

} // namespace molvane
