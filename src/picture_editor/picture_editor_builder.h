#pragma once
// Makes the picture editor's controls, their captions, hints and places: the menu bar, the tool row,
// the palette row, the zoom and size row, the canvas in its scroll box and the status bar.

#include "picture_editor/picture_editor_controls.h"

#include <QDialog>

namespace molvane {

PictureEditorControls buildPictureEditor(QDialog& window);

} // namespace molvane
