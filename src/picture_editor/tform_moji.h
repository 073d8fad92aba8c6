#pragma once
// The text input dialog (文字入力): several lines of text, their line spacing and a font. It keeps the
// spacing and the font between showings. OK with nothing but blanks and line breaks counts as cancel.

#include "platform/prompts.h"
#include "dialogs/up_down.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QToolButton>

namespace molvane {

class TFormMoji : public QDialog {
    Q_OBJECT
public:
    explicit TFormMoji(QWidget* parent = nullptr);

    // The font dialog of "ﾌｫﾝﾄ" is shown through these prompts.
    void setPrompts(Prompts* prompts) { prompts_ = prompts; }
    void setFontButtonEnabled(bool enabled);
    void setText(const QString& text);
    QString text() const;
    int lineSpacing() const { return lineSpacing_; }
    const FontChoice& font() const { return font_; }

    // The buttons' work, callable without showing the dialog.
    void btOKClick();
    void btFontClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    Prompts* prompts_ = nullptr;
    QPlainTextEdit* Memo1;
    QLineEdit* Edit1;
    TUpDown* UpDown1;
    QToolButton* btFont;
    int lineSpacing_ = 8;
    FontChoice font_{QStringLiteral("ＭＳ ゴシック"), 12, false, false};
    FontChoice dialogFont_ = font_; // what the font dialog holds
};

} // namespace molvane
