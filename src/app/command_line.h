#pragma once
// What the command line asks for. Parsed before any window (or display) exists, so the commands that
// need no window (--help, --version, --export, --dump, --thumbnail) work anywhere.

#include <QString>
#include <QStringList>

namespace molvane {

struct CommandLine {
    enum class Action { RunEditor, ShowHelp, ShowVersion, Export, Dump, Thumbnail, Error };
    Action action = Action::RunEditor;
    QString input;  // --export, --dump, --thumbnail; the editor's FILE
    QString output; // --export, --thumbnail
    int size = 0;   // --thumbnail: the largest width and height
    int scale = 1;  // --export ... --scale S: each canvas pixel as S x S pixels of a PNG
    QString error;  // with Action::Error: what was wrong, for stderr
};

// arguments without the program name.
CommandLine parseCommandLine(const QStringList& arguments);
QString usageText();
QString versionText();

} // namespace molvane
