// Copy, cut, paste and delete of figures through the window's own clipboard, and the paste frame that
// a paste or an opened partial figure file shows until the user drops it where the figures go.

#include "document/canvas_geometry.h"
#include "document/figure_commit.h"
#include "document/figure_file.h"
#include "document/figure_file_io.h"
#include "document/fill_surroundings.h"
#include "document/geometry.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/move_logic.h"
#include "editing/selection.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>

namespace molvane {

namespace {

constexpr int kOutsideArea = 99999;

QString u(const char* text) { return QString::fromUtf8(text); }

} // namespace

QPoint TForm1::snapPlain(QPoint screen) const
{
    // The second snap form: only keyboard pointing goes pixel by pixel.
    return snapPoint(screen, microMoveActive_ ? 1.0 : snapStep(drawing_.settings.masuHaba, zoom(), precision()));
}

FigureRegion TForm1::copiedArea() const
{
    if (const QRect range = selectTool_->range(); !range.isNull()) {
        const QPoint a = toModel(range.topLeft(), zoom());
        const QPoint b = toModel(range.bottomRight(), zoom());
        return {b.x() - a.x(), b.y() - a.y(), a.x(), a.y()};
    }
    int left = kOutsideArea, top = kOutsideArea, right = 0, bottom = 0;
    for (const TFigure& f : drawing_.figures) {
        if (!f.selected)
            continue;
        const QRect r = f.occupiedRect();
        left = std::min(left, r.left());
        top = std::min(top, r.top());
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
    }
    return {right - left, bottom - top, left, top};
}

bool TForm1::copySelection()
{
    captureFillsForMove(drawing_.figures);
    FigureList copied;
    for (const TFigure& f : drawing_.figures)
        if (f.selected)
            copied.push_back(f);
    if (copied.empty())
        return false;
    clipStream_ = encodeClipboard(copiedArea(), copied);
    return true;
}

void TForm1::Copy1Click()
{
    if (!clipboardItemsEnabled())
        return;
    copySelection();
    resetSelection();
}

void TForm1::Cut1Click()
{
    if (!clipboardItemsEnabled())
        return;
    if (copySelection())
        deleteSelected();
    resetSelection();
}

void TForm1::Delete1Click()
{
    if (!clipboardItemsEnabled())
        return;
    deleteSelected();
    resetSelection();
}

void TForm1::deleteSelected()
{
    FigureList& list = drawing_.figures;
    std::vector<int> gone;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TFigure& f = list[i];
        bool goes = f.selected;
        // A fill goes with any figure around it.
        if (f.kind == fkNuri)
            for (QPoint p : f.points)
                goes = goes || (p.x() >= 0 && p.x() < int(list.size()) && list[std::size_t(p.x())].selected);
        if (goes)
            gone.push_back(int(i));
    }
    removeFigures(list, gone);
    drawing_.rebuildBitmap();
    for (TFigure& f : list)
        if (f.kind == fkNuri)
            updateSurroundings(f, drawing_.bitmap(), list);
    drawing_.clearSelection();
    selectTool_->clearRange();
    drawing_.pushHistory();
}

void TForm1::Paste1Click()
{
    popupStates();
    if (clipStream_.isEmpty())
        return;
    DecodedClipboard clip = decodeClipboard(clipStream_);
    if (!clip.ok) {
        prompts_.beep(BeepKind::Asterisk);
        prompts_.message(QString::fromUtf8(kInternalDataError), MessageType::Error, MessageButtons::Ok);
        return;
    }
    drawing_.pasteList = std::move(clip.figures);
    for (TFigure& f : drawing_.pasteList)
        f.selected = f.frameShown = false;
    drawing_.pasteImage = partialFileImage(drawing_.pasteList, {clip.region.width, clip.region.height},
                                           drawing_.renderSettings());
    showPasteFrame(clip.region);
}

void TForm1::showPasteFrame(const FigureRegion& region)
{
    // The offset keeps the pasted figures where the copied ones stood against the precision grid.
    const double step = snapStep(drawing_.settings.masuHaba, 100, precision());
    const double s = microMoveActive_ ? 1.0 : step;
    pasteOffset_ = QPoint(int(std::lround(s * std::nearbyint(region.left / s))) - region.left,
                          int(std::lround(s * std::nearbyint(region.top / s))) - region.top);
    const QScrollBar* h = scrollBox_->horizontalScrollBar();
    const QScrollBar* v = scrollBox_->verticalScrollBar();
    const QSize frame = pasteFrameSize();
    const QPoint centre((scrollBox_->viewport()->width() - frame.width()) / 2 + h->value(),
                        (scrollBox_->viewport()->height() - frame.height()) / 2 + v->value());
    pasteCorner_ = snapPlain(centre);
    pasteTag_ = 0;
    pasteShown_ = true;
    mode_ = EditMode::PastePlacing;
    selectTool_->clearRange();
    drawing_.clearSelection();
    popupJustShown_ = false;
    view_->update();
}

QSize TForm1::pasteFrameSize() const
{
    const QSize model = drawing_.pasteImage.size();
    return {std::max(1, toScreen(model.width(), zoom())), std::max(1, toScreen(model.height(), zoom()))};
}

QRect TForm1::pasteFrameRect() const
{
    if (!pasteShown_)
        return {};
    return QRect(pasteCorner_ - toScreen(pasteOffset_, zoom()), pasteFrameSize());
}

void TForm1::movePasteFrame(QPoint corner)
{
    const QRect before = pasteFrameRect();
    pasteCorner_ = corner;
    view_->update(QRegion(before) + pasteFrameRect());
    const QRect r = pasteFrameRect();
    statusPanel1_->setText(QStringLiteral("%1, X=%2, Y=%3, W=%4, H=%5, 図形総数=%6")
                               .arg(statusToolName())
                               .arg(r.left())
                               .arg(r.top())
                               .arg(r.width())
                               .arg(r.height())
                               .arg(drawing_.figures.size()));
}

void TForm1::hidePasteFrame()
{
    if (!pasteShown_)
        return;
    view_->update(pasteFrameRect());
    pasteShown_ = false;
    drawing_.pasteList.clear();
    drawing_.pasteImage = QImage();
    if (mode_ == EditMode::PastePlacing)
        mode_ = returnMode_;
}

void TForm1::paintPasteFrame(Canvas& canvas, const QRect& exposed)
{
    const QRect r = pasteFrameRect();
    if (r.isNull() || !r.intersects(exposed))
        return;
    if (pasteScaledZoom_ != zoom() || pasteScaled_.isNull() || pasteScaledKey_ != drawing_.pasteImage.cacheKey()) {
        pasteScaled_ = drawing_.pasteImage.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        pasteScaledZoom_ = zoom();
        pasteScaledKey_ = drawing_.pasteImage.cacheKey();
    }
    canvas.drawImage(r, pasteScaled_);
}

bool TForm1::pasteFramePress(QPoint at, Qt::MouseButton button)
{
    if (!pasteShown_)
        return false;
    if (!pasteFrameRect().contains(at)) {
        if (button != Qt::LeftButton) {
            hidePasteFrame(); // a right press beside it cancels like any other
            return false;
        }
        prompts_.beep(BeepKind::Asterisk);
        prompts_.message(u(texts::kDragTheFrame), MessageType::Warning, MessageButtons::Ok);
        return true;
    }
    if (button == Qt::RightButton) {
        // Cancelled: the figures are not placed; the menu opens at the frame's corner.
        const QPoint corner = pasteFrameRect().topLeft();
        hidePasteFrame();
        resetSelection();
        popupStates();
        popupMenu_->popup(view_->mapToGlobal(corner));
        popupJustShown_ = true;
        return true;
    }
    view_->eraseMarks();
    grip_ = at - pasteCorner_;
    dragging_ = true;
    startAutoScroll();
    return true;
}

void TForm1::placePasteFrame()
{
    const QPoint at = pasteFrameRect().topLeft();
    const FigureList waiting = drawing_.pasteList;
    drawing_.clearSelection();
    selectTool_->clearRange();
    hidePasteFrame();
    placeFigures(drawing_.figures, drawing_.bitmap(), waiting, at, zoom(),
                 drawing_.settings.smallMoveOneDot && microMoveActive_, drawing_.lastRecorded,
                 drawing_.renderSettings());
    drawing_.pushHistory();
    drawing_.rebuildBitmap();
    mode_ = returnMode_;
    dragging_ = false;
    microMoveActive_ = false;
    popupJustShown_ = false;
    updateCanvasHintForTool();
    view_->update();
}

bool TForm1::clipboardItemsEnabled() const
{
    // Not while picking a figure, moving, or placing what was pasted.
    const bool editing = mode_ == EditMode::Information || mode_ == EditMode::Moving || mode_ == EditMode::PastePlacing;
    return !drawing_.figures.empty() && molvane::countSelected(drawing_.figures) > 0 && !pasteShown_ && !editing;
}

void TForm1::clipboardPopupStates()
{
    const bool enabled = clipboardItemsEnabled();
    for (const char* name : {"Cut1", "Copy1", "Delete1"})
        popupMenu_->findChild<QAction*>(QString::fromLatin1(name))->setEnabled(enabled);
    popupMenu_->findChild<QAction*>(QStringLiteral("Paste1"))->setEnabled(!clipStream_.isEmpty());
    popupUndo_->setEnabled(drawing_.canUndo() || pasteShown_);
}

} // namespace molvane
