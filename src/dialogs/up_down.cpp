#include "dialogs/up_down.h"

#include <QVBoxLayout>
#include <algorithm>

namespace molvane {

TUpDown::TUpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setArrowType(b == up_ ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(true); });
    connect(down_, &QToolButton::clicked, this, [this] { step(false); });
    setFixedSize(16, 22);
}

void TUpDown::setRange(int minimum, int maximum)
{
    min_ = minimum;
    max_ = std::max(minimum, maximum);
    setValue(value_);
}

void TUpDown::setValue(int value)
{
    const int clamped = std::clamp(value, min_, max_);
    const bool changed = clamped != value_;
    value_ = clamped;
    showValue();
    if (changed)
        emit valueChanged(value_);
}

void TUpDown::associate(QLineEdit* edit)
{
    edit_ = edit;
    showValue();
}

void TUpDown::step(bool up)
{
    setValue(rule_ ? rule_(value_, up) : value_ + (up ? increment_ : -increment_));
    emit clicked(up);
}

bool TUpDown::takeTyped()
{
    bool ok = false;
    const int typed = edit_ ? edit_->text().trimmed().toInt(&ok) : 0;
    if (!ok || typed < min_ || typed > max_)
        return false;
    if (typed != value_) {
        value_ = typed;
        emit valueChanged(value_);
    }
    return true;
}

void TUpDown::settleTyped()
{
    bool ok = false;
    const int typed = edit_ ? edit_->text().trimmed().toInt(&ok) : 0;
    setValue(ok ? typed : value_);
    showValue();
}

void TUpDown::showValue()
{
    if (edit_ && edit_->text() != QString::number(value_))
        edit_->setText(QString::number(value_));
}

} // namespace molvane
