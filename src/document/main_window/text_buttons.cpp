#include "document/main_window/text_buttons.h"

#include "document/main_window/layout_metrics.h"
#include "document/main_window/tform1.h"
#include "editing/character_buttons.h"
#include "picture_editor/tform_moji.h"

#include <QApplication>
#include <QMouseEvent>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

bool TextButtons::charButtonMouse(int index, QMouseEvent* e)
{
    if (e->type() != QEvent::MouseButtonPress)
        return false;
    if (e->button() == Qt::RightButton) {
        editCharButton(index);
        return true;
    }
    // With the left or middle button, the buttons that are down come up: at most this one stays.
    for (QToolButton* b : w_.ui_.charButtons)
        if (b != w_.ui_.charButtons[std::size_t(index)])
            b->setChecked(false);
    w_.ui_.sbStr->setChecked(false);
    return false;
}

void TextButtons::charButtonClick(int index)
{
    QToolButton* b = w_.ui_.charButtons[std::size_t(index)];
    b->setChecked(true);
    buttonText_ = contentFromHint(b->toolTip());
    chooseTextTool(b, 1);
    w_.updateStatusPosition(w_.tools_.pointer());
}

void TextButtons::chooseTextTool(QAbstractButton* source, int textSource)
{
    w_.settleReform(true);
    w_.drawing_.clearSelection();
    textSource_ = textSource;
    w_.returnMode_ = EditMode::Text;
    if (w_.mode_ != EditMode::Text)
        w_.setLastReformPanel(true, false);
    w_.mode_ = EditMode::Text;
    w_.ui_.toolButtons[fkMoji]->setChecked(true);
    w_.selectToolSettings(EditMode::Text);
    w_.style_.currentLineStyle = w_.style_.leftStyle;
    w_.lastToolButton_ = source;
    w_.updateCanvasHintForTool();
    w_.view_->update();
}

void TextButtons::editCharButton(int index)
{
    QToolButton* b = w_.ui_.charButtons[std::size_t(index)];
    const QString current = contentFromHint(b->toolTip());
    const std::optional<QString> typed =
        w_.prompts_.inputBox(u("ボタン文字の設定"), u("文字または短文を入力して下さい。"), current);
    if (typed && !typed->isEmpty()) {
        applyButtonContent(index, *typed);
        if (b->isChecked())
            buttonText_ = *typed; // the next character drawn uses it at once
    }
    w_.view_->update();
}

void TextButtons::sbStrClick()
{
    for (QToolButton* b : w_.ui_.charButtons)
        b->setChecked(false);
    w_.ui_.sbStr->setChecked(true);
    chooseTextTool(w_.ui_.sbStr, 2);
    w_.ui_.edStr->setFocus();
}

void TextButtons::sbEditStrClick()
{
    if (!textDialog_)
        return;
    textDialog_->setFontButtonEnabled(false);
    textDialog_->setText(w_.ui_.edStr->toPlainText());
    if (textDialog_->exec() == QDialog::Accepted)
        w_.ui_.edStr->setPlainText(textDialog_->text());
}

QStringList TextButtons::characterButtonHints() const
{
    QStringList hints;
    for (const QToolButton* b : w_.ui_.charButtons)
        hints.append(b->toolTip());
    return hints;
}

void TextButtons::applyButtonContent(int index, const QString& content)
{
    QToolButton* b = w_.ui_.charButtons.at(std::size_t(index));
    setHint(b, characterButtonHint(content));
    b->setText(characterButtonCaption(content));
    const bool red = w_.drawing_.settings.mojiBtnColor && isChangedContent(index + 1, content);
    QPalette palette = b->palette();
    palette.setColor(QPalette::ButtonText,
                     red ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::ButtonText));
    b->setPalette(palette);
}

QString TextButtons::textOfNewFigure() const
{
    return textSource_ == 1 ? buttonText_
                            : w_.ui_.edStr->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

} // namespace molvane
