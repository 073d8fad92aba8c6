#pragma once
// What the command line asks for. Parsed before any window (or display) exists, so --help and
// --version work anywhere.

#include <QString>
#include <QStringList>

namespace molvane {

struct CommandLine {
    enum class Action { RunEditor, ShowHelp, ShowVersion, Error };
    Action action = Action::RunEditor;
    QString error; // with Action::Error: what was wrong, for stderr
};

// arguments without the program name.
CommandLine parseCommandLine(const QStringList& arguments);
QString usageText();
QString versionText();

} // namespace molvane
