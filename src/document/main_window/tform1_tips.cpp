// The pick modes (tip connection and figure information), whose one press on the canvas is their tool's.

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
    tools_.toolForMode(); // its marks show at once
    showAllFrames(drawing_.figures, true);
    popupJustShown_ = false;
    view_->update();
}

void TForm1::endPickMode()
{
    drawing_.pendingChange = false;
    popupJustShown_ = false;
    tools_.selection().clearRange();
    drawing_.clearSelection();
    mode_ = returnMode_;
    keys_.forgetCtrl();
    view_->update();
}

} // namespace molvane
