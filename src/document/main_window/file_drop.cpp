#include "document/main_window/file_drop.h"

#include "document/main_window/file_commands.h"
#include "platform/prompts.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

namespace molvane {

DroppedFileKind droppedFileKind(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("fga"))
        return DroppedFileKind::Drawing;
    if (ext == QLatin1String("fgb"))
        return DroppedFileKind::Partial;
    if (ext == QLatin1String("bmp") || ext == QLatin1String("jpg"))
        return DroppedFileKind::Picture;
    return DroppedFileKind::Other;
}

QStringList droppedFiles(const QMimeData* data)
{
    QStringList files;
    if (data == nullptr)
        return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    return files;
}

QString refusedDropMessage(const QStringList& files)
{
    const QString name = files.isEmpty() ? QString() : QFileInfo(files.first()).fileName();
    return QStringLiteral("%1 は開けません。\n図形ファイル（*.fga），部分図形ファイル（*.fgb），"
                          "画像ファイル（*.bmp，*.jpg）をドロップして下さい。")
        .arg(name);
}

void FileDrop::dragEnter(QDragEnterEvent* e)
{
    if (!droppedFiles(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void FileDrop::drop(QDropEvent* e)
{
    const QStringList files = droppedFiles(e->mimeData());
    if (files.isEmpty())
        return;
    e->acceptProposedAction();
    take(files);
}

void FileDrop::take(const QStringList& files)
{
    const auto first = std::find_if(files.begin(), files.end(), [](const QString& path) {
        return droppedFileKind(path) != DroppedFileKind::Other;
    });
    if (first == files.end()) {
        prompts_.beep(BeepKind::Warning);
        prompts_.message(refusedDropMessage(files), MessageType::Warning, MessageButtons::Ok);
        return;
    }
    switch (droppedFileKind(*first)) {
    case DroppedFileKind::Drawing: files_.openDrawing(*first, true); break;
    case DroppedFileKind::Partial: files_.openPartialFile(*first); break;
    case DroppedFileKind::Picture: files_.openPictureFile(*first); break;
    case DroppedFileKind::Other: break;
    }
}

} // namespace molvane
