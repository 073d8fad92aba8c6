#include "picture_editor/tform_moji.h"

#include "dialogs/dialog_buttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace molvane {

namespace {

constexpr int kSpacingWhenNotANumber = 4;

// Blanks and control characters (line breaks, tabs) do not make a text.
bool isBlankText(const QString& text)
{
    for (QChar c : text)
        if (c > QLatin1Char(' ') && !c.isSpace())
            return false;
    return true;
}

} // namespace

TFormMoji::TFormMoji(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormMoji"));
    setWindowTitle(QStringLiteral("文字入力"));
    resize(480, 320);
    auto* layout = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(Memo1, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("行間"), this));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(44);
    UpDown1 = new TUpDown(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(0, 100);
    UpDown1->associate(Edit1);
    row->addWidget(Edit1);
    row->addWidget(UpDown1);
    row->addStretch(1);
    btFont = new QToolButton(this);
    btFont->setObjectName(QStringLiteral("btFont"));
    btFont->setText(QStringLiteral("ﾌｫﾝﾄ"));
    connect(btFont, &QToolButton::clicked, this, [this] { btFontClick(); });
    row->addWidget(btFont);
    layout->addLayout(row);

    // OK decides itself whether the dialog ends as accepted.
    const OkCancelButtons buttons = addOkCancelButtons(this, layout, false);
    connect(buttons.ok, &QPushButton::clicked, this, [this] { btOKClick(); });
}

void TFormMoji::setFontButtonEnabled(bool enabled) { btFont->setEnabled(enabled); }

void TFormMoji::setText(const QString& text) { Memo1->setPlainText(text); }

QString TFormMoji::text() const { return Memo1->toPlainText(); }

void TFormMoji::showEvent(QShowEvent* e)
{
    dialogFont_ = font_;
    UpDown1->setValue(lineSpacing_);
    Memo1->setFocus();
    QDialog::showEvent(e);
}

void TFormMoji::btFontClick()
{
    if (!prompts_)
        return;
    dialogFont_ = font_;
    if (const std::optional<FontChoice> chosen = prompts_->chooseFont(dialogFont_)) {
        dialogFont_ = *chosen;
        font_ = *chosen;
    }
}

void TFormMoji::btOKClick()
{
    bool ok = false;
    const int spacing = Edit1->text().trimmed().toInt(&ok);
    lineSpacing_ = ok ? spacing : kSpacingWhenNotANumber;
    font_ = dialogFont_;
    done(isBlankText(Memo1->toPlainText()) ? QDialog::Rejected : QDialog::Accepted);
}

} // namespace molvane
