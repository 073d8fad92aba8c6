#pragma once
// The file dialog components: every file the editor opens or saves is chosen through one of them. A
// component carries what the dialog shows (title, starting folder, filter, default extension, name)
// and remembers whether the user closed it by double-clicking in the file list, so the main window can
// keep the release of that double-click away from the canvas. Save components ask before replacing a
// file. The dialogs themselves are shown through the prompts.

#include "platform/prompts.h"

#include <QString>
#include <optional>

namespace molvane {

inline constexpr const char* kPartialFigureFilter = "部分ファイル (*.fgb)|*.fgb";
inline constexpr const char* kFigureFilter = "ファイル (*.fga)|*.fga";
inline constexpr const char* kPictureFilter =
    "BMP ﾌｧｲﾙ (*.bmp)|*.bmp|JPEG ﾌｧｲﾙ (*.jpg)|*.jpg|全種類 (*.bmp, *.jpg)|*.bmp;*.jpg";

class TFileDialogComponent {
public:
    virtual ~TFileDialogComponent() = default;

    QString Title;
    QString InitialDir;
    QString Filter;
    int FilterIndex = 1;
    QString DefaultExt;
    QString FileName;
    // Every switch of the dialogs is on in this program: folder box, new-folder, up and back buttons,
    // name box, typing paths, the list's menu, renaming in the list, and the kept first size.
    // The overwrite question names the file before asking (the picture editor's dialog) or after.
    bool NameBeforeOverwriteQuestion = false;
    bool DirChangeBox = true, DirCreateBtn = true, DirUpBtn = true, DirPrevBtn = true, DirEditBox = true,
         DirEditPath = true, ListMenu = true, ListChangeFN = true, KeepSize = true;

    // Shows the dialog; true when the user confirmed a file (then in FileName).
    virtual bool Execute(Prompts& prompts);
    bool closedByDoubleClick() const { return closedByDoubleClick_; }

protected:
    TFileDialogComponent(FileDialogRequest::Mode mode, bool pictures) : mode_(mode), pictures_(pictures) {}
    FileDialogRequest request() const;
    FileDialogResult run(Prompts& prompts);
    // A save dialog stays open until the user confirms a name that is free or may be replaced.
    bool executeSave(Prompts& prompts);

private:
    FileDialogRequest::Mode mode_;
    bool pictures_;
    bool closedByDoubleClick_ = false;
};

class TMyOpenDialog : public TFileDialogComponent {
public:
    TMyOpenDialog() : TFileDialogComponent(FileDialogRequest::Mode::Open, false) {}
};

class TMySaveDialog : public TFileDialogComponent {
public:
    TMySaveDialog() : TFileDialogComponent(FileDialogRequest::Mode::Save, false) {}
    bool Execute(Prompts& prompts) override { return executeSave(prompts); }
};

class TMyOpenPictureDialog : public TFileDialogComponent {
public:
    TMyOpenPictureDialog() : TFileDialogComponent(FileDialogRequest::Mode::Open, true) {}
};

class TMySavePictureDialog : public TFileDialogComponent {
public:
    TMySavePictureDialog() : TFileDialogComponent(FileDialogRequest::Mode::Save, true) {}
    bool Execute(Prompts& prompts) override { return executeSave(prompts); }
};

// Asks before an existing file is replaced: the exclamation beep, then "ファイルはすでに存在します。
// 上書き保存しますか。" and the file's name on the next line (or the name first, when nameFirst). True when
// the user answers Yes (or the file does not exist).
bool confirmOverwrite(const QString& path, Prompts& prompts, bool nameFirst = false);

// The name box's text after the user picks a filter of kPictureFilter in a picture save dialog: the
// shown name without its folder, its extension (from the last dot on) replaced by the filter's, 1 ".bmp"
// or 2 ".jpg", or the extension appended to a name without one ("b" gives "b.jpg"). Nothing, so the box
// stays as it is, for the filter of both kinds (3), any other index, or an empty name.
std::optional<QString> nameForPictureFilter(const QString& shownName, int filterIndex);

} // namespace molvane
