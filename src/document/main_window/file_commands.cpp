// The file commands of the main window: new, open, save, save as, partial figure files, the settings
// file, the old-data conversion and the file named on the command line.

#include "document/main_window/file_commands.h"
#include "document/figure_file_io.h"
#include "document/geometry.h"
#include "document/main_window/layout_metrics.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "document/old_data_conversion.h"
#include "editing/character_buttons.h"
#include "platform/picture_file.h"
#include "settings/settings_file.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

bool FileCommands::askToSaveModified()
{
    if (!w_.drawing_.isModified())
        return true;
    w_.prompts_.beep(BeepKind::Warning);
    switch (w_.prompts_.message(u(texts::kAskSaveModified), MessageType::Confirmation,
                                MessageButtons::YesNoCancel)) {
    case Answer::Yes: return mmFileSaveAsClick();
    case Answer::No: return true;
    default: return false;
    }
}

void FileCommands::mmFileNewClick()
{
    if (!askToSaveModified())
        return;
    w_.drawing_.startEmpty();
    w_.recovery_.drawingSettled();
    w_.setLastReformPanel(false, false);
    w_.setCaptionFor({});
    w_.view_->update();
}

void FileCommands::mmFileOpenClick()
{
    if (!askToSaveModified())
        return;
    w_.fileDialogs.MyOpenDialog2.FileName = fileName_;
    if (!w_.fileDialogs.MyOpenDialog2.Execute(w_.prompts_))
        return;
    openDrawing(w_.fileDialogs.MyOpenDialog2.FileName, false);
}

void FileCommands::openDrawing(const QString& path, bool ask)
{
    if (ask && !askToSaveModified())
        return;
    // The file is read on its own first: a file that turns out damaged must not cost the drawing.
    Drawing loaded;
    loaded.settings = w_.drawing_.settings;
    loaded.lineSpacing = w_.drawing_.lineSpacing;
    if (!readFigureFile(loaded, path, FigureFileMode::Whole, w_.prompts_))
        return;
    showOpened(std::move(loaded), path);
    w_.recovery_.drawingSettled();
}

void FileCommands::showOpened(Drawing&& loaded, const QString& name)
{
    // Rendered once, in the drawing read: its canvas size is one the controls take as it is.
    w_.drawing_.startFrom(std::move(loaded));
    w_.ui_.udWidth->setValue(w_.drawing_.canvasSize().width());
    w_.ui_.udHeight->setValue(w_.drawing_.canvasSize().height());
    w_.applyCanvasSize();
    w_.setCaptionFor(name);
    w_.setLastReformPanel(false, false);
    w_.view_->update();
}

bool FileCommands::writeWholeDrawing(const QString& name)
{
    w_.drawing_.clearSelection();
    const auto written =
        writeFigureFile(w_.drawing_, name, FigureFileMode::Whole, w_.drawing_.figures, {}, w_.prompts_);
    if (!written)
        return false;
    fileName_ = *written;
    w_.drawing_.markSaved();
    w_.recovery_.drawingSettled();
    w_.setLastReformPanel(false, false);
    return true;
}

void FileCommands::mmFileSaveClick()
{
    if (w_.drawing_.isEmpty())
        return;
    if (fileName_.isEmpty()) {
        mmFileSaveAsClick();
        return;
    }
    w_.prompts_.beep(BeepKind::Warning);
    if (w_.prompts_.message(u("図形ファイルを更新します。いいですか。"), MessageType::Confirmation,
                            MessageButtons::YesNo) != Answer::Yes)
        return;
    writeWholeDrawing(fileName_);
}

bool FileCommands::mmFileSaveAsClick()
{
    if (w_.drawing_.isEmpty())
        return false;
    w_.fileDialogs.MySaveDialog2.FileName = fileName_;
    if (!w_.fileDialogs.MySaveDialog2.Execute(w_.prompts_))
        return false;
    if (!writeWholeDrawing(w_.fileDialogs.MySaveDialog2.FileName))
        return false;
    w_.setCaptionFor(fileName_);
    return true;
}

void FileCommands::sbLoadClick()
{
    w_.fileDialogs.MyOpenDialog1.FileName = lastPartialName_;
    if (!w_.fileDialogs.MyOpenDialog1.Execute(w_.prompts_))
        return;
    w_.tools_.ignoreNextRelease(w_.fileDialogs.MyOpenDialog1.closedByDoubleClick());
    openPartialFile(w_.fileDialogs.MyOpenDialog1.FileName);
}

void FileCommands::openPartialFile(const QString& path)
{
    lastPartialName_ = path;
    w_.drawing_.pasteList.clear();
    if (!readFigureFile(w_.drawing_, lastPartialName_, FigureFileMode::Partial, w_.prompts_)) {
        w_.drawing_.pasteList.clear();
        w_.drawing_.pasteImage = QImage();
        return;
    }
    w_.drawing_.clearSelection();
    w_.clipboard_.showPasteFrame(w_.drawing_.keptRegion);
}

void FileCommands::sbSaveClick()
{
    const QRect selRange = w_.tools_.selection().range();
    if (w_.drawing_.figures.empty() || selRange.isEmpty())
        return;
    const QRect range(toModel(selRange.topLeft(), w_.zoom()), toModel(selRange.bottomRight(), w_.zoom()));
    FigureList part;
    for (const TFigure& f : w_.drawing_.figures)
        if (f.selected && range.contains(f.handle)) {
            part.push_back(f);
            part.back().selected = part.back().frameShown = false;
        }
    if (part.empty())
        return;
    w_.fileDialogs.MySaveDialog1.FileName = lastPartialName_;
    if (!w_.fileDialogs.MySaveDialog1.Execute(w_.prompts_))
        return;
    lastPartialName_ = w_.fileDialogs.MySaveDialog1.FileName;
    const FigureRegion region{std::abs(range.right() - range.left()), std::abs(range.bottom() - range.top()),
                              std::min(range.left(), range.right()), std::min(range.top(), range.bottom())};
    const auto written =
        writeFigureFile(w_.drawing_, lastPartialName_, FigureFileMode::Partial, part, region, w_.prompts_);
    if (written)
        w_.pictures_.savePictureBeside(*written);
    w_.drawing_.clearSelection();
    w_.view_->update();
}

void FileCommands::mmChangeDataClick()
{
    convertOldData(w_.drawing_, w_.folders_.root, w_.prompts_);
    w_.drawing_.rebuildBitmap();
    w_.view_->update();
}

void FileCommands::openStartupFile(const QString& argument)
{
    if (argument.isEmpty())
        return;
    const QString partial =
        QDir(w_.folders_.partFigures).filePath(QFileInfo(argument).completeBaseName() + u(".fgb"));
    if (QFileInfo::exists(partial)) {
        lastPartialName_ = partial;
        w_.drawing_.pasteList.clear();
        if (readFigureFile(w_.drawing_, partial, FigureFileMode::Partial, w_.prompts_))
            w_.clipboard_.showPasteFrame(w_.drawing_.keptRegion);
        else
            w_.drawing_.pasteList.clear();
        return;
    }
    if (!QFileInfo::exists(argument))
        return;
    const QString ext = QFileInfo(argument).suffix().toLower();
    // A drawing restored at start is not given up without the question.
    if (ext == u("fga"))
        openDrawing(argument, true);
    else if (ext == u("fgb"))
        openPartialFile(argument);
    else if (ext == u("jpg") || ext == u("bmp"))
        openPictureFile(argument);
}

void FileCommands::openPictureFile(const QString& path)
{
    const DecodedImage picture = loadPictureFile(path);
    if (!picture.ok()) {
        w_.prompts_.message(pictureLoadMessage(path, picture.error), MessageType::Error, MessageButtons::Ok);
        return;
    }
    w_.pictures_.showLoadedPicture(picture.image, path);
}

void FileCommands::loadSettingsFile()
{
    SettingsData data = startupSettings(w_.folders_.partPictures);
    data.env = w_.drawing_.settings;
    data.buttonHints = w_.text_.characterButtonHints();
    if (loadSettings(w_.folders_.iniFile, data, w_.folders_.partPictures)) {
        const int masuHaba = w_.drawing_.settings.masuHaba; // never stored
        w_.drawing_.settings = data.env;
        w_.drawing_.settings.masuHaba = masuHaba;
        for (int i = 0; i < kCharacterButtons; ++i)
            if (data.buttonHints[i] != w_.ui_.charButtons[std::size_t(i)]->toolTip())
                w_.text_.applyButtonContent(i, contentFromHint(data.buttonHints[i]));
    }
    partPicFolder_ = data.partPicFolder;
}

bool FileCommands::saveSettingsFile()
{
    SettingsData data;
    data.env = w_.drawing_.settings;
    data.buttonHints = w_.text_.characterButtonHints();
    data.partPicFolder = partPicFolder_;
    if (saveSettings(w_.folders_.iniFile, data))
        return true;
    w_.prompts_.message(u("%1 に書き込めません").arg(w_.folders_.iniFile), MessageType::Error,
                        MessageButtons::Ok);
    return false;
}

} // namespace molvane
