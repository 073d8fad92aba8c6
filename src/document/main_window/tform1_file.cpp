// The file commands of the main window: new, open, save, save as, partial figure files, the settings
// file, the old-data conversion and the file named on the command line.

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

QString u(const char* text) { return QString::fromUtf8(text); }

} // namespace

void TForm1::mmFileNewClick()
{
    if (!askToSaveModified())
        return;
    drawing_.startEmpty();
    setLastReformPanel(false, false);
    setCaptionFor({});
    view_->update();
}

void TForm1::mmFileOpenClick()
{
    if (!askToSaveModified())
        return;
    fileDialogs.MyOpenDialog2.FileName = fileName_;
    if (!fileDialogs.MyOpenDialog2.Execute(prompts_))
        return;
    // The file is read on its own first: a file that turns out damaged must not cost the drawing.
    Drawing loaded;
    loaded.settings = drawing_.settings;
    loaded.lineSpacing = drawing_.lineSpacing;
    if (!readFigureFile(loaded, fileDialogs.MyOpenDialog2.FileName, FigureFileMode::Whole, prompts_))
        return;
    // Rendered once, in the drawing read: its canvas size is one the controls take as it is.
    drawing_.startFrom(std::move(loaded));
    ui_.udWidth->setValue(drawing_.canvasSize().width());
    ui_.udHeight->setValue(drawing_.canvasSize().height());
    applyCanvasSize();
    setCaptionFor(fileDialogs.MyOpenDialog2.FileName);
    setLastReformPanel(false, false);
    view_->update();
}

bool TForm1::writeWholeDrawing(const QString& name)
{
    drawing_.clearSelection();
    const auto written = writeFigureFile(drawing_, name, FigureFileMode::Whole, drawing_.figures, {}, prompts_);
    if (!written)
        return false;
    fileName_ = *written;
    drawing_.markSaved();
    setLastReformPanel(false, false);
    return true;
}

void TForm1::mmFileSaveClick()
{
    if (drawing_.isEmpty())
        return;
    if (fileName_.isEmpty()) {
        mmFileSaveAsClick();
        return;
    }
    prompts_.beep(BeepKind::Warning);
    if (prompts_.message(u("図形ファイルを更新します。いいですか。"), MessageType::Confirmation, MessageButtons::YesNo) !=
        Answer::Yes)
        return;
    writeWholeDrawing(fileName_);
}

bool TForm1::mmFileSaveAsClick()
{
    if (drawing_.isEmpty())
        return false;
    fileDialogs.MySaveDialog2.FileName = fileName_;
    if (!fileDialogs.MySaveDialog2.Execute(prompts_))
        return false;
    if (!writeWholeDrawing(fileDialogs.MySaveDialog2.FileName))
        return false;
    setCaptionFor(fileName_);
    return true;
}

void TForm1::sbLoadClick()
{
    fileDialogs.MyOpenDialog1.FileName = lastPartialName_;
    if (!fileDialogs.MyOpenDialog1.Execute(prompts_))
        return;
    ignoreCanvasRelease_ = fileDialogs.MyOpenDialog1.closedByDoubleClick();
    lastPartialName_ = fileDialogs.MyOpenDialog1.FileName;
    drawing_.pasteList.clear();
    if (!readFigureFile(drawing_, lastPartialName_, FigureFileMode::Partial, prompts_)) {
        drawing_.pasteList.clear();
        drawing_.pasteImage = QImage();
        return;
    }
    drawing_.clearSelection();
    showPasteFrame(drawing_.keptRegion);
}

void TForm1::sbSaveClick()
{
    const QRect selRange = tools_.selection().range();
    if (drawing_.figures.empty() || selRange.isEmpty())
        return;
    const QRect range(toModel(selRange.topLeft(), zoom()), toModel(selRange.bottomRight(), zoom()));
    FigureList part;
    for (const TFigure& f : drawing_.figures)
        if (f.selected && range.contains(f.handle)) {
            part.push_back(f);
            part.back().selected = part.back().frameShown = false;
        }
    if (part.empty())
        return;
    fileDialogs.MySaveDialog1.FileName = lastPartialName_;
    if (!fileDialogs.MySaveDialog1.Execute(prompts_))
        return;
    lastPartialName_ = fileDialogs.MySaveDialog1.FileName;
    const FigureRegion region{std::abs(range.right() - range.left()), std::abs(range.bottom() - range.top()),
                              std::min(range.left(), range.right()), std::min(range.top(), range.bottom())};
    writeFigureFile(drawing_, lastPartialName_, FigureFileMode::Partial, part, region, prompts_);
    drawing_.clearSelection();
    view_->update();
}

void TForm1::mmChangeDataClick()
{
    convertOldData(drawing_, folders_.root, prompts_);
    drawing_.rebuildBitmap();
    view_->update();
}

void TForm1::openStartupFile(const QString& argument)
{
    if (argument.isEmpty())
        return;
    const QString partial = QDir(folders_.partFigures).filePath(QFileInfo(argument).completeBaseName() + u(".fgb"));
    if (QFileInfo::exists(partial)) {
        lastPartialName_ = partial;
        drawing_.pasteList.clear();
        if (readFigureFile(drawing_, partial, FigureFileMode::Partial, prompts_))
            showPasteFrame(drawing_.keptRegion);
        else
            drawing_.pasteList.clear();
        return;
    }
    const QString ext = QFileInfo(argument).suffix().toLower();
    if ((ext != u("jpg") && ext != u("bmp")) || !QFileInfo::exists(argument))
        return;
    const DecodedImage picture = loadPictureFile(argument);
    if (!picture.ok()) {
        prompts_.message(pictureLoadMessage(argument, picture.error), MessageType::Error, MessageButtons::Ok);
        return;
    }
    pictureFileName_ = argument;
    pendingPicture_ = picture.image;
    mode_ = EditMode::PicturePlacing;
}

QStringList TForm1::characterButtonHints() const
{
    QStringList hints;
    for (const QToolButton* b : ui_.charButtons)
        hints.append(b->toolTip());
    return hints;
}

void TForm1::applyButtonContent(int index, const QString& content)
{
    QToolButton* b = ui_.charButtons.at(std::size_t(index));
    setHint(b, characterButtonHint(content));
    b->setText(characterButtonCaption(content));
    const bool red = drawing_.settings.mojiBtnColor && isChangedContent(index + 1, content);
    QPalette palette = b->palette();
    palette.setColor(QPalette::ButtonText, red ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::ButtonText));
    b->setPalette(palette);
}

void TForm1::loadSettingsFile()
{
    SettingsData data = startupSettings(folders_.partPictures);
    data.env = drawing_.settings;
    data.buttonHints = characterButtonHints();
    if (loadSettings(folders_.iniFile, data, folders_.partPictures)) {
        const int masuHaba = drawing_.settings.masuHaba; // never stored
        drawing_.settings = data.env;
        drawing_.settings.masuHaba = masuHaba;
        for (int i = 0; i < kCharacterButtons; ++i)
            if (data.buttonHints[i] != ui_.charButtons[std::size_t(i)]->toolTip())
                applyButtonContent(i, contentFromHint(data.buttonHints[i]));
    }
    partPicFolder_ = data.partPicFolder;
}

bool TForm1::saveSettingsFile()
{
    SettingsData data;
    data.env = drawing_.settings;
    data.buttonHints = characterButtonHints();
    data.partPicFolder = partPicFolder_;
    if (saveSettings(folders_.iniFile, data))
        return true;
    prompts_.message(u("%1 に書き込めません").arg(folders_.iniFile), MessageType::Error, MessageButtons::Ok);
    return false;
}

} // namespace molvane
