#include "dialogs/file_dialogs.h"

#include <QFileInfo>

namespace molvane {

FileDialogRequest TFileDialogComponent::request() const
{
    FileDialogRequest r;
    r.mode = mode_;
    r.title = Title;
    r.folder = InitialDir;
    r.fileName = FileName;
    r.filter = Filter;
    r.filterIndex = FilterIndex;
    r.defaultExt = DefaultExt;
    r.mustExist = mode_ == FileDialogRequest::Mode::Open;
    r.picturePreview = pictures_;
    r.filterRenames = pictures_ && mode_ == FileDialogRequest::Mode::Save;
    return r;
}

FileDialogResult TFileDialogComponent::run(Prompts& prompts)
{
    closedByDoubleClick_ = false;
    const FileDialogResult result = prompts.fileDialog(request());
    closedByDoubleClick_ = result.accepted && result.closedByDoubleClick;
    if (result.accepted) {
        FileName = result.path;
        FilterIndex = result.filterIndex;
    }
    return result;
}

bool TFileDialogComponent::Execute(Prompts& prompts) { return run(prompts).accepted; }

bool TFileDialogComponent::executeSave(Prompts& prompts)
{
    for (;;) {
        if (!run(prompts).accepted)
            return false;
        // A name typed without its extension is saved with it.
        if (QFileInfo(FileName).suffix().isEmpty() && !DefaultExt.isEmpty())
            FileName += QLatin1Char('.') + DefaultExt;
        if (confirmOverwrite(FileName, prompts, NameBeforeOverwriteQuestion))
            return true;
    }
}

bool confirmOverwrite(const QString& path, Prompts& prompts, bool nameFirst)
{
    if (!QFileInfo::exists(path))
        return true;
    prompts.beep(BeepKind::Exclamation);
    const QString asked = QStringLiteral("ファイルはすでに存在します。上書き保存しますか。");
    const QString name = QFileInfo(path).fileName();
    const QString question =
        nameFirst ? name + QStringLiteral("\r\n") + asked : asked + QStringLiteral("\r\n") + name;
    return prompts.message(question, MessageType::Confirmation, MessageButtons::YesNo) == Answer::Yes;
}

std::optional<QString> nameForPictureFilter(const QString& shownName, int filterIndex)
{
    const char* extension = filterIndex == 1 ? ".bmp" : filterIndex == 2 ? ".jpg" : nullptr;
    const QString name = QFileInfo(shownName).fileName();
    if (!extension || name.isEmpty())
        return std::nullopt;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? name : name.left(dot)) + QLatin1String(extension);
}

} // namespace molvane
