#pragma once
// The prompts shown as real dialogs of the desktop (QMessageBox, QFileDialog, QColorDialog, ...).

#include "platform/prompts.h"

#include <QPointer>
#include <QWidget>

namespace molvane {

class QtPrompts : public Prompts {
public:
    // Dialogs are modal to parent (may be null).
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

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
    QPointer<QWidget> parent_;
};

} // namespace molvane
