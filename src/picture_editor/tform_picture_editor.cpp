#include "picture_editor/tform_picture_editor.h"

#include "dialogs/dialog_buttons.h"

#include <QVBoxLayout>

namespace molvane {

TFormPictureEditor::TFormPictureEditor(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPictureEditor"));
    setWindowTitle(QStringLiteral("画像エディタ"));
    resize(800, 600);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    addOkCancelButtons(this, layout);
}

} // namespace molvane
