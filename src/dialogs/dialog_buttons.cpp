#include "dialogs/dialog_buttons.h"

#include <QHBoxLayout>

namespace molvane {

OkCancelButtons addOkCancelButtons(QDialog* dialog, QBoxLayout* layout, bool acceptsItself)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    OkCancelButtons buttons{new QPushButton(QStringLiteral("OK"), dialog),
                            new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), dialog)};
    buttons.ok->setObjectName(QStringLiteral("btOK"));
    buttons.ok->setDefault(true);
    buttons.cancel->setObjectName(QStringLiteral("btCancel"));
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    if (acceptsItself)
        QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    layout->addLayout(row);
    return buttons;
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
