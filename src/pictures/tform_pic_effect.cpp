#include "pictures/tform_pic_effect.h"

#include "dialogs/dialog_buttons.h"

#include <QVBoxLayout>

namespace molvane {

TFormPicEffect::TFormPicEffect(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPicEffect"));
    setWindowTitle(QStringLiteral("画像の調整"));
    resize(400, 300);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    addOkCancelButtons(this, layout);
}

} // namespace molvane
