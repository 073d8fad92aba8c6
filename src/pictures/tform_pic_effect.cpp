#include "pictures/tform_pic_effect.h"

#include "dialogs/dialog_buttons.h"
#include "painting/picture_adjust.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace molvane {

namespace {

constexpr int kCentre = 100;

} // namespace

TFormPicEffect::TFormPicEffect(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPicEffect"));
    setWindowTitle(QStringLiteral("画像の調整"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const char* names[] = {"sbBri", "sbR", "sbG", "sbB"};
    const char* labelNames[] = {"lbBri", "lbR", "lbG", "lbB"};
    const char* captions[] = {"明るさ", "赤", "緑", "青"};
    for (int i = 0; i < 4; ++i) {
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QString::fromLatin1(names[i]));
        bar->setRange(0, 2 * kCentre);
        bar->setSingleStep(1);
        bar->setPageStep(10);
        bar->setMinimumWidth(240);
        auto* label = new QLabel(QStringLiteral("0"), this);
        label->setObjectName(QString::fromLatin1(labelNames[i]));
        label->setMinimumWidth(36);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(new QLabel(QString::fromUtf8(captions[i]), this), i, 0);
        grid->addWidget(bar, i, 1);
        grid->addWidget(label, i, 2);
        bars_[std::size_t(i)] = bar;
        labels_[std::size_t(i)] = label;
        connect(bar, &QScrollBar::valueChanged, this, [this] { recompute(); });
    }
    layout->addLayout(grid);
    auto* init = new QPushButton(QStringLiteral("最初\nから"), this);
    init->setObjectName(QStringLiteral("btInit"));
    connect(init, &QPushButton::clicked, this, [this] { btInitClick(); });
    auto* row = new QHBoxLayout;
    row->addWidget(init);
    row->addStretch();
    layout->addLayout(row);
    addOkCancelButtons(this, layout);
    centreBars();
}

void TFormPicEffect::setPicture(QImage* picture, std::function<void()> changed)
{
    picture_ = picture;
    changed_ = std::move(changed);
}

void TFormPicEffect::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    backup_ = picture_ ? *picture_ : QImage();
    centreBars();
}

void TFormPicEffect::centreBars()
{
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const QSignalBlocker quiet(bars_[i]);
        bars_[i]->setValue(kCentre);
        labels_[i]->setText(QStringLiteral("0"));
    }
}

void TFormPicEffect::setBar(int index, int value)
{
    bars_.at(std::size_t(index))->setValue(value + kCentre);
}

void TFormPicEffect::recompute()
{
    if (!picture_ || backup_.isNull())
        return;
    int v[4];
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        v[i] = bars_[i]->value() - kCentre;
        labels_[i]->setText(QString::number(v[i]));
    }
    *picture_ = adjustPicture(backup_, v[0], v[1], v[2], v[3]);
    if (changed_)
        changed_();
}

void TFormPicEffect::btInitClick()
{
    if (picture_ && !backup_.isNull()) {
        *picture_ = backup_;
        if (changed_)
            changed_();
    }
    centreBars();
}

void TFormPicEffect::done(int result)
{
    // Cancel (or the title bar) gives back the picture the dialog started with.
    if (result != QDialog::Accepted && picture_ && !backup_.isNull()) {
        *picture_ = backup_;
        if (changed_)
            changed_();
    }
    backup_ = QImage();
    QDialog::done(result);
}

} // namespace molvane
