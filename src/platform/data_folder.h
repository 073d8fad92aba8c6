#pragma once
// Where the program keeps its own files: the settings file and the four default folders.
// The program's folder + "Molvane" when the program's folder is writable (a portable install keeps
// everything beside the program) and the program is not installed; otherwise $XDG_DATA_HOME/Molvane
// (~/.local/share/Molvane). The environment variable MOLVANE_DATA_DIR overrides both.

#include <QString>
#include <functional>

namespace molvane {

inline constexpr const char* kDataFolderVariable = "MOLVANE_DATA_DIR";

struct DataFolders {
    QString root;          // the data folder
    QString iniFile;       // root + "/設定ファイル.ini"
    QString figures;       // root + "/図形ファイル"
    QString partFigures;   // root + "/部分図形ファイル"
    QString pictures;      // root + "/画像ファイル"
    QString partPictures;  // root + "/部分画像ファイル"
};

// An installed program lies in PREFIX/bin with its own files (the help) in PREFIX/share/molvane, the
// folder given here relative to the program's folder.
inline constexpr const char* kInstalledFilesFolder = "../share/molvane";
bool isInstalledProgram(const QString& programFolder);

// programFolder is the folder of the running executable.
QString locateDataFolder(const QString& programFolder);
// The same rule with the writability test given (the real one cannot be tested as root).
QString locateDataFolder(const QString& programFolder, const std::function<bool(const QString&)>& isWritable);
DataFolders dataFoldersIn(const QString& root);
// Creates every folder that is missing (with missing parents); false when one cannot be created.
bool createDataFolders(const DataFolders& folders);

} // namespace molvane
