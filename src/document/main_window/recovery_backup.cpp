#include "document/main_window/recovery_backup.h"

#include "document/figure_file_io.h"
#include "document/main_window/tform1.h"
#include "painting/paint_picture.h"
#include "picture_editor/tform_picture_editor.h"
#include "platform/atomic_file.h"
#include "platform/bmp_codec.h"

#include <QDir>
#include <QLabel>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

constexpr const char* kFolderName = "復元";
constexpr const char* kDrawingQuestion =
    "前回，正常に終了しなかったときの図形が残っています（%1）。復元しますか。";
constexpr const char* kUnnamed = "名前なし";
constexpr const char* kPictureQuestion =
    "前回，正常に終了しなかったときの画像エディタの画像が残っています。復元しますか。";
constexpr const char* kWriteFailed = "復元用の控えを保存できません（%1）";

} // namespace

RecoveryBackup::RecoveryBackup(TForm1& window) : w_(window)
{
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

RecoveryBackup::~RecoveryBackup() = default;

void RecoveryBackup::openStore()
{
    if (!store_)
        store_ = std::make_unique<RecoveryStore>(QDir(w_.folders_.root).filePath(u(kFolderName)));
}

void RecoveryBackup::setInterval(int seconds)
{
    if (seconds <= 0) {
        timer_.stop();
        return;
    }
    timer_.start(seconds * 1000);
}

std::optional<DrawingCopy> RecoveryBackup::changedDrawing()
{
    const QByteArray state = w_.drawing_.snapshot();
    if (state == drawingCopied_)
        return std::nullopt;
    if (!w_.drawing_.differsFromSaved(state)) {
        // Undone back to what was saved: nothing to keep.
        if (store_->hasDrawing())
            store_->removeDrawing();
        drawingCopied_ = state;
        return std::nullopt;
    }
    drawingCopied_ = state;
    const QSize canvas = w_.drawing_.canvasSize();
    return DrawingCopy{{canvas.width(), canvas.height(), 0, 0},
                       w_.drawing_.background,
                       w_.drawing_.figures,
                       w_.files_.fileName()};
}

std::optional<QImage> RecoveryBackup::changedPicture()
{
    const TFormPictureEditor* editor = w_.pictures_.pictureEditor();
    if (!editor)
        return std::nullopt;
    if (!editor->isModified()) {
        if (store_->hasPicture())
            store_->removePicture();
        pictureCopied_ = 0;
        return std::nullopt;
    }
    const QImage& picture = editor->picture().working();
    if (picture.cacheKey() == pictureCopied_)
        return std::nullopt;
    pictureCopied_ = picture.cacheKey();
    return picture;
}

void RecoveryBackup::tick()
{
    openStore();
    if (store_->writing())
        return; // the next round tries again
    const QString failed = store_->takeWriteError();
    if (!failed.isEmpty()) {
        // Written again at the next round, and said where the user looks, without stopping the work.
        drawingCopied_.clear();
        pictureCopied_ = 0;
        w_.ui_.statusPanel2->setText(u(kWriteFailed).arg(failed));
    }
    std::optional<DrawingCopy> drawing = changedDrawing();
    std::optional<QImage> picture = changedPicture();
    if (drawing || picture)
        store_->write(std::move(drawing), std::move(picture));
}

void RecoveryBackup::drawingSettled()
{
    openStore();
    store_->removeDrawing();
    drawingCopied_ = w_.drawing_.snapshot();
}

void RecoveryBackup::closing()
{
    timer_.stop();
    openStore();
    store_->removeDrawing();
    store_->removePicture();
}

void RecoveryBackup::offerOrphans()
{
    openStore();
    bool drawingTaken = false, pictureTaken = false;
    for (RecoveryStore::Orphan& orphan : store_->orphans()) {
        bool drawing = false, picture = false;
        if (!orphan.drawing.isEmpty() && !drawingTaken) {
            const QString name = orphan.fileName.isEmpty() ? u(kUnnamed) : orphan.fileName;
            if (w_.prompts_.message(u(kDrawingQuestion).arg(name), MessageType::Confirmation,
                                    MessageButtons::YesNo) == Answer::Yes)
                drawing = drawingTaken = restoreDrawing(orphan.drawing);
        }
        TFormPictureEditor* editor = w_.pictures_.pictureEditor();
        if (!orphan.picture.isEmpty() && editor && !pictureTaken &&
            w_.prompts_.message(u(kPictureQuestion), MessageType::Confirmation, MessageButtons::YesNo) ==
                Answer::Yes) {
            QByteArray bytes;
            const DecodedImage read = readWholeFile(orphan.picture, bytes) ? readBmp(bytes) : DecodedImage{};
            if (read.ok()) {
                editor->restorePicture(read.image);
                picture = pictureTaken = true;
            }
        }
        store_->settle(orphan, drawing, picture);
    }
    drawingCopied_ = w_.drawing_.snapshot();
}

bool RecoveryBackup::restoreDrawing(const QString& path)
{
    Drawing loaded;
    loaded.settings = w_.drawing_.settings;
    loaded.lineSpacing = w_.drawing_.lineSpacing;
    if (!readFigureFile(loaded, path, FigureFileMode::Whole, w_.prompts_))
        return false;
    w_.files_.showOpened(std::move(loaded), {});
    w_.drawing_.markNeverSaved();
    return true;
}

} // namespace molvane
