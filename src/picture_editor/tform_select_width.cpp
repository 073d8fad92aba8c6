#include "picture_editor/tform_select_width.h"

#include "dialogs/dialog_buttons.h"

#include <QVBoxLayout>

namespace molvane {

TFormSelectWidth::TFormSelectWidth(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSelectWidth"));
    setWindowTitle(QStringLiteral("線の幅"));
    resize(280, 200);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    addOkCancelButtons(this, layout);
}

} // namespace molvane
