#include "dialogs/dialog_buttons.h"

#include <QPushButton>

namespace molvane {

QDialogButtonBox* addOkCancelButtons(QDialog* dialog, QBoxLayout* layout)
{
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QPushButton* ok = box->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("btOK"));
    QPushButton* cancel = box->button(QDialogButtonBox::Cancel);
    cancel->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    cancel->setObjectName(QStringLiteral("btCancel"));
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(box);
    return box;
}

QLabel* sectionHeading(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace molvane
