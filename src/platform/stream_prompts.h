#pragma once
// Prompts for running without a window (the command line): every message is written as a line to a
// stream (stderr) and nothing ever waits for an answer. A question gets its cautious answer (No, or
// Cancel, or OK where that is all there is) and every dialog is cancelled; beeps are silent.

#include "platform/prompts.h"

#include <cstdio>

namespace molvane {

class StreamPrompts : public Prompts {
public:
    explicit StreamPrompts(std::FILE* out) : out_(out) {}

    Answer message(const QString& text, MessageType type, MessageButtons buttons,
                   const QString& caption = {}) override;
    void beep(BeepKind) override {}
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override { return std::nullopt; }
    FileDialogResult fileDialog(const FileDialogRequest&) override { return {}; }
    std::optional<TColor> chooseColor(TColor, const QString& = {}) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    std::optional<QString> browseFolder(const QString&, const QString&) override { return std::nullopt; }

    int messageCount() const { return messages_; }

private:
    std::FILE* out_;
    int messages_ = 0;
};

} // namespace molvane
