#pragma once
// The picture editor's right-button menu (PopupMenu1): its items in their order with their keys and
// separators. The keys of items that come and go with the range or the shown pictures are handled by
// the window and only shown beside the captions.

#include "picture_editor/picture_editor_controls.h"

#include <QDialog>

namespace molvane {

void buildPopupMenu(QDialog& window, PictureEditorControls& c);

} // namespace molvane
