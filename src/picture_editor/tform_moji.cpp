#include "picture_editor/tform_moji.h"

#include "dialogs/dialog_buttons.h"

#include <QVBoxLayout>

namespace molvane {

TFormMoji::TFormMoji(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormMoji"));
    setWindowTitle(QStringLiteral("文字入力"));
    resize(480, 320);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    addOkCancelButtons(this, layout);
}

} // namespace molvane
