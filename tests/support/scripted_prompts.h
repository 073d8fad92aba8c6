#pragma once
// Prompts for tests: each expected prompt is scripted with its exact text and the answer to give.
// A prompt that was not expected (or comes out of order, or differs in text, type or buttons) fails
// the running test; expectations left over fail it when the object is destroyed.

#include "platform/prompts.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace molvane::test {

class ScriptedPrompts : public Prompts {
public:
    ScriptedPrompts() = default;
    ~ScriptedPrompts() override;

    ScriptedPrompts& expectMessage(const QString& text, MessageType type, MessageButtons buttons, Answer answer);
    // For messages that end with the system's own reason: the text must start with prefix.
    ScriptedPrompts& expectMessageStartingWith(const QString& prefix, MessageType type, MessageButtons buttons,
                                               Answer answer);
    ScriptedPrompts& expectBeep(BeepKind kind);
    ScriptedPrompts& expectInput(const QString& prompt, std::optional<QString> answer);
    ScriptedPrompts& expectFileDialog(const QString& title, FileDialogResult answer);
    ScriptedPrompts& expectColor(std::optional<TColor> answer);
    ScriptedPrompts& expectFont(std::optional<FontChoice> answer);
    ScriptedPrompts& expectFolder(std::optional<QString> answer);
    // Beeps come with most messages; a test about something else may let them pass unscripted.
    void setIgnoreBeeps(bool ignore) { ignoreBeeps_ = ignore; }

    // Every prompt seen, one line each ("message warning Yes/No: text"), in order.
    const QStringList& log() const { return log_; }
    const FileDialogRequest& lastFileRequest() const { return lastFileRequest_; }
    int pendingCount() const { return int(script_.size()); }

    Answer message(const QString& text, MessageType type, MessageButtons buttons,
                   const QString& caption = {}) override;
    void beep(BeepKind kind) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override;
    FileDialogResult fileDialog(const FileDialogRequest& request) override;
    std::optional<TColor> chooseColor(TColor initial, const QString& title = {}) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    std::optional<QString> browseFolder(const QString& caption, const QString& start) override;

private:
    enum class Kind { Message, Beep, Input, File, Color, Font, Folder };
    struct Step {
        Kind kind = Kind::Message;
        QString text; // message text, input prompt or dialog title
        bool prefixOnly = false;
        MessageType type = MessageType::Information;
        MessageButtons buttons = MessageButtons::Ok;
        BeepKind beep = BeepKind::Default;
        Answer answer = Answer::Ok;
        std::optional<QString> textAnswer;
        FileDialogResult fileAnswer;
        std::optional<TColor> colorAnswer;
        std::optional<FontChoice> fontAnswer;
    };
    static Step makeStep(Kind kind, const QString& text);
    // The next step if it is of this kind and describes the same prompt; fails the test otherwise.
    std::optional<Step> next(Kind kind, const QString& seen, const std::function<bool(const Step&)>& same);

    std::deque<Step> script_;
    QStringList log_;
    FileDialogRequest lastFileRequest_;
    bool ignoreBeeps_ = false;
};

} // namespace molvane::test
