#include "settings/tform3.h"

#include "dialogs/dialog_buttons.h"

#include <QVBoxLayout>

namespace molvane {

TForm3::TForm3(Prompts&, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("環境設定"));
    resize(480, 360);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    addOkCancelButtons(this, layout);
}

} // namespace molvane
