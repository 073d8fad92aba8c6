#include "pictures/tform_picture_select.h"

#include "dialogs/dialog_buttons.h"

#include <QVBoxLayout>

namespace molvane {

TFormPictureSelect::TFormPictureSelect(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPictureSelect"));
    setWindowTitle(QStringLiteral("画像の取り込み"));
    resize(800, 600);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    addOkCancelButtons(this, layout);
}

} // namespace molvane
