#pragma once
// The help command: which help file to open and opening it with the desktop's handler.
// The compiled help "Molvaneヘルプ.chm" in the program's folder is preferred when it is installed;
// otherwise the program's own HTML help, help/index.html in the program's folder (a build or a portable
// install) or in the installed program's files (PREFIX/share/molvane/help/index.html), opens.

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <functional>

namespace molvane {

inline constexpr const char* kHelpFileName = "Molvaneヘルプ.chm";
inline constexpr const char* kHtmlHelpIndex = "help/index.html";

// programFolder is the folder of the running executable (not the data folder). Returns the absolute
// path of the help to open: the .chm when present, else help/index.html beside the program, else the
// installed help when present, else empty.
QString helpTarget(const QString& programFolder);

enum class HelpOpening {
    Opened,
    Missing,  // no help file beside the program
    NoViewer, // the file is there, but nothing on this desktop opens it
};

// Opens helpTarget(programFolder) as a file URL with opener. The opener is not called when there is
// nothing to open.
HelpOpening openHelp(const QString& programFolder,
                     const std::function<bool(const QUrl&)>& opener = QDesktopServices::openUrl);

} // namespace molvane
