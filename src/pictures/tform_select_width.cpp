#include "pictures/tform_select_width.h"

#include "dialogs/dialog_buttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace molvane {

TFormSelectWidth::TFormSelectWidth(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSelectWidth"));
    setWindowTitle(QStringLiteral("線の幅"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Edit1"));
    edit->setFixedWidth(48);
    edit->setAlignment(Qt::AlignRight);
    widthUpDown_ = new TUpDown(this);
    widthUpDown_->setObjectName(QStringLiteral("UpDown1"));
    widthUpDown_->setRange(1, 100);
    widthUpDown_->associate(edit);
    widthUpDown_->setValue(1);
    row->addWidget(new QLabel(QStringLiteral("幅"), this));
    row->addWidget(edit);
    row->addWidget(widthUpDown_);
    row->addStretch();
    layout->addLayout(row);
    addOkCancelButtons(this, layout);
}

} // namespace molvane
