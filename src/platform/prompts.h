#pragma once
// Every modal interaction with the user goes through this interface: message boxes, beeps, the input
// box and the file, colour, font and folder dialogs. The window classes get the widget-based
// implementation (QtPrompts); tests get a scripted one that answers from a script, so the exact texts
// can be asserted and no test ever blocks on a dialog.

#include "platform/tcolor.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace molvane {

enum class MessageType { Warning, Error, Information, Confirmation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesCancel, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
enum class BeepKind { Default, Information, Warning, Asterisk, Exclamation };

struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString title;
    QString folder;     // starting folder
    QString fileName;   // starting file name (with or without folder)
    QString filter;     // "description|pattern[;pattern]|description|pattern..."
    int filterIndex = 1; // 1-based, as in the filter text
    QString defaultExt; // without the dot; appended when the typed name has no extension
    bool mustExist = false;
    bool picturePreview = false;
    // Save dialogs of pictures: picking a filter puts its extension on the name in the name box (see
    // nameForPictureFilter in dialogs/file_dialogs.h).
    bool filterRenames = false;
};

struct FileDialogResult {
    bool accepted = false;
    QString path;
    int filterIndex = 1;
    bool closedByDoubleClick = false;
};

struct FontChoice {
    QString name;
    int pointSize = 12;
    bool bold = false;
    bool italic = false;
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // An empty caption gives the box type's standard caption ("警告", "エラー", "情報", "確認").
    virtual Answer message(const QString& text, MessageType type, MessageButtons buttons,
                           const QString& caption = {}) = 0;
    virtual void beep(BeepKind kind) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& initial) = 0;
    virtual FileDialogResult fileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<TColor> chooseColor(TColor initial, const QString& title = {}) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    virtual std::optional<QString> browseFolder(const QString& caption, const QString& start) = 0;
};

// The answer a box gets when nobody answers it (closed, or no one to ask): No, or Cancel, or OK where
// that is all there is.
Answer cautiousAnswer(MessageButtons buttons);

// The standard caption of a box type.
QString messageCaption(MessageType type);

// Names for logs and test failure messages.
QString describe(MessageType type);
QString describe(MessageButtons buttons);
QString describe(Answer answer);
QString describe(BeepKind kind);

// A filter text "desc|pat;pat|desc|pat" as Qt name filters ("desc (pat pat)").
QStringList qtNameFilters(const QString& filter);

} // namespace molvane
