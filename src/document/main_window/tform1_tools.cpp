// The tool buttons, the character buttons and the short text.

#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/character_buttons.h"
#include "picture_editor/tform_moji.h"

#include <QMouseEvent>

namespace molvane {

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

} // namespace

bool TForm1::toolButtonMouse(QToolButton* button, QMouseEvent* e)
{
    if (e->type() != QEvent::MouseButtonPress)
        return false;
    const int tag = ui_.toolButtons.key(button, -1);
    if (tag < 0 || !button->isEnabled())
        return false;
    if (e->button() == Qt::RightButton) {
        // A right press chooses the tool with its right-click line style (a selection button: keeps
        // the selection mode going).
        const bool selection = tag == kRectRangeTag || tag == kFreeRangeTag || tag == kIndividualTag;
        style_.rightStyleFlag = !selection;
        continueSelect_ = selection ? (tag == kIndividualTag ? 1 : tag == kRectRangeTag ? 2 : 3) : 0;
        button->setChecked(true);
        toolButtonClicked(tag);
        return true;
    }
    style_.rightStyleFlag = false;
    continueSelect_ = 0;
    return false;
}

bool TForm1::charButtonMouse(int index, QMouseEvent* e)
{
    if (e->type() != QEvent::MouseButtonPress)
        return false;
    if (e->button() == Qt::RightButton) {
        editCharButton(index);
        return true;
    }
    // With the left or middle button, the buttons that are down come up: at most this one stays.
    for (QToolButton* b : ui_.charButtons)
        if (b != ui_.charButtons[std::size_t(index)])
            b->setChecked(false);
    ui_.sbStr->setChecked(false);
    return false;
}

void TForm1::charButtonClick(int index)
{
    QToolButton* b = ui_.charButtons[std::size_t(index)];
    b->setChecked(true);
    buttonText_ = contentFromHint(b->toolTip());
    chooseTextTool(b, 1);
    updateStatusPosition(pointer_);
}

void TForm1::chooseTextTool(QAbstractButton* source, int textSource)
{
    settleReform(true);
    drawing_.clearSelection();
    textSource_ = textSource;
    returnMode_ = EditMode::Text;
    if (mode_ != EditMode::Text)
        setLastReformPanel(true, false);
    mode_ = EditMode::Text;
    ui_.toolButtons[fkMoji]->setChecked(true);
    selectToolSettings(EditMode::Text);
    style_.currentLineStyle = style_.leftStyle;
    lastToolButton_ = source;
    updateCanvasHintForTool();
    view_->update();
}

void TForm1::editCharButton(int index)
{
    QToolButton* b = ui_.charButtons[std::size_t(index)];
    const QString current = contentFromHint(b->toolTip());
    const std::optional<QString> typed = prompts_.inputBox(u("ボタン文字の設定"), u("文字または短文を入力して下さい。"), current);
    if (typed && !typed->isEmpty()) {
        applyButtonContent(index, *typed);
        if (b->isChecked())
            buttonText_ = *typed; // the next character drawn uses it at once
    }
    view_->update();
}

void TForm1::sbStrClick()
{
    for (QToolButton* b : ui_.charButtons)
        b->setChecked(false);
    ui_.sbStr->setChecked(true);
    chooseTextTool(ui_.sbStr, 2);
    ui_.edStr->setFocus();
}

void TForm1::sbEditStrClick()
{
    if (!textDialog_)
        return;
    textDialog_->setFontButtonEnabled(false);
    textDialog_->setText(ui_.edStr->toPlainText());
    if (textDialog_->exec() == QDialog::Accepted)
        ui_.edStr->setPlainText(textDialog_->text());
}

void TForm1::storeToolValue()
{
    if (!(hasOwnConditions(mode_) || mode_ == EditMode::PicturePlacing))
        return;
    ToolSettings t = toolSettings_.at(int(mode_));
    t.width = ui_.widthUpDown->value();
    t.shape = ui_.shapeUpDown->value();
    toolSettings_.store(int(mode_), t);
}

} // namespace molvane
