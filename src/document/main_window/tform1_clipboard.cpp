// Copy, cut, paste and delete of figures through the window's own clipboard, and the paste frame that
// a paste or an opened partial figure file shows until the user drops it where the figures go.

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

namespace molvane {

namespace {

constexpr int kOutsideArea = 99999;

} // namespace

FigureRegion TForm1::copiedArea() const
{
    if (const QRect range = tools_.selection().range(); !range.isNull()) {
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
    tools_.selection().clearRange();
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
    tools_.showPaste(region);
    mode_ = EditMode::PastePlacing;
    tools_.selection().clearRange();
    drawing_.clearSelection();
    popupJustShown_ = false;
    view_->update();
}

void TForm1::hidePasteFrame()
{
    if (tools_.paste())
        tools_.paste()->hide();
}

bool TForm1::clipboardItemsEnabled() const
{
    // Not while picking a figure, moving, or placing what was pasted.
    const bool editing = mode_ == EditMode::Information || mode_ == EditMode::Moving || mode_ == EditMode::PastePlacing;
    return !drawing_.figures.empty() && molvane::countSelected(drawing_.figures) > 0 && !pasteFrameShown() && !editing;
}

void TForm1::clipboardPopupStates()
{
    const bool enabled = clipboardItemsEnabled();
    for (const char* name : {"Cut1", "Copy1", "Delete1"})
        ui_.popupMenu->findChild<QAction*>(QString::fromLatin1(name))->setEnabled(enabled);
    ui_.popupMenu->findChild<QAction*>(QStringLiteral("Paste1"))->setEnabled(!clipStream_.isEmpty());
    ui_.popupUndo->setEnabled(drawing_.canUndo() || pasteFrameShown());
}

} // namespace molvane
