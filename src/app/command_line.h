#pragma once
// What the command line asks for. Parsed before any window (or display) exists, so the commands that
// need no window (--help, --version, --export, --dump) work anywhere.

#include <QString>
#include <QStringList>

namespace molvane {

struct CommandLine {
    enum class Action { RunEditor, ShowHelp, ShowVersion, Export, Dump, Error };
    Action action = Action::RunEditor;
    QString input;  // --export, --dump; the editor's FILE
    QString output; // --export
    QString error;  // with Action::Error: what was wrong, for stderr
};

// arguments without the program name.
CommandLine parseCommandLine(const QStringList& arguments);
QString usageText();
QString versionText();

} // namespace molvane
