#include "document/main_window/picture_commands.h"

#include "document/drawing_bitmap.h"
#include "document/drawing_work.h"
#include "document/main_window/main_window_texts.h"

#include "picture_editor/tform_picture_editor.h"

#include "document/clipboard_picture.h"
#include "document/main_window/tform1.h"
#include "document/sample_picture.h"
#include "editing/selection.h"
#include "platform/picture_file.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// The clipboard holds a picture in some form (decoded or encoded): the paste may try it.
bool offersPicture(const QMimeData* data)
{
    if (!data)
        return false;
    if (data->hasImage())
        return true;
    for (const QString& format : data->formats())
        if (format.startsWith(QLatin1String("image/")))
            return true;
    return false;
}

} // namespace

ExportSource PictureCommands::selectedSource() const
{
    const SelectTool& selection = w_.tools_.selection();
    const QRect range = selection.range();
    if (range.isNull())
        return ExportSource::wholeCanvas();
    if (selection.freeRange())
        return ExportSource::freeRange(range, QPolygon(selection.lasso()), w_.zoom());
    return ExportSource::rectangle(range, w_.zoom());
}

bool PictureCommands::writePicture(const ExportSource& source, const QString& path)
{
    const PictureWriteResult written = writePictureFile(renderExport(w_.drawing_.bitmap(), source), path);
    if (!written.ok)
        w_.prompts_.message(written.message, MessageType::Error, MessageButtons::Ok);
    return written.ok;
}

void PictureCommands::endSelection()
{
    w_.resetSelection();
    w_.tools_.selection().clearRange();
    w_.view_->update();
}

bool PictureCommands::choosePath(TFileDialogComponent& dialog, QString& remembered)
{
    dialog.FileName = remembered;
    if (!dialog.Execute(w_.prompts_))
        return false;
    w_.tools_.ignoreNextRelease(dialog.closedByDoubleClick());
    remembered = dialog.FileName;
    return true;
}

void PictureCommands::mmPicSaveAsClick()
{
    if (w_.drawing_.figures.empty() || !choosePath(w_.fileDialogs.MySavePictureDialog2, lastPicturePath_))
        return;
    writePicture(ExportSource::wholeCanvas(), lastPicturePath_);
    endSelection();
}

void PictureCommands::mmPicSaveHighResClick()
{
    if (w_.drawing_.figures.empty())
        return;
    const std::optional<QString> typed =
        w_.prompts_.inputBox(u("高解像度画像として保存"), u(texts::kScalePrompt), QStringLiteral("4"));
    if (!typed)
        return;
    const int scale = typed->trimmed().toInt();
    if (scale != 2 && scale != 4 && scale != 8) {
        w_.prompts_.message(u(texts::kScaleWrong), MessageType::Error, MessageButtons::Ok);
        return;
    }
    const Drawing& d = w_.drawing_;
    if (takesLongToDraw(d.figures, d.canvasSize(), d.renderSettings(), scale) &&
        w_.prompts_.message(u(texts::kScaledTakesLong), MessageType::Confirmation, MessageButtons::YesNo) !=
            Answer::Yes)
        return;
    if (!choosePath(w_.fileDialogs.MySavePngDialog, lastHighResPath_))
        return;
    QImage bitmap = scaledDrawingBitmap(d.canvasSize(), d.figures, d.background, d.renderSettings(), scale);
    QImage picture = bitmap.isNull() ? QImage() : renderExport(bitmap, selectedSource(), scale);
    bitmap = QImage(); // the picture may share its pixels: the writer then need not copy them
    if (picture.isNull()) {
        w_.prompts_.message(u(texts::kScaledTooLarge), MessageType::Error, MessageButtons::Ok);
        return;
    }
    const PictureWriteResult written = writeScaledPng(std::move(picture), scale, lastHighResPath_);
    if (!written.ok)
        w_.prompts_.message(written.message, MessageType::Error, MessageButtons::Ok);
    endSelection();
}

VectorDrawing PictureCommands::vectorOf(const ExportSource& source) const
{
    const Drawing& d = w_.drawing_;
    const QRect canvas(QPoint(0, 0), d.canvasSize());
    const QRect area = source.kind == ExportSource::Kind::WholeCanvas
                           ? canvas
                           : viewRangeToCanvas(source.viewRange, source.zoom) & canvas;
    return {d.canvasSize(),     &d.figures, d.background,
            d.renderSettings(), area,       QFileInfo(w_.files_.fileName()).completeBaseName()};
}

void PictureCommands::mmPicSaveVectorClick()
{
    if (w_.drawing_.figures.empty())
        return;
    const Drawing& d = w_.drawing_;
    if (takesLongToDraw(d.figures, d.canvasSize(), d.renderSettings(), 1, DrawingOutput::Vector) &&
        w_.prompts_.message(u(texts::kVectorTakesLong), MessageType::Confirmation, MessageButtons::YesNo) !=
            Answer::Yes)
        return;
    TMySaveDialog& dialog = w_.fileDialogs.MySaveVectorDialog;
    if (!choosePath(dialog, lastVectorPath_))
        return;
    if (!vectorFormatOf(lastVectorPath_))
        lastVectorPath_ += dialog.FilterIndex == 2 ? QStringLiteral(".pdf") : QStringLiteral(".svg");
    const VectorDrawing vector = vectorOf(selectedSource());
    if (vector.area.isEmpty())
        return;
    const PictureWriteResult written = writeVectorFile(vector, lastVectorPath_);
    if (!written.ok)
        w_.prompts_.message(written.message, MessageType::Error, MessageButtons::Ok);
    endSelection();
}

void PictureCommands::sbPicSaveClick()
{
    if (w_.drawing_.figures.empty() || w_.tools_.selection().range().isNull() ||
        !choosePath(w_.fileDialogs.MySavePictureDialog1, lastPartialPicturePath_))
        return;
    writePicture(selectedSource(), lastPartialPicturePath_);
    endSelection();
}

void PictureCommands::savePictureBeside(const QString& partialFigureFile)
{
    const EnvironmentSettings& settings = w_.drawing_.settings;
    if (!settings.saveWithPic || w_.tools_.selection().range().isNull())
        return;
    const QString name = QFileInfo(partialFigureFile).completeBaseName() +
                         (settings.picBmp ? QStringLiteral(".bmp") : QStringLiteral(".jpg"));
    writePicture(selectedSource(), QDir(w_.files_.partPicFolder()).filePath(name));
}

bool PictureCommands::copyToClipboard()
{
    const QImage picture = renderExport(w_.drawing_.bitmap(), selectedSource());
    if (picture.isNull())
        return false;
    // Programs that take vectors take the SVG; the others the bitmap beside it.
    auto* data = new QMimeData;
    data->setImageData(picture);
    const ExportSource source = selectedSource();
    if (const VectorDrawing vector = vectorOf(source); !vector.area.isEmpty())
        data->setData(QStringLiteral("image/svg+xml"), drawingSvg(vector));
    QGuiApplication::clipboard()->setMimeData(data);
    return true;
}

void PictureCommands::Copy1AsPicClick()
{
    copyToClipboard();
    endSelection();
}

void PictureCommands::Cut1AsPicClick()
{
    // Figures go only when their picture is on the clipboard.
    if (copyToClipboard())
        w_.clipboard_.deleteSelected();
    endSelection();
}

void PictureCommands::Paste1AsPicClick()
{
    const ClipboardPicture clip = readClipboardPicture(QGuiApplication::clipboard()->mimeData());
    if (clip.outcome == ClipboardPicture::Outcome::Refused) {
        w_.prompts_.message(clip.message, MessageType::Error, MessageButtons::Ok);
        return;
    }
    if (clip.outcome == ClipboardPicture::Outcome::Nothing) {
        w_.view_->update();
        return;
    }
    // The name stays the last picture file's: the placed figure takes it as its text.
    pendingPicture_ = clip.image;
    showPictureFrame();
}

QImage PictureCommands::openPicture(TMyOpenPictureDialog& dialog, QString& remembered)
{
    dialog.FileName = remembered;
    if (!dialog.Execute(w_.prompts_))
        return {};
    w_.tools_.ignoreNextRelease(dialog.closedByDoubleClick());
    // The file is read before anything changes: one that cannot be read changes nothing.
    const DecodedImage loaded = loadPictureFile(dialog.FileName);
    if (!loaded.ok()) {
        w_.prompts_.message(pictureLoadMessage(dialog.FileName, loaded.error), MessageType::Error,
                            MessageButtons::Ok);
        return {};
    }
    remembered = dialog.FileName;
    return loaded.image;
}

void PictureCommands::sbPicLoadClick()
{
    const QImage picture = openPicture(w_.fileDialogs.MyOpenPictureDialog1, lastPartialPicturePath_);
    if (!picture.isNull())
        showLoadedPicture(picture, lastPartialPicturePath_);
}

void PictureCommands::showLoadedPicture(const QImage& picture, const QString& path)
{
    lastPartialPicturePath_ = path;
    setPending(picture, path);
    showPictureFrame();
}

void PictureCommands::mmPicOpenClick()
{
    if (!w_.files_.askToSaveModified())
        return;
    const QImage picture = openPicture(w_.fileDialogs.MyOpenPictureDialog2, lastPicturePath_);
    if (picture.isNull())
        return;
    // A new drawing, as 新規作成 makes it, on the picture.
    w_.drawing_.startEmpty();
    w_.drawing_.background = picture.convertToFormat(QImage::Format_RGB32);
    w_.drawing_.rebuildBitmap();
    w_.setLastReformPanel(false, false);
    w_.setCaptionFor({});
    w_.view_->update();
}

void PictureCommands::sbShowMihonClick(bool down)
{
    QToolButton* toggle = w_.findChild<QToolButton*>(QStringLiteral("sbShowMihon"));
    if (!down) {
        if (sampleWaiting_)
            w_.clipboard_.hidePasteFrame();
        sample_ = QImage();
        w_.view_->setSample({}, {}, false);
        w_.view_->update();
        return;
    }
    const QImage picture = openPicture(w_.fileDialogs.MyOpenPictureDialog3, lastSamplePath_);
    if (picture.isNull()) {
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(false);
        return;
    }
    // Washed out toward white; its pure white stays white.
    sample_ = fadedSample(picture, qRgb(255, 255, 255));
    w_.clipboard_.hidePasteFrame();
    w_.tools_.selection().clearRange();
    w_.drawing_.clearSelection();
    w_.mode_ = EditMode::SamplePlacing;
    sampleWaiting_ = true;
    WaitingPicture waiting{picture, {}, true};
    w_.tools_.showPicture(waiting);
    w_.popupJustShown_ = false;
    w_.view_->update();
}

void PictureCommands::sampleDropped()
{
    sampleWaiting_ = false;
    sample_ = QImage();
    if (QToolButton* toggle = w_.findChild<QToolButton*>(QStringLiteral("sbShowMihon"))) {
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(false);
    }
    w_.view_->update();
}

void PictureCommands::samplePlaced(const QRect& place)
{
    QToolButton* toggle = w_.findChild<QToolButton*>(QStringLiteral("sbShowMihon"));
    sampleWaiting_ = false;
    w_.view_->setSample(sample_, place, toggle && toggle->isChecked());
}

void PictureCommands::setPending(const QImage& picture, const QString& name)
{
    pendingPicture_ = picture;
    pictureFileName_ = name;
}

void PictureCommands::showPictureFrame()
{
    w_.clipboard_.hidePasteFrame();
    w_.tools_.selection().clearRange();
    w_.drawing_.clearSelection();
    w_.mode_ = EditMode::PicturePlacing;
    w_.selectToolSettings(EditMode::PicturePlacing);
    w_.tools_.showPicture({pendingPicture_, pictureFileName_});
    w_.popupJustShown_ = false;
    w_.view_->update();
}

void PictureCommands::sbPicLoadExClick()
{
    if (!pictureEditor_)
        return;
    const bool accepted = pictureEditor_->exec() == QDialog::Accepted;
    w_.ui_.statusPanel1->clear();
    w_.ui_.statusPanel2->clear();
    if (!accepted || pictureEditor_->resultPicture().isNull())
        return;
    setPending(pictureEditor_->resultPicture(), pictureEditor_->fileName());
    showPictureFrame();
}

void PictureCommands::popupStates()
{
    QMenu* menu = w_.ui_.popupMenu;
    const bool asPicture = w_.clipboard_.itemsEnabled() && !w_.tools_.selection().range().isNull();
    for (const char* name : {"Cut1AsPic", "Copy1AsPic"})
        menu->findChild<QAction*>(QString::fromLatin1(name))->setEnabled(asPicture);
}

void PictureCommands::pasteState()
{
    w_.ui_.popupMenu->findChild<QAction*>(QStringLiteral("Paste1AsPic"))
        ->setEnabled(offersPicture(QGuiApplication::clipboard()->mimeData()));
}

void PictureCommands::followClipboard()
{
    pasteState();
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &w_, [this] { pasteState(); });
}

} // namespace molvane
