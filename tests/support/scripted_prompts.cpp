#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace molvane::test {

namespace {

const char* kindName(int kind)
{
    static const char* const names[] = {"message", "beep", "input box", "file dialog", "colour dialog",
                                        "font dialog", "folder dialog"};
    return names[kind];
}

} // namespace

ScriptedPrompts::Step ScriptedPrompts::makeStep(Kind kind, const QString& text)
{
    Step s;
    s.kind = kind;
    s.text = text;
    return s;
}

ScriptedPrompts::~ScriptedPrompts()
{
    for (const Step& s : script_)
        ADD_FAILURE() << "expected " << kindName(int(s.kind)) << " never came: " << s.text.toStdString();
}

ScriptedPrompts& ScriptedPrompts::expectMessage(const QString& text, MessageType type, MessageButtons buttons,
                                                Answer answer)
{
    Step s = makeStep(Kind::Message, text);
    s.type = type;
    s.buttons = buttons;
    s.answer = answer;
    script_.push_back(s);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectMessageStartingWith(const QString& prefix, MessageType type,
                                                            MessageButtons buttons, Answer answer)
{
    expectMessage(prefix, type, buttons, answer);
    script_.back().prefixOnly = true;
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectBeep(BeepKind kind)
{
    Step s = makeStep(Kind::Beep, describe(kind));
    s.beep = kind;
    script_.push_back(s);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectInput(const QString& prompt, std::optional<QString> answer)
{
    Step s = makeStep(Kind::Input, prompt);
    s.textAnswer = std::move(answer);
    script_.push_back(s);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectFileDialog(const QString& title, FileDialogResult answer)
{
    Step s = makeStep(Kind::File, title);
    s.fileAnswer = std::move(answer);
    script_.push_back(s);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectColor(std::optional<TColor> answer)
{
    Step s = makeStep(Kind::Color, QStringLiteral("colour"));
    s.colorAnswer = answer;
    script_.push_back(s);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectFont(std::optional<FontChoice> answer)
{
    Step s = makeStep(Kind::Font, QStringLiteral("font"));
    s.fontAnswer = std::move(answer);
    script_.push_back(s);
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectFolder(std::optional<QString> answer)
{
    Step s = makeStep(Kind::Folder, QStringLiteral("folder"));
    s.textAnswer = std::move(answer);
    script_.push_back(s);
    return *this;
}

std::optional<ScriptedPrompts::Step> ScriptedPrompts::next(Kind kind, const QString& seen,
                                                           const std::function<bool(const Step&)>& same)
{
    log_.append(seen);
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(int(kind)) << ": " << seen.toStdString();
        return std::nullopt;
    }
    const Step step = script_.front();
    // A mismatch uses up the step too, so one wrong prompt is reported once, not again at the end.
    script_.pop_front();
    if (step.kind != kind || !same(step)) {
        ADD_FAILURE() << "expected " << kindName(int(step.kind)) << " \"" << step.text.toStdString()
                      << "\" but got " << seen.toStdString();
        return std::nullopt;
    }
    return step;
}

Answer ScriptedPrompts::message(const QString& text, MessageType type, MessageButtons buttons, const QString&)
{
    const QString seen =
        QStringLiteral("message %1 %2: %3").arg(describe(type), describe(buttons), text);
    const auto step = next(Kind::Message, seen, [&](const Step& s) {
        const bool sameText = s.prefixOnly ? text.startsWith(s.text) : s.text == text;
        return sameText && s.type == type && s.buttons == buttons;
    });
    // Unexpected: the most cautious answer, so the code under test does nothing destructive.
    if (!step)
        return cautiousAnswer(buttons);
    return step->answer;
}

void ScriptedPrompts::beep(BeepKind kind)
{
    if (ignoreBeeps_) {
        log_.append(QStringLiteral("beep %1").arg(describe(kind)));
        return;
    }
    next(Kind::Beep, QStringLiteral("beep %1").arg(describe(kind)), [&](const Step& s) { return s.beep == kind; });
}

std::optional<QString> ScriptedPrompts::inputBox(const QString& caption, const QString& prompt, const QString&)
{
    const auto step = next(Kind::Input, QStringLiteral("input %1: %2").arg(caption, prompt),
                           [&](const Step& s) { return s.text == prompt; });
    return step ? step->textAnswer : std::nullopt;
}

FileDialogResult ScriptedPrompts::fileDialog(const FileDialogRequest& request)
{
    lastFileRequest_ = request;
    const auto step = next(Kind::File, QStringLiteral("file dialog: %1").arg(request.title),
                           [&](const Step& s) { return s.text == request.title; });
    return step ? step->fileAnswer : FileDialogResult{};
}

std::optional<TColor> ScriptedPrompts::chooseColor(TColor initial, const QString&)
{
    const auto step = next(Kind::Color, QStringLiteral("colour dialog from %1").arg(initial, 6, 16, QLatin1Char('0')),
                           [](const Step&) { return true; });
    return step ? step->colorAnswer : std::nullopt;
}

std::optional<FontChoice> ScriptedPrompts::chooseFont(const FontChoice& initial)
{
    const auto step = next(Kind::Font, QStringLiteral("font dialog from %1").arg(initial.name),
                           [](const Step&) { return true; });
    return step ? step->fontAnswer : std::nullopt;
}

std::optional<QString> ScriptedPrompts::browseFolder(const QString& caption, const QString& start)
{
    const auto step = next(Kind::Folder, QStringLiteral("folder dialog %1 from %2").arg(caption, start),
                           [](const Step&) { return true; });
    return step ? step->textAnswer : std::nullopt;
}

} // namespace molvane::test
