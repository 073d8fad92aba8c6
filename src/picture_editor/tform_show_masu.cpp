#include "picture_editor/tform_show_masu.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/up_down.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace molvane {

namespace {

TUpDown* spacingBox(QFormLayout* form, QWidget* parent, const char* label, const char* editName,
                    const char* upDownName)
{
    auto* row = new QHBoxLayout;
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(editName));
    edit->setFixedWidth(48);
    auto* upDown = new TUpDown(parent);
    upDown->setObjectName(QString::fromLatin1(upDownName));
    upDown->setRange(0, 100);
    upDown->associate(edit);
    upDown->setValue(50);
    row->addWidget(edit);
    row->addWidget(upDown);
    row->addStretch();
    form->addRow(QString::fromUtf8(label), row);
    return upDown;
}

} // namespace

TFormShowMasu::TFormShowMasu(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts)
{
    setObjectName(QStringLiteral("FormShowMasu"));
    setWindowTitle(QStringLiteral("罫線の表示"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    widthUpDown_ = spacingBox(form, this, "横幅", "Edit1", "UpDown1");
    heightUpDown_ = spacingBox(form, this, "縦幅", "Edit2", "UpDown2");
    auto* colourRow = new QHBoxLayout;
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnLineColor"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* pv = new QVBoxLayout(panel);
    pv->setContentsMargins(1, 1, 1, 1);
    sample_ = new QLabel(panel);
    sample_->setObjectName(QStringLiteral("imLineColor"));
    sample_->setFixedSize(46, 24);
    pv->addWidget(sample_);
    auto* choose = new QToolButton(this);
    choose->setObjectName(QStringLiteral("sbLineColor"));
    choose->setText(QStringLiteral("…"));
    connect(choose, &QToolButton::clicked, this, [this] { sbLineColorClick(); });
    colourRow->addWidget(panel);
    colourRow->addWidget(choose);
    colourRow->addStretch();
    form->addRow(QStringLiteral("線色"), colourRow);
    layout->addLayout(form);
    addOkCancelButtons(this, layout);
    drawSample();
}

void TFormShowMasu::load(int width, int height, TColor colour)
{
    widthUpDown_->setValue(width);
    heightUpDown_->setValue(height);
    colour_ = colour;
    drawSample();
}

int TFormShowMasu::gridWidth() const
{
    return widthUpDown_->value();
}
int TFormShowMasu::gridHeight() const
{
    return heightUpDown_->value();
}

void TFormShowMasu::sbLineColorClick()
{
    if (const std::optional<TColor> chosen = prompts_.chooseColor(colour_)) {
        colour_ = *chosen;
        drawSample();
    }
}

void TFormShowMasu::drawSample()
{
    QPixmap picture(sample_->size());
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setPen(QPen(QColor::fromRgb(toQRgb(colour_)), 2));
    p.drawLine(3, 12, 42, 12);
    p.end();
    sample_->setPixmap(picture);
}

} // namespace molvane
