#include "document/drawing.h"

namespace molvane {

const char* const kInternalDataError = "内部データエラー";

void reportInternalDataError(Prompts& prompts)
{
    prompts.beep(BeepKind::Information);
    prompts.message(QString::fromUtf8(kInternalDataError), MessageType::Error, MessageButtons::Ok);
}

Drawing::Drawing() : canvasSize_(kDefaultCanvasWidth, kDefaultCanvasHeight)
{
    resetHistory();
    takeBaseline();
}

void Drawing::makeBitmap() const
{
    if (!bitmap_.isNull())
        return;
    bitmap_ = QImage(canvasSize_, QImage::Format_RGB32);
    bitmap_.fill(toQRgb(clWhite));
}

void Drawing::setCanvasSize(QSize size)
{
    if (size == canvasSize_)
        return;
    canvasSize_ = size;
    bitmap_ = QImage(size, QImage::Format_RGB32);
    rebuildBitmap();
}

void Drawing::takeRendered(Drawing&& read)
{
    figures = std::move(read.figures);
    background = std::move(read.background);
    canvasSize_ = read.canvasSize_;
    bitmap_ = std::move(read.bitmap_);
    lastRecorded = read.lastRecorded;
    clearSelection();
}

void Drawing::rebuildBitmap(const RebuildOptions& options)
{
    lastRecorded.update(rebuildDrawingBitmap(bitmap(), figures, background, renderSettings(), options));
}

void Drawing::clearSelection()
{
    for (TFigure& f : figures)
        f.selected = f.frameShown = false;
}

void Drawing::startEmpty()
{
    figures.clear();
    pasteList.clear();
    background = QImage();
    pasteImage = QImage();
    rebuildBitmap();
    resetHistory();
    takeBaseline();
}

void Drawing::startFrom(Drawing&& read)
{
    takeRendered(std::move(read));
    pasteList.clear();
    pasteImage = QImage();
    resetHistory();
    takeBaseline();
    pushHistory();
}

void Drawing::markSaved()
{
    resetHistoryToCurrent();
    takeBaseline();
}

void Drawing::resetHistory()
{
    history_.reset(emptyUndoSnapshot());
    historyChanged();
}

void Drawing::resetHistoryToCurrent()
{
    history_.reset(snapshot());
    historyChanged();
}

bool Drawing::pushHistory()
{
    // Encoded into memory used before: that of the last snapshot when it was not stored, else that of
    // the state the stored one displaced from the ring.
    encodeUndoSnapshot(figures, snapshotMemory_);
    QByteArray displaced;
    const bool stored = history_.push(snapshotMemory_, &displaced);
    if (stored)
        snapshotMemory_ = std::move(displaced);
    historyChanged();
    return stored;
}

void Drawing::consumePendingChange()
{
    if (!pendingChange)
        return;
    pendingChange = false;
    pushHistory();
}

bool Drawing::undo(Prompts& prompts)
{
    consumePendingChange();
    const QByteArray* state = history_.undo();
    const bool loaded = state && loadState(*state, prompts);
    historyChanged();
    return loaded;
}

bool Drawing::redo(Prompts& prompts)
{
    const QByteArray* state = history_.redo();
    const bool loaded = state && loadState(*state, prompts);
    historyChanged();
    return loaded;
}

bool Drawing::loadState(const QByteArray& state, Prompts& prompts)
{
    figures.clear();
    const bool ok = decodeUndoSnapshot(state, figures);
    if (!ok)
        reportInternalDataError(prompts);
    rebuildBitmap();
    clearSelection();
    return ok;
}

} // namespace molvane
