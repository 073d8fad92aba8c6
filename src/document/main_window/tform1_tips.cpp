// The pick modes (tip connection and figure information), whose one press on the canvas is their tool's,
// and the window's side of the canvas tools' environment.

#include "document/geometry.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/selection.h"

#include <QAction>
#include <QScrollBar>

namespace molvane {

void TForm1::enterPickMode(EditMode mode)
{
    if (drawing_.figures.empty())
        return;
    settleReform(true);
    mode_ = mode;
    toolForMode(); // its marks show at once
    showAllFrames(drawing_.figures, true);
    popupJustShown_ = false;
    view_->update();
}

void TForm1::endPickMode()
{
    drawing_.pendingChange = false;
    popupJustShown_ = false;
    selectTool_->clearRange();
    drawing_.clearSelection();
    mode_ = returnMode_;
    duplicateKey_ = false;
    view_->update();
}

QRect TForm1::viewRect() const { return view_->rect(); }

QRect TForm1::visibleArea() const
{
    const QPoint scrolled(scrollBox_->horizontalScrollBar()->value(), scrollBox_->verticalScrollBar()->value());
    return QRect(scrolled, scrollBox_->viewport()->size());
}

void TForm1::showStatus(const QString& text) { ui_.statusPanel1->setText(text); }

void TForm1::invalidate(const QRegion& area) { view_->update(area); }

void TForm1::repaintNow() { view_->repaint(); }

void TForm1::toolFinished()
{
    if (mode_ == EditMode::Information) {
        resetSelection();
        duplicateKey_ = false;
    } else if (isPicking(mode_)) {
        endPickMode();
    }
}

} // namespace molvane
