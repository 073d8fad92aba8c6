#include "platform/qt_prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace molvane {

namespace {

QMessageBox::Icon iconOf(MessageType type)
{
    switch (type) {
    case MessageType::Warning: return QMessageBox::Warning;
    case MessageType::Error: return QMessageBox::Critical;
    case MessageType::Information: return QMessageBox::Information;
    case MessageType::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSpec {
    QMessageBox::StandardButton button;
    const char* caption;
    Answer answer;
};

QList<ButtonSpec> buttonsOf(MessageButtons buttons)
{
    const ButtonSpec ok{QMessageBox::Ok, "OK", Answer::Ok};
    const ButtonSpec yes{QMessageBox::Yes, "はい(&Y)", Answer::Yes};
    const ButtonSpec no{QMessageBox::No, "いいえ(&N)", Answer::No};
    const ButtonSpec cancel{QMessageBox::Cancel, "キャンセル", Answer::Cancel};
    switch (buttons) {
    case MessageButtons::Ok: return {ok};
    case MessageButtons::OkCancel: return {ok, cancel};
    case MessageButtons::YesNo: return {yes, no};
    case MessageButtons::YesCancel: return {yes, cancel};
    case MessageButtons::YesNoCancel: return {yes, no, cancel};
    }
    return {ok};
}

} // namespace

Answer QtPrompts::message(const QString& text, MessageType type, MessageButtons buttons,
                          const QString& caption)
{
    QMessageBox box(iconOf(type), caption.isEmpty() ? messageCaption(type) : caption, text,
                    QMessageBox::NoButton, parent_);
    const QList<ButtonSpec> specs = buttonsOf(buttons);
    for (const ButtonSpec& s : specs)
        box.addButton(s.button)->setText(QString::fromUtf8(s.caption));
    box.setDefaultButton(specs.first().button);
    const auto clicked = QMessageBox::StandardButton(box.exec());
    for (const ButtonSpec& s : specs)
        if (s.button == clicked)
            return s.answer;
    // Closed with Escape or the title bar: the most cautious answer the box offers.
    return cautiousAnswer(buttons);
}

void QtPrompts::beep(BeepKind) { QApplication::beep(); }

std::optional<QString> QtPrompts::inputBox(const QString& caption, const QString& prompt,
                                           const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

FileDialogResult QtPrompts::fileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(parent_, request.title, request.folder);
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The program asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty())
        dialog.selectFile(QFileInfo(request.fileName).fileName());

    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return result;
    result.accepted = true;
    result.path = dialog.selectedFiles().first();
    result.filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return result;
}

std::optional<TColor> QtPrompts::chooseColor(TColor initial, const QString& title)
{
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent_, title);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

std::optional<FontChoice> QtPrompts::chooseFont(const FontChoice& initial)
{
    QFont start(initial.name);
    start.setPointSize(std::max(1, initial.pointSize));
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, start, parent_);
    if (!ok)
        return std::nullopt;
    return FontChoice{font.family(), font.pointSize(), font.bold(), font.italic()};
}

std::optional<QString> QtPrompts::browseFolder(const QString& caption, const QString& start)
{
    const QString folder = QFileDialog::getExistingDirectory(parent_, caption, start);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

} // namespace molvane
