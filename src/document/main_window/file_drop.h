#pragma once
// Files dropped on the main window from a file manager. Of several files the first one the window can
// take is taken: a figure file (.fga) opens as 開く would open it, a partial figure file (.fgb) waits in
// the paste frame, a .bmp or .jpg picture waits to be placed. When none of them can be taken the user
// is told so.

#include <QString>
#include <QStringList>

class QDragEnterEvent;
class QDropEvent;
class QMimeData;

namespace molvane {

class FileCommands;
class Prompts;

enum class DroppedFileKind { Drawing, Partial, Picture, Other };

DroppedFileKind droppedFileKind(const QString& path);

// The local files of a drag's data, in their order.
QStringList droppedFiles(const QMimeData* data);

// The message for files none of which can be taken.
QString refusedDropMessage(const QStringList& files);

class FileDrop {
public:
    FileDrop(FileCommands& files, Prompts& prompts) : files_(files), prompts_(prompts) {}

    // A drag that carries local files is welcome (a file that cannot be taken is told about on the drop).
    void dragEnter(QDragEnterEvent* e);
    void drop(QDropEvent* e);
    // The files as a drop hands them over.
    void take(const QStringList& files);

private:
    FileCommands& files_;
    Prompts& prompts_;
};

} // namespace molvane
