#include "picture_editor/tform_show_masu.h"

#include "dialogs/dialog_buttons.h"

#include <QVBoxLayout>

namespace molvane {

TFormShowMasu::TFormShowMasu(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormShowMasu"));
    setWindowTitle(QStringLiteral("罫線の表示"));
    resize(320, 200);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    addOkCancelButtons(this, layout);
}

} // namespace molvane
