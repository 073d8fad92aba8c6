// The tool buttons and the stored width and shape of each tool.

#include "document/main_window/layout_metrics.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/character_buttons.h"
#include "picture_editor/tform_moji.h"

#include <QApplication>
#include <QMouseEvent>

namespace molvane {

bool TForm1::toolButtonMouse(QToolButton* button, QMouseEvent* e)
{
    if (e->type() != QEvent::MouseButtonPress)
        return false;
    const int tag = ui_.toolButtons.key(button, -1);
    if (tag < 0 || !button->isEnabled())
        return false;
    if (e->button() == Qt::RightButton) {
        // A right press chooses the tool with its right-click line style (a selection button: keeps
        // the selection mode going).
        const bool selection = tag == kRectRangeTag || tag == kFreeRangeTag || tag == kIndividualTag;
        style_.rightStyleFlag = !selection;
        continueSelect_ = selection ? (tag == kIndividualTag ? 1 : tag == kRectRangeTag ? 2 : 3) : 0;
        button->setChecked(true);
        toolButtonClicked(tag);
        return true;
    }
    style_.rightStyleFlag = false;
    continueSelect_ = 0;
    return false;
}

void TForm1::storeToolValue()
{
    if (!(hasOwnConditions(mode_) || mode_ == EditMode::PicturePlacing))
        return;
    ToolSettings t = toolSettings_.at(int(mode_));
    t.width = ui_.widthUpDown->value();
    t.shape = ui_.shapeUpDown->value();
    toolSettings_.store(int(mode_), t);
}

} // namespace molvane
