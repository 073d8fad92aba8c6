#pragma once
// The main window's file commands: whole and partial figure files, the old-data conversion, the file
// named on the command line and the settings file. It keeps the names these commands remember.

#include <QString>

namespace molvane {

class Drawing;
class TForm1;

class FileCommands {
public:
    explicit FileCommands(TForm1& window) : w_(window) {}

    void mmFileNewClick();
    void mmFileOpenClick();
    void mmFileSaveClick();
    bool mmFileSaveAsClick();
    void sbLoadClick();
    void sbSaveClick();
    void mmChangeDataClick();
    // A file named on the command line: a partial figure file of that name in the partial-figure folder
    // wins; otherwise a figure file (.fga) that exists opens, a partial figure file (.fgb) that exists
    // waits in the paste frame, and a .jpg or .bmp picture that exists waits to be placed.
    void openStartupFile(const QString& argument);
    // A drawing read on its own takes the window's place, named name (none: unnamed).
    void showOpened(Drawing&& loaded, const QString& name);
    // The drawing of path replaces this one (after the question about an unsaved drawing when ask);
    // a file that cannot be read leaves the drawing as it was.
    void openDrawing(const QString& path, bool ask);
    // The figures of the partial figure file path wait in the paste frame.
    void openPartialFile(const QString& path);
    // The picture file path waits to be placed; a picture that cannot be loaded is reported.
    void openPictureFile(const QString& path);
    // Before the drawing goes: asks whether to save it first; false when the user cancelled.
    bool askToSaveModified();
    // Reads the settings file into the drawing's settings and the character buttons.
    void loadSettingsFile();
    // Writes the settings file; false (after saying so) when it could not be written.
    bool saveSettingsFile();

    // The file the drawing was opened from or last saved to; empty for a new drawing.
    QString fileName() const { return fileName_; }
    void setFileName(const QString& name) { fileName_ = name; }
    // The partial-picture folder, as the settings file and the environment dialog keep it.
    QString partPicFolder() const { return partPicFolder_; }
    void setPartPicFolder(const QString& folder) { partPicFolder_ = folder; }

private:
    bool writeWholeDrawing(const QString& name);

    TForm1& w_;
    QString fileName_;
    QString lastPartialName_;
    QString partPicFolder_;
};

} // namespace molvane
