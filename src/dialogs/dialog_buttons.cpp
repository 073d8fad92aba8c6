#include "dialogs/dialog_buttons.h"

#include <QEvent>
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

namespace {

class FixSizeOnShow : public QObject {
public:
    explicit FixSizeOnShow(QDialog* dialog) : QObject(dialog), dialog_(dialog) { dialog->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == dialog_ && e->type() == QEvent::Show) {
            dialog_->setFixedSize(dialog_->sizeHint());
            dialog_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QDialog* dialog_;
};

} // namespace

void fixSizeOnFirstShow(QDialog* dialog) { new FixSizeOnShow(dialog); }

QLabel* sectionHeading(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace molvane
