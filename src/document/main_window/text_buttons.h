#pragma once
// The text tool's sources: the 72 character buttons (a left click draws with the button's content, a
// right click edits it) and the short text box with its "編集" dialog. Choosing either makes the text
// tool the current one.

#include <QString>
#include <QStringList>

class QAbstractButton;
class QMouseEvent;

namespace molvane {

class TForm1;
class TFormMoji;

class TextButtons {
public:
    explicit TextButtons(TForm1& window) : w_(window) {}

    // A press on character button index; true when it was taken (a right press edits the content).
    bool charButtonMouse(int index, QMouseEvent* e);
    void charButtonClick(int index);
    void sbStrClick();
    // "編集": the text-input dialog for the short text.
    void sbEditStrClick();
    void setTextDialog(TFormMoji* dialog) { textDialog_ = dialog; }

    // The contents of the 72 character buttons as their hints hold them.
    QStringList characterButtonHints() const;
    void applyButtonContent(int index, const QString& content);

    // The text a new character figure gets: the chosen button's content or the short text.
    QString textOfNewFigure() const;
    QString buttonText() const { return buttonText_; }
    // 1: a character button, 2: the short text.
    int textSource() const { return textSource_; }

private:
    void chooseTextTool(QAbstractButton* source, int textSource);
    void editCharButton(int index);

    TForm1& w_;
    int textSource_ = 1;
    QString buttonText_ = QStringLiteral("C");
    TFormMoji* textDialog_ = nullptr;
};

} // namespace molvane
