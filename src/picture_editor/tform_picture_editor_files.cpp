// The picture editor's files: new, open, save and save as of .bmp and .jpg pictures, the question
// before a modified picture is left, the caption with the file's name, and OK's picture for the drawing.

#include "picture_editor/tform_picture_editor.h"

#include "document/picture_export.h"
#include "painting/enclosed_white.h"
#include "picture_editor/picture_editor_texts.h"
#include "platform/picture_file.h"

#include <QDir>
#include <QFileInfo>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// The working picture as a file keeps it: the barrier white under dashed strokes is pure white again.
QImage pictureForFile(const QImage& working, const PaintWhites& whites)
{
    QImage picture = working.copy();
    const QRgb barrier = toQRgb(whites.barrier) & 0xFFFFFFu;
    const QRgb white = toQRgb(whites.transparent) | 0xFF000000u;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if ((line[x] & 0xFFFFFFu) == barrier)
                line[x] = white;
    }
    return picture;
}

void setUpDialog(TFileDialogComponent& dialog, const char* title)
{
    dialog.Title = u(title);
    dialog.Filter = u(kPictureFilter);
    dialog.FilterIndex = 3;
    dialog.DefaultExt = QStringLiteral("bmp");
    dialog.NameBeforeOverwriteQuestion = true;
}

} // namespace

void TFormPictureEditor::connectFiles()
{
    setUpDialog(MyOpenPictureDialog2, paint_texts::kOpenTitle);
    setUpDialog(MySavePictureDialog2, paint_texts::kSaveAsTitle);
    setUpDialog(MyOpenPictureDialog3, paint_texts::kSampleOpenTitle);
    connect(controls_.sbShowMihon, &QToolButton::toggled, this,
            [this](bool down) { sbShowMihonToggled(down); });
    const auto action = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
    connect(action("mmFileNew"), &QAction::triggered, this, [this] { mmFileNewClick(); });
    connect(action("mmPicOpen"), &QAction::triggered, this, [this] { mmPicOpenClick(); });
    connect(action("mmPicSave"), &QAction::triggered, this, [this] { mmPicSaveClick(); });
    connect(action("mmPicSaveAs"), &QAction::triggered, this, [this] { mmPicSaveAsClick(); });
    connect(action("mmExit1"), &QAction::triggered, this, [this] { btOKClick(); });
    connect(controls_.btOK, &QPushButton::clicked, this, [this] { btOKClick(); });
}

void TFormPictureEditor::setDataFolder(const QString& folder)
{
    QDir().mkpath(folder);
    for (TFileDialogComponent* d : {static_cast<TFileDialogComponent*>(&MyOpenPictureDialog2),
                                    static_cast<TFileDialogComponent*>(&MySavePictureDialog2),
                                    static_cast<TFileDialogComponent*>(&MyOpenPictureDialog3)})
        d->InitialDir = folder;
}

bool TFormPictureEditor::isModified() const
{
    return history_.isModified(picture_.size(), picture_.strokes());
}

bool TFormPictureEditor::saveCheck()
{
    commitPendingReform();
    if (!isModified())
        return true;
    prompts_.beep(BeepKind::Exclamation);
    switch (prompts_.message(u(paint_texts::kSaveChangesQuestion), MessageType::Information,
                             MessageButtons::YesNoCancel)) {
    case Answer::No: return true;
    case Answer::Yes: return fileName_.isEmpty() ? mmPicSaveAsClick() : writeFile(fileName_);
    default: return false;
    }
}

void TFormPictureEditor::clearPicture()
{
    if (tool_)
        tool_->cancel();
    picture_.clearAll();
    history_.reset(picture_.size());
    history_.recordSavedState(picture_.size(), picture_.strokes());
    setReformState(false, false);
    updateHistoryButtons();
    controls_.view->update();
}

void TFormPictureEditor::mmFileNewClick()
{
    if (!saveCheck())
        return;
    clearPicture();
    fileName_.clear();
    updateCaption();
}

void TFormPictureEditor::mmPicOpenClick()
{
    if (!saveCheck())
        return;
    MyOpenPictureDialog2.FileName = fileName_;
    if (!MyOpenPictureDialog2.Execute(prompts_))
        return;
    const QString path = MyOpenPictureDialog2.FileName;
    // The picture is read before anything is cleared: a file that cannot be read changes nothing.
    const DecodedImage loaded = loadPictureFile(path);
    if (!loaded.ok()) {
        prompts_.message(pictureLoadMessage(path, loaded.error), MessageType::Error, MessageButtons::Ok);
        return;
    }
    QImage base = loaded.image;
    if (controls_.cbChangeWhite->isChecked())
        convertEnclosedWhite(base, picture_.whites().opaque);
    takePicture(base, path);
}

void TFormPictureEditor::restorePicture(const QImage& picture)
{
    if (picture.isNull())
        return;
    takePicture(picture.convertToFormat(QImage::Format_RGB32), {});
    // Never saved under any name: modified until it is.
    history_.recordSavedState(QSize(), {});
    updateHistoryButtons();
}

void TFormPictureEditor::takePicture(const QImage& base, const QString& path)
{
    clearPicture();
    // Undoing back to the start shows the opened picture; the saved state keeps the canvas size from
    // before, so a picture of another size counts as modified until it is saved.
    history_.reset(picture_.size(), base);
    fileName_ = path;
    // The canvas takes the picture's size: one render of the picture at its size.
    picture_.restore(base.size(), base, {});
    {
        const QSignalBlocker quietWidth(controls_.udWidth), quietHeight(controls_.udHeight);
        controls_.udWidth->setValue(picture_.size().width());
        controls_.udHeight->setValue(picture_.size().height());
    }
    controls_.zoomUpDown->setValue(100);
    applyZoom();
    updateCaption();
}

void TFormPictureEditor::mmPicSaveClick()
{
    if (fileName_.isEmpty()) {
        mmPicSaveAsClick();
        return;
    }
    prompts_.beep(BeepKind::Exclamation);
    if (prompts_.message(u(paint_texts::kOverwriteQuestion), MessageType::Information,
                         MessageButtons::YesCancel) != Answer::Yes)
        return;
    commitPendingReform();
    writeFile(fileName_);
}

bool TFormPictureEditor::mmPicSaveAsClick()
{
    if (picture_.strokes().empty() && !picture_.basePicture())
        return false;
    const int filterIndex = MySavePictureDialog2.FilterIndex;
    MySavePictureDialog2.FileName = fileName_;
    if (!MySavePictureDialog2.Execute(prompts_)) {
        MySavePictureDialog2.FilterIndex = filterIndex;
        return false;
    }
    commitPendingReform();
    const bool written = writeFile(MySavePictureDialog2.FileName);
    controls_.view->update();
    return written;
}

bool TFormPictureEditor::writeFile(const QString& path)
{
    const PictureWriteResult result =
        writePictureFile(pictureForFile(picture_.working(), picture_.whites()), path);
    if (!result.ok) {
        // Nothing was saved: the name, the history and the saved state stay as they were.
        prompts_.beep(BeepKind::Exclamation);
        prompts_.message(result.message, MessageType::Error, MessageButtons::Ok);
        return false;
    }
    fileName_ = path;
    updateCaption();
    // The saved picture is where undo starts again.
    history_.resetTo(picture_.size(), picture_.strokes(), picture_.basePicture().value_or(QImage()));
    history_.recordSavedState(picture_.size(), picture_.strokes());
    setReformState(false, false);
    updateHistoryButtons();
    return true;
}

void TFormPictureEditor::updateCaption()
{
    QString caption = u(paint_texts::kCaption);
    // A true-colour working picture has no palette to count.
    if (const qsizetype colours = picture_.working().colorCount(); colours > 0)
        caption += QStringLiteral(" (%1色)").arg(colours);
    if (!fileName_.isEmpty())
        caption += u(paint_texts::kCaptionFileSeparator) + QFileInfo(fileName_).fileName();
    setWindowTitle(caption);
}

void TFormPictureEditor::btOKClick()
{
    if (face_.visible && !face_.drawn) {
        prompts_.beep(BeepKind::Exclamation);
        if (prompts_.message(u(paint_texts::kNotDrawnQuestion), MessageType::Information,
                             MessageButtons::YesCancel) != Answer::Yes)
            return;
    }
    commitPendingReform();
    // The marked range, or the whole canvas.
    const PaintRange marked = range();
    resultPicture_ = marked.exists() ? rangePixels(marked) : picture_.working().copy();
    if (RangeTool* tool = rangeTool())
        tool->clearRange();
    if (tool_)
        tool_->cancel();
    accept();
}

} // namespace molvane
